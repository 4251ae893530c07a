#pragma once

#include <vector>

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// A test click at a world point: unless `add`, the previous result is deselected; a conducting
// copper object under the point (pads preferred) is selected with everything joined to it by
// copper and ground plane, and across connections too when `followConnections`. Answers the
// objects found, in the order reached; none on empty space and non-conducting objects.
std::vector<int> testConnected(Board& board, DPoint world, double zoom, bool add,
                               bool followConnections);

}  // namespace pravelo
