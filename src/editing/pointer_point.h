#pragma once

#include "editing/editor.h"
#include "editing/input_event.h"

namespace pravelo {

// The world point a drawing tool uses for a pointer event, and whether an object captured it.
struct DrawingPoint {
  DPoint world;
  bool captured = false;
};
// Captured by a nearby object, else snapped to the grid (Shift: half grid; Ctrl: no snapping)
// and captured again. Objects being placed, which are selected, do not capture themselves when
// `skipSelected` is set.
DrawingPoint capturedDrawingPoint(const Editor& editor, const PointerEvent& e,
                                  bool skipSelected = false);
inline DPoint drawingPoint(const Editor& editor, const PointerEvent& e, bool skipSelected = false) {
  return capturedDrawingPoint(editor, e, skipSelected).world;
}

// Moves the crosshair to the drawing point of `e`, redrawing it only when that point or its
// capture changed; returns the point.
DPoint crosshairFollows(Editor& editor, const PointerEvent& e);

}  // namespace pravelo
