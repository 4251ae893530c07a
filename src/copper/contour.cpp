#include "copper/contour.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "copper/exact_division.h"

namespace pravelo {
namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

double contourDirection(IPoint a, IPoint b) {
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  if (dx == 0) {
    if (dy > 0) return kPi / 2;
    if (dy < 0) return 3 * kPi / 2;
    return 0;
  }
  if (dy == 0) return dx > 0 ? 0 : kPi;
  const double a0 = std::atan(std::fabs(dy / dx));
  if (dx > 0) return dy > 0 ? a0 : 2 * kPi - a0;
  return dy > 0 ? kPi - a0 : kPi + a0;
}

double turnValue(IPoint a, IPoint b, IPoint c) {
  return turnBetween(contourDirection(a, b), contourDirection(b, c));
}

double turnBetween(double inDirection, double outDirection) {
  double difference = inDirection - outDirection;
  if (difference < 0) difference += 2 * kPi;
  double t = kPi - difference;
  if (t < 0) t += 2 * kPi;
  return t;
}

std::optional<IPoint> edgeCrossing(IPoint a1, IPoint a2, IPoint b1, IPoint b2) {
  const std::int64_t ax = std::int64_t{a2.x} - a1.x;
  const std::int64_t ay = std::int64_t{a2.y} - a1.y;
  const std::int64_t bx = std::int64_t{b2.x} - b1.x;
  const std::int64_t by = std::int64_t{b2.y} - b1.y;
  Int128 det = Int128{ax} * by - Int128{ay} * bx;
  if (det == 0) return std::nullopt;
  const std::int64_t wx = std::int64_t{b1.x} - a1.x;
  const std::int64_t wy = std::int64_t{b1.y} - a1.y;
  Int128 onA = Int128{wx} * by - Int128{wy} * bx;  // parameters on a and b, times det
  Int128 onB = Int128{wx} * ay - Int128{wy} * ax;
  if (det < 0) {
    det = -det;
    onA = -onA;
    onB = -onB;
  }
  if (onA < 0 || onA > det || onB < 0 || onB > det) return std::nullopt;
  return IPoint{static_cast<std::int32_t>(a1.x + divideRounded(onA * ax, det)),
                static_cast<std::int32_t>(a1.y + divideRounded(onA * ay, det))};
}

TRect contourBounds(const Contour& contour) {
  if (contour.empty()) return {};
  TRect r{contour[0].x, contour[0].y, contour[0].x, contour[0].y};
  for (const IPoint& p : contour) {
    r.left = std::min(r.left, p.x);
    r.right = std::max(r.right, p.x);
    r.top = std::min(r.top, p.y);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

bool rectsIntersect(const TRect& a, const TRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace pravelo
