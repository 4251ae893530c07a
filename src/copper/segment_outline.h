#pragma once

#include <cstdint>

#include "copper/contour.h"

namespace pravelo {

// Segment counts grow with the size of an object; no real board comes near this bound, which
// keeps absurd sizes from a damaged file from exhausting memory.
inline constexpr int kMaxArcSegments = 4096;
// A computed segment count as an int within 0..kMaxArcSegments (NaN gives 0).
inline int boundedSegments(double n) {
  if (!(n > 0)) return 0;
  return n > kMaxArcSegments ? kMaxArcSegments : static_cast<int>(n);
}

enum class ArcTurn { kAnticlockwise, kClockwise };

// Appends the n points of an arc around `centre` with diameter `diameter` from `from` to `to`
// (`from` itself is not added; the last point lies on `to`'s direction). Coinciding ends make a
// full circle.
void appendArc(Contour& contour, IPoint from, IPoint to, IPoint centre, int n, double diameter,
               ArcTurn turn);

// The n points of a full circle that starts and ends at `start`.
Contour circleOutline(IPoint centre, IPoint start, int n, double diameter);

// The capsule around the segment p1p2 for a line of width w: round caps, or square ends that
// reach w/2 beyond the segment.
Contour segmentOutline(IPoint p1, IPoint p2, std::int32_t w, bool squareStart, bool squareEnd);

}  // namespace pravelo
