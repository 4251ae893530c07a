#pragma once

#include "editing/text_dialog_values.h"
#include "editing/tool.h"

namespace pravelo {

// Text tool: asks for the text in the text dialog, then the new text follows the pointer (its
// anchor snapped or captured) until a left click places it. Then the next one: with "Add
// number" at once with the next number, otherwise after the dialog again. Esc, a right click or
// Cancel drop the text being placed and return to the Edit tool.
class TextTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Text; }
  void start(Editor& editor, DPoint pointer) override;
  bool ended() const override { return ended_; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  ToolResult release(Editor& editor, const PointerEvent& e) override;
  bool key(Editor& editor, const KeyEvent& e, ToolResult& result) override;
  ToolResult finish(Editor& editor) override;
  bool busy() const override { return floating_ != nullptr; }
  const Text* help() const override;

 private:
  bool askValues(Editor& editor);
  void newFloatingText(Editor& editor);
  TObjekt* floatingText(Editor& editor);
  void moveFloatingText(Editor& editor, DPoint to);

  // The dialog's values, kept between uses.
  TextDialogValues values_;
  int number_ = 0;               // the number the next text gets with "Add number"
  TObjekt* floating_ = nullptr;  // the text following the pointer, in the board's list
  DPoint pointer_;               // where the pointer was last seen, world
  bool placed_ = false;          // a text was placed by the press; the release starts the next
  bool ended_ = false;
};

}  // namespace pravelo
