#include "editing/tools/test_tool.h"

#include "editing/copper_test.h"
#include "editing/editing_texts.h"

namespace pravelo {

ToolResult TestTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  const ViewTransform v = editor.view();
  std::vector<int> found =
      testConnected(editor.board(), screenToWorld(v, e.screen), v.zoom, e.modifiers.shift,
                    editor.settings.optionen.TestLuftlinien);
  if (e.modifiers.shift) {
    tested_.insert(tested_.end(), found.begin(), found.end());
  } else {
    tested_ = std::move(found);
  }
  // A click leaves the phase on: the next tick draws the plain colour, the one after dimmed.
  phase_ = true;
  dimmed_ = false;
  editor.repaint.repaintAll();
  return ToolResult::Nothing;
}

bool TestTool::blinkTick() {
  phase_ = !phase_;
  dimmed_ = phase_;
  return dimmed_;
}

const Text* TestTool::help() const { return &texts::helpTest; }

}  // namespace pravelo
