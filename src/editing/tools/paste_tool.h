#pragma once

#include "editing/tool.h"

namespace pravelo {

// Placing the clipboard (paste, duplicate, and what other commands put there): the copies are
// on the board, selected, from the start and follow the pointer by their anchor, snapped or
// captured; a left click leaves them there as one undo step and returns to the Edit tool, Esc
// or a right click takes them away again.
class PasteTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Placing; }
  void start(Editor& editor, DPoint pointer) override;
  bool ended() const override { return ended_; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  bool key(Editor& editor, const KeyEvent& e, ToolResult& result) override;
  ToolResult finish(Editor& editor) override;
  bool busy() const override { return placing_; }
  const Text* help() const override;

 private:
  void moveTo(Editor& editor, DPoint target);

  DPoint anchor_;  // where the pasted objects are held, world
  bool placing_ = false;
  bool ended_ = false;
};

}  // namespace pravelo
