#pragma once

#include "document/document.h"

namespace pravelo {

// A board of `count` mixed objects spread evenly over 300 mm x 200 mm: tracks, pads, SMD pads,
// zones, circles and texts with a few stroke children, on the copper and silkscreen layers,
// with pad connections. Deterministic, for benchmarks.
Board syntheticBoard(int count);

}  // namespace pravelo
