#pragma once

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// The point a macro's objects are stored relative to: the upper-left-most pad centre, else
// track or zone vertex, else circle centre (a later candidate wins when it is no further right
// and no lower, compared in whole units), else the upper-left corner of all objects' bounds
// snapped to `grid`. With `selectedOnly` only selected objects count.
DPoint macroAnchor(const ObjectList& objects, bool selectedOnly, double grid);

// Copies of the selected objects (all objects when none is selected), deselected and shifted so
// that their anchor lies at (0, 0), with connections and route ends among themselves.
ObjectList macroFromBoard(const ObjectList& objects, double grid);

}  // namespace pravelo
