#include "editing/tools/paste_tool.h"

#include "document/document_texts.h"
#include "editing/editing_texts.h"
#include "editing/pointer_point.h"
#include "editing/reference_point.h"
#include "geometry/bounding_box.h"
#include "geometry/translate.h"
#include "project/clipboard.h"

namespace pravelo {

void PasteTool::start(Editor& editor, DPoint pointer) {
  placing_ = false;
  ended_ = true;
  ObjectList& objects = editor.board().objects;
  if (editor.doc.clipboard.empty()) return;
  editor.beginChange();
  const std::size_t first = objects.size();
  if (placeClipboard(objects, editor.doc.clipboard, {0, 0}, true) ==
      PlaceResult::TooManyComponents) {
    editor.revertGesture();
    editor.host.showMessage(tr(texts::pasteTooManyComponents), tr(texts::productName),
                            MessageIcon::Warning);
    return;
  }
  // Held by the first pasted object's own point, so that a pad lands on the grid; by the middle
  // of the whole when none has one.
  TRect box = objectBounds(*objects[first]);
  for (std::size_t i = first; i < objects.size(); ++i) box = unite(box, objectBounds(*objects[i]));
  anchor_ = {box.left + (box.right - box.left) / 2.0, box.bottom - (box.bottom - box.top) / 2.0};
  for (std::size_t i = first; i < objects.size(); ++i) {
    if (const auto point = referencePoint(*objects[i])) {
      anchor_ = *point;
      break;
    }
  }
  placing_ = true;
  ended_ = false;
  moveTo(editor, pointer);
}

void PasteTool::moveTo(Editor& editor, DPoint target) {
  const double dx = target.x - anchor_.x;
  const double dy = target.y - anchor_.y;
  if (dx == 0 && dy == 0) return;
  for (const auto& o : editor.board().objects) {
    if (o->selected) translateObject(*o, dx, dy);
  }
  anchor_ = target;
  editor.repaint.repaintAll();
}

ToolResult PasteTool::press(Editor& editor, const PointerEvent& e) {
  if (!placing_) return ToolResult::Nothing;
  placing_ = false;
  ended_ = true;
  if (e.button != MouseButton::Left) return ToolResult::Revert;
  moveTo(editor, drawingPoint(editor, e, true));
  return ToolResult::Commit;
}

ToolResult PasteTool::move(Editor& editor, const PointerEvent& e) {
  if (placing_) moveTo(editor, drawingPoint(editor, e, true));
  return ToolResult::Nothing;
}

bool PasteTool::key(Editor&, const KeyEvent& e, ToolResult&) {
  // Deleting or moving the selection would touch the objects being placed.
  return placing_ && (e.key == Key::Delete || arrowDirection(e.key));
}

ToolResult PasteTool::finish(Editor&) {
  if (!placing_) return ToolResult::Nothing;
  placing_ = false;
  ended_ = true;
  return ToolResult::Revert;
}

const Text* PasteTool::help() const { return &texts::helpPaste; }

}  // namespace pravelo
