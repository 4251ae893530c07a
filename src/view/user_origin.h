#pragma once

#include <string>

#include "document/board_header.h"
#include "geometry/length_text.h"
#include "geometry/point.h"

namespace pravelo {

// "Set to click-position": the world point, snapped to multiples of the grid spacing unless
// Ctrl is held.
IPoint originAtPoint(DPoint world, double gridSpacing, bool ctrl);
// "Set to top/left" and "Set to bottom/left".
inline IPoint originTopLeft() { return {0, 0}; }
inline IPoint originBottomLeft(const BoardHeader& header) { return {0, -header.height}; }

inline IPoint userOrigin(const BoardHeader& header) { return {header.originX, header.originY}; }
// Moves the user origin; false (and no change, so no undo step is due) when it stays.
bool setUserOrigin(BoardHeader& header, IPoint origin);

// The coordinate read-out of the status bar: x and |y| relative to the user origin, rounded to
// units, as standard length texts.
struct CoordinateReadout {
  std::string x;
  std::string y;
};
CoordinateReadout coordinateReadout(DPoint world, IPoint origin, LengthUnit unit);

}  // namespace pravelo
