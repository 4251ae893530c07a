#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "document/object.h"
#include "geometry/angles.h"

namespace pravelo {

// Integer point: screen positions and rectangle corners.
struct IPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const IPoint&, const IPoint&) = default;
};

// Real point for intermediate results (screen positions between pixels, exact intersections).
struct DPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const DPoint&, const DPoint&) = default;
};

inline DPoint toDPoint(FPoint p) { return {p.x, p.y}; }
inline FPoint toFPoint(DPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }
// Rounds each coordinate half to even.
IPoint toIPoint(FPoint p);
IPoint toIPoint(DPoint p);

// Rotates `p` about `centre` by `degrees`, anticlockwise in world coordinates for a positive
// angle.
FPoint rotatePoint(FPoint p, FPoint centre, double degrees);
// Rotates every point in place, computing sine and cosine once.
void rotatePoints(std::vector<FPoint>& points, FPoint centre, double degrees);

double distance(FPoint a, FPoint b);

// Direction from `a` to `b` in [0, 2 pi), measured clockwise from +x in world coordinates
// (y up); 0 when the points coincide.
Radians directionAngle(FPoint a, FPoint b);

// b - (b - a) * f per axis: factors 0.5 give the midpoint.
FPoint interpolate(FPoint a, FPoint b, double fx, double fy);
inline FPoint midpoint(FPoint a, FPoint b) { return interpolate(a, b, 0.5, 0.5); }

// Intersection of the segments p1p2 and p3p4; none for parallel segments (determinant exactly
// 0) or when the crossing lies outside either segment.
std::optional<DPoint> segmentIntersection(FPoint p1, FPoint p2, FPoint p3, FPoint p4);

// Per-axis tolerance, not the Euclidean distance.
bool equalWithin(IPoint a, IPoint b, std::int32_t tolerance);
// Float points compared after rounding each coordinate to an integer.
bool equalRounded(FPoint a, FPoint b);
bool equalRoundedWithin(FPoint a, FPoint b, std::int32_t tolerance);

// The rounded point moved onto the pixel centre, so that hairlines cover whole pixels.
DPoint pixelCentre(DPoint p);

}  // namespace pravelo
