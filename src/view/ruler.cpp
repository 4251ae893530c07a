#include "view/ruler.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "base/units.h"

namespace pravelo {
namespace {

// A guard against nonsensical input; a real ruler has at most a few thousand candidates.
constexpr std::int64_t kMaxCandidates = 100000;

// The ruler maps like the drawing area it follows, so that its marks and the pointer agree.
ViewTransform rulerView(const RulerSpec& spec) {
  return {spec.zoom, spec.scroll, spec.scroll, spec.mirrored, spec.boardWidth};
}

double rulerTickToScreen(const RulerSpec& spec, double t) {
  const double world = spec.origin + t * unitsPerRulerTick(spec.unit);
  const ViewTransform v = rulerView(spec);
  const double pixel = spec.axis == RulerAxis::Horizontal ? screenX(v, world) : screenY(v, world);
  return pixel + spec.offset;
}

double rulerPixelToTick(const RulerSpec& spec, double pixel) {
  const DPoint world = screenToWorld(rulerView(spec), {pixel - spec.offset, pixel - spec.offset});
  const double along = spec.axis == RulerAxis::Horizontal ? world.x : world.y;
  return (along - spec.origin) / unitsPerRulerTick(spec.unit);
}

}  // namespace

double unitsPerRulerTick(LengthUnit unit) {
  return unit == LengthUnit::Mil ? kUnitsPerMil / 10.0 : kUnitsPerMm / 1000.0;
}

std::int64_t rulerScale(double zoom, LengthUnit unit) {
  return roundHalfEven(zoom * kUnitsPerMm * (unit == LengthUnit::Mil ? 2.54 : 1.0));
}

std::int32_t rulerLabelSpacing(std::int64_t scale) {
  if (scale <= 4) return 50000;
  if (scale < 20) return 10000;
  if (scale < 50) return 5000;
  if (scale < 200) return 1000;
  if (scale < 500) return 500;
  if (scale < 2000) return 100;
  if (scale <= 4999) return 50;
  if (scale <= 19999) return 10;
  if (scale <= 49999) return 5;
  return 1;
}

std::int32_t rulerLoopStep(std::int32_t labelSpacing) {
  if (labelSpacing > 10000) return 10000;
  if (labelSpacing > 1000) return 1000;
  if (labelSpacing > 100) return 100;
  if (labelSpacing > 10) return 10;
  return 1;
}

int rulerTickLength(std::int64_t t, std::int32_t e, RulerAxis axis) {
  if (t % e == 0) return axis == RulerAxis::Horizontal ? 14 : 16;
  if (e == 50 || e == 500 || e == 5000 || e == 50000) return (5 * t) % e == 0 ? 4 : 0;
  if ((2 * t) % e == 0) return 8;
  return (10 * t) % e == 0 ? 4 : 0;
}

std::string rulerLabel(std::int64_t t, LengthUnit unit, RulerAxis axis) {
  if (axis == RulerAxis::Vertical) t = std::llabs(t);
  const double value = static_cast<double>(t) / (unit == LengthUnit::Mil ? 10 : 1000);
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  return std::string(buffer, end.ptr);
}

RulerSpec rulerSpecOf(RulerAxis axis, const ViewTransform& shown, IPoint origin, LengthUnit unit,
                      double offset) {
  const bool horizontal = axis == RulerAxis::Horizontal;
  RulerSpec spec;
  spec.axis = axis;
  spec.unit = unit;
  spec.zoom = shown.zoom;
  spec.scroll = horizontal ? shown.scrollX : shown.scrollY;
  spec.origin = horizontal ? origin.x : origin.y;
  spec.offset = offset;
  spec.mirrored = horizontal && shown.mirrored;
  spec.boardWidth = shown.boardWidth;
  return spec;
}

std::vector<RulerTick> rulerTicks(const RulerSpec& spec) {
  std::vector<RulerTick> ticks;
  if (!(spec.zoom > 0) || !(spec.to > spec.from)) return ticks;
  const std::int32_t e = rulerLabelSpacing(rulerScale(spec.zoom, spec.unit));
  const std::int32_t r = rulerLoopStep(e);
  const double a = rulerPixelToTick(spec, spec.from);
  const double b = rulerPixelToTick(spec, spec.to);
  if (!(std::fabs(a) < 1e15 && std::fabs(b) < 1e15)) return ticks;
  const auto first = static_cast<std::int64_t>(std::floor(std::min(a, b) / r)) * r;
  const auto last = static_cast<std::int64_t>(std::ceil(std::max(a, b) / r)) * r;
  if ((last - first) / r > kMaxCandidates) return ticks;
  for (std::int64_t t = first; t <= last; t += r) {
    const int length = rulerTickLength(t, e, spec.axis);
    if (length == 0) continue;
    RulerTick tick{rulerTickToScreen(spec, static_cast<double>(t)), length, {}};
    if (t % e == 0) tick.label = rulerLabel(t, spec.unit, spec.axis);
    ticks.push_back(std::move(tick));
  }
  return ticks;
}

}  // namespace pravelo
