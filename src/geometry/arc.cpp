#include "geometry/arc.h"

#include <cmath>
#include <numbers>

#include "base/units.h"

namespace pravelo {

FPoint pointOnArc(FPoint centre, double radius, MilliDeg angle) {
  const double a = degreesToRadians(toDegrees(angle));
  return {static_cast<float>(centre.x + radius * std::cos(a)),
          static_cast<float>(centre.y + radius * std::sin(a))};
}

WholeDeg angleOfPoint(FPoint centre, FPoint p) {
  const double dx = static_cast<double>(p.x) - centre.x;
  const double dy = static_cast<double>(p.y) - centre.y;
  std::int64_t degrees = roundHalfEven(std::atan2(dy, dx) * 180.0 / std::numbers::pi);
  if (degrees < 0) degrees += 360;
  if (degrees >= 360) degrees -= 360;
  return {static_cast<std::int32_t>(degrees)};
}

MilliDeg arcSpan(MilliDeg start, MilliDeg stop) {
  if (isFullCircle(start, stop)) return {kFullCircleMilliDeg};
  return normalised({normalised(stop).value - normalised(start).value});
}

}  // namespace pravelo
