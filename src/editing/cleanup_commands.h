#pragma once

#include "editing/editor.h"

namespace pravelo {

// The name commands of the drawing area's context menu and the board clean-up commands of the
// Extras menu. Each returns whether it changed the board.

// Asks for a name, proposing the first one in the selection, and gives it to every selected
// object in one undo step.
bool nameSelectionCommand(Editor& editor);

// Selects exactly the objects named `editor.contextName` (byte for byte, no peers).
bool selectByNameCommand(Editor& editor);

// Asks first; puts the solder-mask openings back to their defaults without an undo step, so the
// document only counts as modified.
bool resetSolderMaskCommand(Editor& editor);

// Deletes every unit outside the board in one undo step.
bool deleteOutsideBoardCommand(Editor& editor);

}  // namespace pravelo
