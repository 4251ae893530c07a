#pragma once

#include "editing/editor.h"

namespace pravelo {

// "Component...": the component dialog on the component under the context menu's point, or,
// after asking, a new component made of the selection with the dialog opened on it. One undo
// step; Cancel leaves nothing behind. Returns whether the board changed.
bool componentCommand(Editor& editor);

// The component dialog on `component` as one undo step; Cancel leaves the board and its
// selection as they were. Returns whether the board changed.
bool editComponentCommand(Editor& editor, int component);

}  // namespace pravelo
