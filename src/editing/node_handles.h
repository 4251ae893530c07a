#pragma once

#include "document/object.h"
#include "geometry/point.h"

namespace pravelo {

// Handle numbers of segment midpoints: 10000 + the index of the segment's first vertex.
inline constexpr int kMidpointHandle = 10000;
// The two handles of an arc.
inline constexpr int kStartHandle = 0;
inline constexpr int kStopHandle = 1;

// Tracks, zones and circles can be edited by their node handles.
inline bool hasNodeHandles(const TObjekt& o) {
  return o.kind == kTrack || o.kind == kZone || o.kind == kCircle;
}

// The handle of `o` under the world point at `zoom`: a vertex index, kMidpointHandle + i for the
// midpoint of segment i (zones include the closing segment), kStartHandle or kStopHandle for a
// circle, or -1. Handles are squares at least 3 pixels in half size; where vertex squares
// overlap the last vertex wins, and midpoints count only where no vertex does.
int nodeHandleAt(const TObjekt& o, DPoint world, double zoom);

}  // namespace pravelo
