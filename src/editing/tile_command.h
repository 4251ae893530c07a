#pragma once

#include "editing/editor.h"

namespace pravelo {

// Tile / Arrange circular: shows the dialog on the selection and adds the copies in one undo
// step, selected with the original selection and bound into one group. Afterwards the
// clipboard holds the copies. Returns whether the board changed.
bool tileSelectionCommand(Editor& editor);

}  // namespace pravelo
