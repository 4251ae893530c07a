#pragma once

#include <cstdint>

#include "copper/contour.h"
#include "document/object.h"

namespace pravelo {

// Tracks and zones narrower than this are outlined at this width.
inline constexpr std::int32_t kMinOutlineWidth = 100;

// The copper contours of one object in internal units: capsules along tracks, zone borders and
// text strokes, rings and arcs of circles, pad and SMD-pad outlines. The filled interior of a
// zone is not among them. `chamferClearance` > 0 (the copper clearance check) cuts the corners
// of square and horizontal rectangle pads and of SMD pads for a gap of that size. Other kinds
// give no contour.
ContourList objectContours(const TObjekt& o, std::int32_t chamferClearance);

}  // namespace pravelo
