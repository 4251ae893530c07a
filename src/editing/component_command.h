#pragma once

#include "editing/editor.h"

namespace pravelo {

// "Component...": the component dialog on the component under the context menu's point, or,
// after asking, a new component made of the selection with the dialog opened on it. One undo
// step; Cancel leaves nothing behind. Returns whether the board changed.
bool componentCommand(Editor& editor);

// The component dialog on `component` inside the gesture the caller has begun; true when it
// ended with OK or a break-up, false on Cancel (the caller drops the gesture).
bool editComponent(Editor& editor, int component);

}  // namespace pravelo
