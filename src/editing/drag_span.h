#pragma once

#include "editing/editor.h"
#include "editing/input_event.h"
#include "geometry/point.h"

namespace pravelo {

// A left-button press, drag and release between two drawing points (snapped or captured), as
// the circle and rectangle tools draw them. The crosshair follows the pointer and, during the
// drag, measures from the press; each step redraws the overlay when the span changed.
struct DragSpan {
  bool active = false;
  DPoint start;
  DPoint end;

  void press(Editor& editor, const PointerEvent& e);
  void move(Editor& editor, const PointerEvent& e);
  // True when a span ended here; `start` and `end` then hold it.
  bool release(Editor& editor, const PointerEvent& e);
  void cancel(Editor& editor);
};

}  // namespace pravelo
