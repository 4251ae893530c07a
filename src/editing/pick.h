#pragma once

#include <cstdint>

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// Pixels a click may lie beside an object and still hit it.
inline constexpr double kPickTolerancePixels = 3;

// The enlargement in units that gives a hit test its tolerance at `zoom`: round(3 / zoom) below
// zoom 1, none at 1 or more.
std::int32_t pickTolerance(double zoom);

// Whether the outline of `o`, enlarged by `tolerance` units, contains the world point. The
// outline is built at the scale of the zoom, as the screen shows it.
bool outlineContains(const TObjekt& o, IPoint world, double zoom, std::int32_t tolerance);

// The index of the object under the world point (rounded to units) at `zoom`, or -1. Selected
// objects come first, together with the node handles of a single selected track, zone or
// circle; then the layers from the topmost drawn one down, a pad winning over the track it lies
// on and any other object over a zone of a higher layer. `copperOnly` searches only the copper
// layers and skips cut-out areas; `exact` drops the tolerance.
int pickObject(const Board& board, DPoint world, double zoom, bool copperOnly, bool exact);

}  // namespace pravelo
