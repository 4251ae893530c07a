#include "editing/tools/text_tool.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "editing/editing_texts.h"
#include "editing/pointer_point.h"
#include "geometry/bounding_box.h"
#include "geometry/text_strokes.h"
#include "geometry/translate.h"

namespace pravelo {

void TextTool::start(Editor& editor, DPoint pointer) {
  ended_ = false;
  placed_ = false;
  floating_ = nullptr;
  pointer_ = pointer;
  if (askValues(editor)) newFloatingText(editor);
}

bool TextTool::askValues(Editor& editor) {
  values_.mirrorHorizontal = mirroredOnLayer(editor.board().header.activeLayer);
  values_.mirrorVertical = false;
  values_.limitHeight = editor.settings.optionen.SchrifthoeheBegrenzen;
  const auto answer = editor.host.showTextDialog(values_);
  if (!answer) {
    ended_ = true;
    return false;
  }
  values_ = normaliseTextDialogValues(*answer, values_.limitHeight);
  number_ = values_.startNumber;
  return true;
}

// The text is part of the board while it follows the pointer, so that it is drawn like any
// other; the gesture's undo step takes it away again when it is dropped.
void TextTool::newFloatingText(Editor& editor) {
  Board& board = editor.board();
  std::string content = values_.text;
  if (values_.addNumber) content += std::to_string(number_++);
  const FPoint anchor{static_cast<float>(pointer_.x), static_cast<float>(pointer_.y)};
  auto text =
      std::make_unique<TObjekt>(newTextObject(values_, content, anchor, board.header.activeLayer));
  text->clearance = editor.sizes.remembered[static_cast<std::size_t>(SizeField::FreistanzOffset)];
  buildTextStrokes(*text, false);
  editor.beginChange();
  floating_ = text.get();
  board.objects.push_back(std::move(text));
  editor.repaint.repaintWorld(objectBounds(*floating_));
}

// Other commands may have removed the text from the board meanwhile.
TObjekt* TextTool::floatingText(Editor& editor) {
  const ObjectList& objects = editor.board().objects;
  if (std::none_of(objects.begin(), objects.end(),
                   [this](const auto& o) { return o.get() == floating_; })) {
    floating_ = nullptr;
  }
  return floating_;
}

void TextTool::moveFloatingText(Editor& editor, DPoint to) {
  TObjekt* text = floatingText(editor);
  if (text == nullptr) return;
  const double dx = to.x - text->pos.x;
  const double dy = to.y - text->pos.y;
  if (dx == 0 && dy == 0) return;
  const TRect before = objectBounds(*text);
  translateObject(*text, dx, dy);
  editor.repaint.repaintWorld(unite(before, objectBounds(*text)));
}

ToolResult TextTool::press(Editor& editor, const PointerEvent& e) {
  if (floatingText(editor) == nullptr) return ToolResult::Nothing;
  if (e.button == MouseButton::Right) {
    floating_ = nullptr;
    return ToolResult::Revert;
  }
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  pointer_ = drawingPoint(editor, e);
  moveFloatingText(editor, pointer_);
  floating_ = nullptr;
  placed_ = true;
  return ToolResult::Commit;
}

ToolResult TextTool::move(Editor& editor, const PointerEvent& e) {
  pointer_ = drawingPoint(editor, e);
  moveFloatingText(editor, pointer_);
  return ToolResult::Nothing;
}

// The next text comes on the release, so that a dialog opened for it does not take the
// release away from the drawing area.
ToolResult TextTool::release(Editor& editor, const PointerEvent&) {
  if (!std::exchange(placed_, false)) return ToolResult::Nothing;
  if (values_.addNumber || askValues(editor)) newFloatingText(editor);
  return ToolResult::Nothing;
}

bool TextTool::key(Editor& editor, const KeyEvent& e, ToolResult&) {
  // Deleting the selection would keep the floating text in the same step.
  return e.key == Key::Delete && floatingText(editor) != nullptr;
}

ToolResult TextTool::finish(Editor& editor) {
  placed_ = false;
  if (floatingText(editor) == nullptr) return ToolResult::Nothing;
  floating_ = nullptr;
  return ToolResult::Revert;
}

const Text* TextTool::help() const { return &texts::helpText; }

}  // namespace pravelo
