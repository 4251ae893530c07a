#pragma once

#include "document/object.h"
#include "geometry/angles.h"

namespace pravelo {

// A circle object's ring lies between its outer radius `dim.x` and inner radius `dim.y`.
inline double centreLineRadius(double outer, double inner) { return outer - (outer - inner) / 2; }
inline double ringWidth(double outer, double inner) { return outer - inner; }

// The point at `angle` on a circle of radius `radius` around `centre`.
FPoint pointOnArc(FPoint centre, double radius, MilliDeg angle);

// The direction of `p` as seen from `centre`, anticlockwise, rounded to whole degrees in
// [0, 360): a point straight above the centre gives 90.
WholeDeg angleOfPoint(FPoint centre, FPoint p);

// An arc whose start equals its stop is a full circle.
inline bool isFullCircle(MilliDeg start, MilliDeg stop) {
  return normalised(start) == normalised(stop);
}
// The anticlockwise sweep from start to stop; 360000 for a full circle.
MilliDeg arcSpan(MilliDeg start, MilliDeg stop);

}  // namespace pravelo
