#pragma once

#include "editing/tool.h"

namespace pravelo {

// Pad and SMD-pad tools: a left click places a new pad of the current sizes on the active layer,
// at the captured or snapped point; the arrow keys change the sizes. The crosshair follows the
// pointer and, after the first pad, measures from the last one placed.
class PadTool : public Tool {
 public:
  explicit PadTool(ToolId id) : id_(id) {}

  ToolId id() const override { return id_; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  bool key(Editor& editor, const KeyEvent& e, ToolResult& result) override;
  const Text* help() const override;

 private:
  ToolId id_;
};

}  // namespace pravelo
