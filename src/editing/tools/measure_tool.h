#pragma once

#include "editing/tool.h"

namespace pravelo {

// Measure tool: the crosshair follows the snapped, captured pointer; pressing the left button
// starts a measurement at that point (on the board), and while the button is held the overlay
// shows the distance and angle to the pointer. Nothing in the layout changes.
class MeasureTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Measure; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  ToolResult release(Editor& editor, const PointerEvent& e) override;
  ToolResult finish(Editor& editor) override;
  const Text* help() const override;

 private:
  bool measuring_ = false;
};

}  // namespace pravelo
