#include "geometry/point.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "base/units.h"

namespace pravelo {

IPoint toIPoint(FPoint p) { return {roundToInt32(p.x), roundToInt32(p.y)}; }

IPoint toIPoint(DPoint p) { return {roundToInt32(p.x), roundToInt32(p.y)}; }

namespace {

FPoint rotateWith(FPoint p, FPoint centre, double sinA, double cosA) {
  const double dx = static_cast<double>(p.x) - centre.x;
  const double dy = static_cast<double>(p.y) - centre.y;
  return {static_cast<float>(centre.x + cosA * dx - sinA * dy),
          static_cast<float>(centre.y + sinA * dx + cosA * dy)};
}

}  // namespace

FPoint rotatePoint(FPoint p, FPoint centre, double degrees) {
  const double a = degreesToRadians(degrees);
  return rotateWith(p, centre, std::sin(a), std::cos(a));
}

void rotatePoints(std::vector<FPoint>& points, FPoint centre, double degrees) {
  const double a = degreesToRadians(degrees);
  const double sinA = std::sin(a);
  const double cosA = std::cos(a);
  for (FPoint& p : points) p = rotateWith(p, centre, sinA, cosA);
}

double distance(FPoint a, FPoint b) {
  return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

Radians directionAngle(FPoint a, FPoint b) {
  constexpr double pi = std::numbers::pi;
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  double angle = 0;
  if (dx > 0 && dy < 0) {
    angle = std::atan(-dy / dx);
  } else if (dx < 0 && dy < 0) {
    angle = std::atan(dx / dy) + pi / 2;
  } else if (dx < 0 && dy > 0) {
    angle = std::atan(dy / -dx) + pi;
  } else if (dx > 0 && dy > 0) {
    angle = std::atan(dx / dy) + 3 * pi / 2;
  } else if (dx == 0 && dy < 0) {
    angle = pi / 2;
  } else if (dy == 0 && dx < 0) {
    angle = pi;
  } else if (dx == 0 && dy > 0) {
    angle = 3 * pi / 2;
  }
  if (angle >= 2 * pi) angle -= 2 * pi;
  return {angle};
}

FPoint interpolate(FPoint a, FPoint b, double fx, double fy) {
  return {static_cast<float>(b.x - (static_cast<double>(b.x) - a.x) * fx),
          static_cast<float>(b.y - (static_cast<double>(b.y) - a.y) * fy)};
}

std::optional<DPoint> segmentIntersection(FPoint p1, FPoint p2, FPoint p3, FPoint p4) {
  const double d1x = static_cast<double>(p2.x) - p1.x;
  const double d1y = static_cast<double>(p2.y) - p1.y;
  const double d2x = static_cast<double>(p4.x) - p3.x;
  const double d2y = static_cast<double>(p4.y) - p3.y;
  const double det = d1x * d2y - d1y * d2x;
  if (det == 0) return std::nullopt;
  const double wx = static_cast<double>(p3.x) - p1.x;
  const double wy = static_cast<double>(p3.y) - p1.y;
  const double s = (wx * d2y - wy * d2x) / det;  // parameter on p1p2
  const double t = (wx * d1y - wy * d1x) / det;  // parameter on p3p4
  if (s < 0 || s > 1 || t < 0 || t > 1) return std::nullopt;
  return DPoint{p3.x + t * d2x, p3.y + t * d2y};
}

bool equalWithin(IPoint a, IPoint b, std::int32_t tolerance) {
  return std::llabs(static_cast<long long>(a.x) - b.x) <= tolerance &&
         std::llabs(static_cast<long long>(a.y) - b.y) <= tolerance;
}

bool equalRounded(FPoint a, FPoint b) { return toIPoint(a) == toIPoint(b); }

bool equalRoundedWithin(FPoint a, FPoint b, std::int32_t tolerance) {
  return equalWithin(toIPoint(a), toIPoint(b), tolerance);
}

DPoint pixelCentre(DPoint p) {
  return {static_cast<double>(roundHalfEven(p.x)) + 0.5,
          static_cast<double>(roundHalfEven(p.y)) + 0.5};
}

}  // namespace pravelo
