#pragma once

#include <array>

#include "document/board_header.h"
#include "document/object.h"

namespace pravelo {

// The seven layers from the lowest drawn to the topmost: the copper layers first, the active
// copper layer last among them, then silkscreen and outline. Hit testing searches it from the top.
std::array<int, 7> layerDrawingOrder(int activeLayer);

inline bool isVia(const TObjekt& o) { return o.kind == kPad && o.via != 0; }

// C1 and C2, and I1 and I2 while the board's multilayer switch is on.
bool isCopperLayerInUse(const BoardHeader& header, int layer);

// Whether a layer is shown; the active layer always is, and `showAll` (photo view) shows every one.
bool layerShown(const BoardHeader& header, int layer, bool showAll = false);

// Whether an object is shown on a board: its layer is shown, or it is a via and any copper layer
// is. A cut-out area is shown only on its active layer while that layer's ground plane is on.
bool objectVisible(const TObjekt& o, const BoardHeader& header, bool showAll = false);

}  // namespace pravelo
