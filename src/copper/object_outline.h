#pragma once

#include <cstdint>
#include <optional>

#include "copper/polygon32.h"
#include "document/object.h"
#include "geometry/layer_presence.h"
#include "geometry/rect.h"

namespace pravelo {

// What an outline depends on besides the object itself.
struct OutlineOptions {
  // The layer whose thermal spokes are included, with the board's switches; layer 0 (the
  // default) leaves spokes out, as the design rule check and mirroring need.
  SpokeLayer spokes;
  // > 0 while the copper clearance check cuts pad corners for a gap of this size.
  std::int32_t chamferClearance = 0;
};

// The copper outline of an object as a fixed-point polygon at `scale` (1 for every copper
// algorithm): a zone's filled area, the thermal spokes that apply on the spoke layer, and the
// object's contours. Hidden labels and mask-only zones have no copper contours.
TPolygon32 objectOutline(const TObjekt& o, const OutlineOptions& options, double scale);

// The bounds of an object's outline at world scale, without thermal spokes, in whole units;
// nothing for an object without an outline.
std::optional<TRect> outlineBounds(const TObjekt& o);

// Whether an object takes part in copper algorithms at all: not a cut-out, a mask-only zone, a
// pure hole or a hidden label, and with a copper outline to test.
bool conducts(const TObjekt& o);

}  // namespace pravelo
