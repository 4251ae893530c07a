#pragma once

#include <cstdint>

#include "editing/editor.h"
#include "geometry/point.h"

namespace pravelo {

// Commands on the active board's view settings. The window calls them instead of writing the
// header itself, so the tool machine and the command line share them.

// A grid value code of the grid menu or a digit key; a malformed code changes nothing.
bool setGridCommand(Editor& editor, std::int32_t code);
// The grid stored for digit key 1 to 9.
bool setGridHotkeyCommand(Editor& editor, int digit);
// Moves the user origin; the document counts as modified when it moved.
bool setUserOriginCommand(Editor& editor, IPoint origin);
// Shows or hides a layer; objects on a hidden layer are deselected.
void setLayerVisibleCommand(Editor& editor, int layer, bool visible);
// Makes `layer` the active layer.
void setActiveLayerCommand(Editor& editor, int layer);

// The layer F9 switches to: C1 and C2 alternate, any other layer goes to C1.
inline int otherCopperSide(int layer) { return layer == kLayerC1 ? kLayerC2 : kLayerC1; }
// The layer F11 switches to: S1, S2, O in turn.
inline int nextMarkingLayer(int layer) {
  return layer == kLayerS1 ? kLayerS2 : layer == kLayerS2 ? kLayerO : kLayerS1;
}

}  // namespace pravelo
