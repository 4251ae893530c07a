#include "editing/tools/zoom_tool.h"

#include <algorithm>
#include <cmath>

#include "editing/editing_texts.h"
#include "view/zoom.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

constexpr double kClickZoomFactor = 1.4;
constexpr double kSmallestFramePixels = 8;

void showView(Editor& editor, const ViewTransform& v) {
  storeView(editor.board().header, v);
  editor.repaint.viewChanged();
}

}  // namespace

ToolResult ZoomTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button == MouseButton::Left) {
    start_ = e.screen;
    current_ = e.screen;
  } else if (e.button == MouseButton::Right) {
    Board& board = editor.board();
    pushZoomHistory(board);
    showView(editor, zoomOut(editor.view(), viewFrameOf(board, editor.viewport), kClickZoomFactor));
  }
  return ToolResult::Nothing;
}

ToolResult ZoomTool::move(Editor& editor, const PointerEvent& e) {
  if (!start_) return ToolResult::Nothing;
  current_ = e.screen;
  editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

ToolResult ZoomTool::release(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left || !start_) return ToolResult::Nothing;
  const DPoint a = *start_;
  const DPoint b = e.screen;
  start_.reset();
  editor.repaint.overlayChanged();
  Board& board = editor.board();
  const ViewTransform v = editor.view();
  const ViewFrame frame = viewFrameOf(board, editor.viewport);
  pushZoomHistory(board);
  const double w = std::abs(b.x - a.x);
  const double h = std::abs(b.y - a.y);
  if (w > kSmallestFramePixels && h > kSmallestFramePixels) {
    const double zoom = std::min(static_cast<double>(editor.viewport.width) / w,
                                 static_cast<double>(editor.viewport.height) / h) *
                        v.zoom;
    const DPoint centre = screenToWorld(v, {(a.x + b.x) / 2, (a.y + b.y) / 2});
    showView(editor, setZoom(v, frame, zoom, centre));
  } else {
    DPoint centre = screenToWorld(v, b);
    centre.x = std::clamp(centre.x, 0.0, frame.boardWidth);
    centre.y = std::clamp(centre.y, -frame.boardHeight, 0.0);
    showView(editor, setZoom(v, frame, v.zoom * kClickZoomFactor, centre));
  }
  return ToolResult::Nothing;
}

const Text* ZoomTool::help() const {
  // The photo view keeps whatever the help line shows.
  return id_ == ToolId::Zoom ? &texts::helpZoom : nullptr;
}

std::optional<std::pair<DPoint, DPoint>> ZoomTool::frame() const {
  if (!start_) return std::nullopt;
  return std::pair{*start_, current_};
}

}  // namespace pravelo
