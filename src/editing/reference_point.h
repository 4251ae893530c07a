#pragma once

#include <optional>

#include "document/object.h"
#include "geometry/point.h"

namespace pravelo {

// The point an object is captured onto and aligned by: a pad's or circle's centre, an SMD pad's
// true centre, the centre of the outline bounds of a zone or text. Tracks and other kinds have
// none.
std::optional<DPoint> referencePoint(const TObjekt& o);

// The point an object is grabbed by when it is moved from `world`: pads their reference point;
// tracks and zones their vertex nearest to `world` (the first on ties); texts the nearest vertex
// of any stroke; circles their centre, or an arc's end point on the centre line when `world` is
// angularly closer to that end than a sixth of the arc's span. Other kinds have none.
std::optional<DPoint> nearestReferencePoint(const TObjekt& o, DPoint world);

}  // namespace pravelo
