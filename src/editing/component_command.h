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

// A new ID or value label with the dialog's kept text settings.
TObjekt newComponentLabel(const ComponentFields& kept, int layer, bool visible);

// The component dialog on `component` inside a gesture the caller has begun; true when it
// ended with OK or a break-up.
bool editComponentInGesture(Editor& editor, int component);

}  // namespace pravelo
