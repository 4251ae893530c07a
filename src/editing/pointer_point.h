#pragma once

#include "editing/editor.h"
#include "editing/input_event.h"

namespace pravelo {

// The world point a drawing tool uses for a pointer event: captured by a nearby object, else
// snapped to the grid (Shift: half grid; Ctrl: no snapping) and captured again.
DPoint drawingPoint(const Editor& editor, const PointerEvent& e);

}  // namespace pravelo
