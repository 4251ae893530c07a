#include "editing/tools/measure_tool.h"

#include <algorithm>

#include "editing/editing_texts.h"
#include "editing/pointer_point.h"

namespace pravelo {

ToolResult MeasureTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left || measuring_) return ToolResult::Nothing;
  // The start is where the button went down, not where the pointer last moved.
  const DPoint at = crosshairFollows(editor, e);
  const BoardHeader& header = editor.board().header;
  CrosshairOverlay& overlay = editor.crosshair;
  overlay.reference = {std::clamp(at.x, 0.0, static_cast<double>(header.width)),
                       std::clamp(at.y, -static_cast<double>(header.height), 0.0)};
  overlay.mode = OverlayMode::Measuring;
  overlay.showDelta = true;
  showAt(overlay, at);
  editor.repaint.overlayChanged();
  measuring_ = true;
  return ToolResult::Nothing;
}

ToolResult MeasureTool::move(Editor& editor, const PointerEvent& e) {
  crosshairFollows(editor, e);
  return ToolResult::Nothing;
}

ToolResult MeasureTool::release(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  return finish(editor);
}

// The crosshair stays where it is, with only its X and Y rows.
ToolResult MeasureTool::finish(Editor& editor) {
  if (!measuring_) return ToolResult::Nothing;
  measuring_ = false;
  endGesture(editor.crosshair);
  editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

const Text* MeasureTool::help() const { return &texts::helpMeasure; }

}  // namespace pravelo
