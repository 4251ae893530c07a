#include "manufacturing/hpgl_transform.h"

#include "base/units.h"

namespace pravelo {
namespace {

// Units per plotter step, as factors of 1/100 of a unit: 1/40 mm is 250 units, 1 mil 254.
constexpr double kHpglFortiethFactor = 0.4;
constexpr double kHpglMilFactor = 0.3937;

}  // namespace

HpglTransform hpglTransform(const BoardHeader& header, HpglUnit unit, bool camOrigin) {
  HpglTransform t;
  t.factor = unit == HpglUnit::Mil ? kHpglMilFactor : kHpglFortiethFactor;
  t.dx = camOrigin ? -static_cast<double>(header.originX) : 0.0;
  t.dy = camOrigin ? -static_cast<double>(header.originY) : static_cast<double>(header.height);
  return t;
}

IPoint toHpgl(const HpglTransform& t, double x, double y) {
  return {roundToInt32((x + t.dx) * t.factor / 100), roundToInt32((y + t.dy) * t.factor / 100)};
}

DPoint mirrored(const MillMirroring& m, DPoint p) {
  if (m.mirror == MillMirror::Horizontal) {
    p.x = static_cast<double>(m.extent.left) + m.extent.right - p.x;
  } else if (m.mirror == MillMirror::Vertical) {
    p.y = static_cast<double>(m.extent.top) + m.extent.bottom - p.y;
  }
  return p;
}

IPoint mirrored(const MillMirroring& m, IPoint p) {
  const DPoint d = mirrored(m, DPoint{static_cast<double>(p.x), static_cast<double>(p.y)});
  return {roundToInt32(d.x), roundToInt32(d.y)};
}

}  // namespace pravelo
