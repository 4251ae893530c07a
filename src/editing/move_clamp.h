#pragma once

#include "geometry/point.h"
#include "geometry/rect.h"

namespace pravelo {

// Limits a move's displacement so that the selection's box stays on the board (x 0..width,
// y -height..0). Only sides that start on the board are held at its edge, so a selection that
// is partly outside (pasted, loaded) does not jump; an axis on which the box is wider than the
// board is left free.
DPoint clampDisplacement(DPoint d, const TRect& box, double width, double height);

}  // namespace pravelo
