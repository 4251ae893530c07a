#include "project/spiral_shape.h"

#include <algorithm>
#include <cstdlib>

#include "base/units.h"

namespace pravelo {

namespace {

constexpr std::int32_t kSpiralQuarterTurn = 90000;  // millidegrees

void addRoundSpiral(const SpiralValues& v, std::int64_t quarters, std::uint8_t layer,
                    std::int32_t clearance, ObjectList& out) {
  // Each quarter arc grows by a quarter of the pitch and hands over to the next one by moving
  // the centre by that step.
  const std::int64_t step = roundHalfEven((v.widthMm + v.gapMm) * 2500);
  std::int64_t radius = std::llabs(roundHalfEven(v.startRadiusMm * 5000 - step / 2.0));
  const double halfWidth = v.widthMm * 5000;
  double cx = 0;
  double cy = 0;
  for (std::int64_t i = 0; i < quarters; ++i) {
    auto arc = std::make_unique<TObjekt>(newObject());
    // A track wider than the first radius would give a negative inner radius.
    initCircle(*arc, {static_cast<float>(cx), static_cast<float>(cy)},
               roundToInt32(radius + halfWidth), layer,
               std::max(0, roundToInt32(radius - halfWidth)));
    arc->paramA = static_cast<std::int32_t>(i % 4) * kSpiralQuarterTurn;
    arc->width = static_cast<std::int32_t>((i + 1) % 4) * kSpiralQuarterTurn;
    arc->clearance = clearance;
    out.push_back(std::move(arc));
    switch ((i + 1) % 4) {
      case 0:
        cx -= static_cast<double>(step);
        break;
      case 1:
        cy -= static_cast<double>(step);
        break;
      case 2:
        cx += static_cast<double>(step);
        break;
      default:
        cy += static_cast<double>(step);
        break;
    }
    radius += step;
  }
}

void addSquareSpiral(const SpiralValues& v, std::int64_t quarters, std::uint8_t layer,
                     std::int32_t clearance, ObjectList& out) {
  const std::int64_t step = roundHalfEven((v.widthMm + v.gapMm) * 5000);
  std::int64_t length = std::llabs(roundHalfEven(v.startRadiusMm * kUnitsPerMm));
  auto track = std::make_unique<TObjekt>(newObject());
  initTrack(*track, roundToInt32(v.widthMm * kUnitsPerMm), layer);
  track->clearance = clearance;
  double x = 0;
  double y = 0;
  addPoint(*track, {0, 0});
  for (std::int64_t i = 1; i <= quarters; ++i) {
    if (i == quarters) length -= 2 * step;  // the last side stops short of the turn before
    const auto l = static_cast<double>(length);
    switch (i % 4) {
      case 1:
        x -= l;
        break;
      case 2:
        y += l;
        break;
      case 3:
        x += l;
        break;
      default:
        y -= l;
        break;
    }
    addPoint(*track, {static_cast<float>(x), static_cast<float>(y)});
    length += step;
  }
  out.push_back(std::move(track));
}

}  // namespace

double roundSpiralTurns(double turns) { return static_cast<double>(roundHalfEven(turns * 4)) / 4; }

void generateSpiral(const SpiralValues& values, int layer, std::int32_t clearance,
                    ObjectList& out) {
  const std::int64_t quarters = roundHalfEven(values.turns * 4);
  const auto onLayer = static_cast<std::uint8_t>(layer);
  if (values.form == SpiralForm::Round) {
    addRoundSpiral(values, quarters, onLayer, clearance, out);
  } else {
    addSquareSpiral(values, quarters, onLayer, clearance, out);
  }
}

}  // namespace pravelo
