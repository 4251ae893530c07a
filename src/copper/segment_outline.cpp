#include "copper/segment_outline.h"

#include <cmath>
#include <numbers>

#include "base/units.h"

namespace pravelo {
namespace {

constexpr double kPi = std::numbers::pi;

// Rounds the offset half to even (std::nearbyint, the rounding of roundHalfEven, kept as a
// double so that absurd sizes from a damaged file saturate instead of overflowing).
IPoint offset(IPoint p, double dx, double dy) {
  return {roundToInt32(p.x + std::nearbyint(dx)), roundToInt32(p.y + std::nearbyint(dy))};
}

// The arc's angular length. The direction of travel decides between the two ways round; a
// nearly full arc whose ends straddle the +x axis is the short way round, not a full turn.
double arcSweep(double fromAngle, double toAngle, ArcTurn turn) {
  double sweep = std::fabs(fromAngle - toAngle);
  const bool wrongWay = turn == ArcTurn::kAnticlockwise ? fromAngle > toAngle : fromAngle < toAngle;
  if (wrongWay) sweep = 2 * kPi - sweep;
  return sweep;
}

}  // namespace

void appendArc(Contour& contour, IPoint from, IPoint to, IPoint centre, int n, double diameter,
               ArcTurn turn) {
  const double fromAngle = contourDirection(centre, from);
  const double sweep =
      from == to ? 2 * kPi : arcSweep(fromAngle, contourDirection(centre, to), turn);
  const double sign = turn == ArcTurn::kAnticlockwise ? 1 : -1;
  const double radius = diameter / 2;
  for (int i = 1; i <= n; ++i) {
    const double phi = fromAngle + sign * i * sweep / n;
    contour.push_back(offset(centre, radius * std::cos(phi), radius * std::sin(phi)));
  }
}

Contour circleOutline(IPoint centre, IPoint start, int n, double diameter) {
  Contour contour;
  contour.reserve(static_cast<std::size_t>(n));
  appendArc(contour, start, start, centre, n, diameter, ArcTurn::kAnticlockwise);
  return contour;
}

Contour segmentOutline(IPoint p1, IPoint p2, std::int32_t w, bool squareStart, bool squareEnd) {
  const double theta = contourDirection(p1, p2);
  const double half = w / 2.0;
  const double dx = std::nearbyint(std::cos(kPi / 2 - theta) * half);
  const double dy = std::nearbyint(std::sin(kPi / 2 - theta) * half);
  const int capSegments = boundedSegments(w / 3000 + 3);
  const double diagonal = half * 1.414;
  const double plusX = diagonal * std::sin(theta + kPi / 4);
  const double plusY = -diagonal * std::cos(theta + kPi / 4);
  const double minusX = diagonal * std::sin(theta - kPi / 4);
  const double minusY = -diagonal * std::cos(theta - kPi / 4);

  Contour contour;
  contour.reserve(2 * static_cast<std::size_t>(capSegments) + 2);
  if (squareEnd) {
    contour.push_back(offset(p2, plusX, plusY));
    contour.push_back(offset(p2, -minusX, -minusY));
  } else {
    const IPoint from = offset(p2, dx, -dy);
    contour.push_back(from);
    appendArc(contour, from, offset(p2, -dx, dy), p2, capSegments, w, ArcTurn::kAnticlockwise);
  }
  if (squareStart) {
    contour.push_back(offset(p1, -plusX, -plusY));
    contour.push_back(offset(p1, minusX, minusY));
  } else {
    const IPoint from = offset(p1, -dx, dy);
    contour.push_back(from);
    appendArc(contour, from, offset(p1, dx, -dy), p1, capSegments, w, ArcTurn::kAnticlockwise);
  }
  return contour;
}

}  // namespace pravelo
