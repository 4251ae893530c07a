#include "editing/cleanup_commands.h"

#include <optional>
#include <string>
#include <vector>

#include "base/windows1252.h"
#include "document/document_texts.h"
#include "editing/cleanup_texts.h"
#include "editing/selection.h"
#include "project/object_names.h"
#include "project/outside_board.h"
#include "project/solder_mask_reset.h"

namespace pravelo {

bool nameSelectionCommand(Editor& editor) {
  Board& board = editor.board();
  const std::optional<std::string> entered = editor.host.askValue(
      tr(texts::namePromptTitle), windows1252ToUtf8(firstSelectedName(board.objects)));
  if (!entered) return false;
  editor.beginChange();
  nameSelection(board.objects, utf8ToWindows1252(*entered));
  const bool changed = editor.commitGestureIfChanged();
  editor.repaint.repaintAll();
  return changed;
}

bool selectByNameCommand(Editor& editor) {
  if (editor.contextName.empty()) return false;
  Board& board = editor.board();
  std::vector<int> named;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (board.objects[i]->name == editor.contextName) named.push_back(static_cast<int>(i));
  }
  selectOnly(board, named);
  editor.repaint.repaintAll();
  return true;
}

bool resetSolderMaskCommand(Editor& editor) {
  if (editor.host.ask(tr(texts::solderMaskResetQuestion), tr(texts::productName), Buttons::OkCancel,
                      MessageIcon::Question) != Answer::Ok) {
    return false;
  }
  resetSolderMask(editor.board().objects);
  editor.doc.modified = true;
  editor.repaint.repaintAll();
  editor.host.showMessage(tr(texts::solderMaskResetDone), tr(texts::productName),
                          MessageIcon::Information);
  return true;
}

bool deleteOutsideBoardCommand(Editor& editor) {
  editor.beginChange();
  const bool deleted = deleteOutsideBoard(editor.board());
  editor.commitGesture();
  editor.repaint.repaintAll();
  return deleted;
}

}  // namespace pravelo
