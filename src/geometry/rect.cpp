#include "geometry/rect.h"

#include <algorithm>

#include "base/units.h"

namespace pravelo {

TRect rectFromCorners(double x1, double y1, double x2, double y2) {
  return {roundToInt32(std::min(x1, x2)), roundToInt32(std::min(y1, y2)),
          roundToInt32(std::max(x1, x2)), roundToInt32(std::max(y1, y2))};
}

TRect widened(const TRect& r, std::int64_t by) {
  const double d = static_cast<double>(by);
  return {roundToInt32(r.left - d), roundToInt32(r.top - d), roundToInt32(r.right + d),
          roundToInt32(r.bottom + d)};
}

TRect unite(const TRect& a, const TRect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

TRect pointListBounds(const std::vector<FPoint>& points) {
  if (points.size() < 2) return {};
  std::int32_t left = roundToInt32(points[0].x);
  std::int32_t right = left;
  std::int32_t top = roundToInt32(points[0].y);
  std::int32_t bottom = top;
  for (const FPoint& p : points) {
    const std::int32_t x = roundToInt32(p.x);
    const std::int32_t y = roundToInt32(p.y);
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  return {left, top, right, bottom};
}

}  // namespace pravelo
