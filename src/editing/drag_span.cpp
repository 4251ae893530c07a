#include "editing/drag_span.h"

#include <utility>

#include "editing/pointer_point.h"

namespace pravelo {

void DragSpan::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return;
  start = end = drawingPoint(editor, e);
  active = true;
  editor.repaint.overlayChanged();
}

void DragSpan::move(Editor& editor, const PointerEvent& e) {
  if (!active) return;
  const DPoint m = drawingPoint(editor, e);
  if (m == end) return;
  end = m;
  editor.repaint.overlayChanged();
}

bool DragSpan::release(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left || !active) return false;
  end = drawingPoint(editor, e);
  active = false;
  editor.repaint.overlayChanged();
  return true;
}

void DragSpan::cancel(Editor& editor) {
  if (std::exchange(active, false)) editor.repaint.overlayChanged();
}

}  // namespace pravelo
