#pragma once

#include "copper/contour.h"
#include "manufacturing/hpgl_transform.h"

namespace pravelo {

// Orders loops for short moves between them: from plotter point 0,0, each next loop is the one
// with the node nearest to the current point (the earlier loop and node on ties; distances in
// plotter units); it swaps places with the loop at that position and is rotated to start at
// that node, which becomes the current point.
void sortLoops(ContourList& loops, const HpglTransform& transform);

// Drops nodes that lie on the straight way from their predecessor to their successor, going on
// cyclically; the same position is tested again after a removal.
void removeCollinearNodes(Contour& loop);

}  // namespace pravelo
