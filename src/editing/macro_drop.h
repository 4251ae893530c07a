#pragma once

#include "editing/editor.h"
#include "project/macro_place.h"

namespace pravelo {

// Drops the macro with its anchor at `at` as one undo step. As a component, the dropped objects
// become one component (labels created where the macro has none) and the component dialog opens
// on it; cancelling the dialog keeps the drop. Returns the number of objects dropped.
int dropMacro(Editor& editor, const ObjectList& macro, DPoint at, const MacroDrop& drop);

}  // namespace pravelo
