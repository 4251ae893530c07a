#pragma once

#include "editing/tool.h"
#include "editing/tools/paste_tool.h"

namespace pravelo {

// Special form: asks for a shape as it is chosen, then places it like pasted objects; Cancel
// returns to the Edit tool.
class SpecialFormTool : public Tool {
 public:
  ToolId id() const override { return ToolId::SpecialForm; }
  void start(Editor& editor, DPoint pointer) override;
  bool ended() const override { return cancelled_ || placing_.ended(); }
  ToolResult press(Editor& editor, const PointerEvent& e) override {
    return placing_.press(editor, e);
  }
  ToolResult move(Editor& editor, const PointerEvent& e) override {
    return placing_.move(editor, e);
  }
  bool key(Editor& editor, const KeyEvent& e, ToolResult& result) override {
    return placing_.key(editor, e, result);
  }
  ToolResult finish(Editor& editor) override { return placing_.finish(editor); }
  bool busy() const override { return placing_.busy(); }
  const Text* help() const override { return placing_.help(); }

 private:
  PasteTool placing_;
  bool cancelled_ = false;
};

}  // namespace pravelo
