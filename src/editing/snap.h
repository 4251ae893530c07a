#pragma once

#include <optional>

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// Rounds each coordinate to the nearest grid line through the user origin.
DPoint snapToGrid(DPoint world, double grid, IPoint origin);

// The grid in force: Shift alone halves it.
double effectiveGrid(double grid, bool shift, bool ctrl);

// How near the pointer must come to an object's capture point, in units at `zoom`: the object's
// own radius, kept between 8 and 50 pixels.
double captureRadius(const TObjekt& o, double zoom);

struct CaptureOptions {
  double zoom = 1;
  bool skipSelected = false;  // objects being moved do not capture themselves
};

// The capture point within reach of `world`: pad centres first, then track and zone vertices,
// circle centres and arc ends; the nearest within its radius wins. Only visible objects count.
std::optional<DPoint> capturePoint(const Board& board, DPoint world, const CaptureOptions& options);

// Whether capture applies: the switch is on and not both Ctrl and Shift are held.
inline bool captureActive(bool captureOn, bool shift, bool ctrl) {
  return captureOn && !(shift && ctrl);
}

}  // namespace pravelo
