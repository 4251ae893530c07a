#include "editing/pointer_point.h"

#include "editing/snap.h"

namespace pravelo {

DrawingPoint capturedDrawingPoint(const Editor& editor, const PointerEvent& e, bool skipSelected) {
  const Board& board = editor.board();
  const ViewTransform v = editor.view();
  const DPoint raw = screenToWorld(v, e.screen);
  const bool capture =
      captureActive(editor.settings.optionen.Fang, e.modifiers.shift, e.modifiers.ctrl);
  const CaptureOptions options{v.zoom, skipSelected};
  if (capture) {
    if (const auto captured = capturePoint(board, raw, options)) return {*captured, true};
  }
  if (e.modifiers.ctrl) return {raw, false};
  const double grid = effectiveGrid(board.header.grid, e.modifiers.shift, e.modifiers.ctrl);
  const DPoint snapped = snapToGrid(raw, grid, {board.header.originX, board.header.originY});
  if (capture) {
    if (const auto captured = capturePoint(board, snapped, options)) return {*captured, true};
  }
  return {snapped, false};
}

DPoint crosshairFollows(Editor& editor, const PointerEvent& e) {
  const DrawingPoint p = capturedDrawingPoint(editor, e);
  CrosshairOverlay& overlay = editor.crosshair;
  if (overlay.shown && overlay.lastPoint == p.world && overlay.captured == p.captured) {
    return p.world;
  }
  setCaptured(overlay, p.captured);
  showAt(overlay, p.world);
  editor.repaint.overlayChanged();
  return p.world;
}

}  // namespace pravelo
