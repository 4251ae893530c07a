#pragma once

#include "editing/editor.h"
#include "editing/input_event.h"

namespace pravelo {

// The world point a drawing tool uses for a pointer event: captured by a nearby object, else
// snapped to the grid (Shift: half grid; Ctrl: no snapping) and captured again. Objects being
// placed, which are selected, do not capture themselves when `skipSelected` is set.
DPoint drawingPoint(const Editor& editor, const PointerEvent& e, bool skipSelected = false);

}  // namespace pravelo
