#include "editing/drag_span.h"

#include <utility>

#include "editing/pointer_point.h"

namespace pravelo {

void DragSpan::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return;
  start = end = crosshairFollows(editor, e);
  active = true;
  CrosshairOverlay& overlay = editor.crosshair;
  overlay.reference = start;
  overlay.showDelta = true;
  editor.repaint.overlayChanged();
}

void DragSpan::move(Editor& editor, const PointerEvent& e) {
  const DPoint m = crosshairFollows(editor, e);
  if (!active || m == end) return;
  end = m;
  editor.repaint.overlayChanged();
}

bool DragSpan::release(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left || !active) return false;
  end = crosshairFollows(editor, e);
  active = false;
  endGesture(editor.crosshair);
  editor.repaint.overlayChanged();
  return true;
}

void DragSpan::cancel(Editor& editor) {
  if (!std::exchange(active, false)) return;
  endGesture(editor.crosshair);
  editor.repaint.overlayChanged();
}

}  // namespace pravelo
