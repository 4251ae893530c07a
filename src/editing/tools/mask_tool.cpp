#include "editing/tools/mask_tool.h"

#include "editing/editing_texts.h"
#include "editing/pick.h"
#include "geometry/bounding_box.h"

namespace pravelo {

ToolResult MaskTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  Board& board = editor.board();
  const ViewTransform v = editor.view();
  const int index = pickObject(board, screenToWorld(v, e.screen), v.zoom, false, false);
  if (index < 0) return ToolResult::Nothing;
  editor.beginChange();
  TObjekt& o = *board.objects[static_cast<std::size_t>(index)];
  o.solderMask = o.solderMask ? 0 : 1;
  o.selected = 0;
  editor.repaint.repaintWorld(objectBounds(o));
  return ToolResult::Commit;
}

const Text* MaskTool::help() const { return &texts::helpSolderMask; }

}  // namespace pravelo
