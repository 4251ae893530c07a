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

}  // namespace pravelo
