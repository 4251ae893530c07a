#pragma once

#include <vector>

#include "copper/polygon32.h"
#include "geometry/point.h"

namespace pravelo {

// Crossing-parity test against each outline; inside any outline is inside.
bool pointInPolygon(const TPolygon32& polygon, Point32 p);

// Every vertex of every outline of `a` lies inside `b` (true for an `a` without points).
bool allVerticesInside(const TPolygon32& a, const TPolygon32& b);

// The polygons overlap or touch: one lies inside the other, or edges cross or meet. A polygon
// without points touches nothing.
bool polygonsIntersect(const TPolygon32& a, const TPolygon32& b);

// Whether an edge of the polygon meets the rectangle, or the polygon (or one of its outlines)
// lies inside it; the rectangle is in millimetres, corners in any order. A rectangle wholly
// inside an outline without touching its edges does not count.
bool rectIntersectsPolygon(double x1, double y1, double x2, double y2, const TPolygon32& polygon);

// The points in millimetres where edges of `a` cross edges of `b`, in the order the edges of
// `a` are walked; none when either polygon lies inside the other.
std::vector<DPoint> edgeIntersectionPoints(const TPolygon32& a, const TPolygon32& b);

}  // namespace pravelo
