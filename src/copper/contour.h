#pragma once

#include <optional>
#include <vector>

#include "geometry/point.h"
#include "geometry/rect.h"

namespace pravelo {

// Integer outlines in internal units, the representation of the outline union: each contour
// is closed implicitly from its last node back to the first.
using Contour = std::vector<IPoint>;
using ContourList = std::vector<Contour>;

// Anticlockwise direction of b - a from +x, in [0, 2 pi); 0 when the points coincide.
double contourDirection(IPoint a, IPoint b);

// How far the path a -> b -> c turns, in [0, 2 pi): pi straight on, below pi to the right,
// above pi to the left, 0 straight back.
double turnValue(IPoint a, IPoint b, IPoint c);
// The same from the directions of the two edges, for callers that reuse one of them.
double turnBetween(double inDirection, double outDirection);

// The crossing of the edges a1a2 and b1b2, ends included, decided exactly; the point is the
// exact crossing rounded half to even. None for parallel edges. Deciding exactly matters: a
// tolerance would admit near misses beside a vertex, whose phantom crossings leave slivers
// that send the loop trace astray and let hatch runs leak out of their zone.
std::optional<IPoint> edgeCrossing(IPoint a1, IPoint a2, IPoint b1, IPoint b2);

// Bounds of a contour's nodes; an empty contour gives the empty rectangle.
TRect contourBounds(const Contour& contour);
bool rectsIntersect(const TRect& a, const TRect& b);

}  // namespace pravelo
