#include "editing/component_command.h"

#include <vector>

#include "base/units.h"
#include "document/document_texts.h"
#include "editing/component_dialog.h"
#include "editing/component_texts.h"
#include "editing/pick.h"
#include "editing/selection.h"
#include "editing/text_dialog_values.h"
#include "project/components.h"

namespace pravelo {

namespace {

std::vector<int> selectedIndices(const Board& board) {
  std::vector<int> indices;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (board.objects[i]->selected) indices.push_back(static_cast<int>(i));
  }
  return indices;
}

// Keeps the gesture, or drops it and selects again what was selected before it; the undo
// snapshot does not hold the selection.
bool finishGesture(Editor& editor, bool kept, const std::vector<int>& selection) {
  if (kept) {
    editor.commitGesture();
  } else {
    editor.revertGesture();
    selectOnly(editor.board(), selection);
  }
  editor.repaint.repaintAll();
  return kept;
}

}  // namespace

// A new label with the dialog's text settings and the default visibility of new components.
TObjekt newComponentLabel(const ComponentFields& kept, int layer, bool visible) {
  TObjekt t = newObject();
  initText(t, {0, 0}, "", 0, mirroredOnLayer(layer) ? 1 : 0, static_cast<std::uint8_t>(layer),
           kept.style.value_or(1), kept.thickness.value_or(1),
           static_cast<std::int32_t>(mmToUnits(kept.heightMm.value_or(kDefaultLabelHeightMm))), 0);
  t.optA = visible ? 1 : 0;
  return t;
}

bool editComponentInGesture(Editor& editor, int component) {
  ComponentSession session(editor.board().objects, component, editor.componentFields, editor.host,
                           editor.repaint);
  const ComponentDialogEnd end = editor.host.showComponentDialog(session);
  editor.componentFields = session.fields();
  if (end == ComponentDialogEnd::Cancel) return false;
  session.finish(end);
  if (end == ComponentDialogEnd::Ok) {
    editor.settings.optionen.BezSichtbarDefault = session.fields().idVisible;
    editor.settings.optionen.WertSichtbarDefault = session.fields().valueVisible;
  }
  return true;
}

bool editComponentCommand(Editor& editor, int component) {
  const std::vector<int> selection = selectedIndices(editor.board());
  editor.beginChange();
  return finishGesture(editor, editComponentInGesture(editor, component), selection);
}

bool componentCommand(Editor& editor) {
  Board& board = editor.board();
  const int under = pickObject(board, editor.contextPoint, editor.view().zoom, false, false);
  if (under >= 0) {
    if (const int component = board.objects[static_cast<std::size_t>(under)]->componentId) {
      return editComponentCommand(editor, component);
    }
  }
  if (selectedCount(board) == 0) return false;
  if (editor.host.ask(tr(texts::makeComponentQuestion), tr(texts::productName), Buttons::OkCancel,
                      MessageIcon::Question) != Answer::Ok) {
    return false;
  }
  const std::vector<int> selection = selectedIndices(board);
  editor.beginChange();
  const ComponentFields& kept = editor.componentFields;
  const OptionenSettings& options = editor.settings.optionen;
  const int component = makeComponent(
      board.objects, newComponentLabel(kept, kept.idLayer, options.BezSichtbarDefault),
      newComponentLabel(kept, kept.valueLayer, options.WertSichtbarDefault));
  if (component == 0) {
    editor.revertGesture();
    editor.host.showMessage(tr(texts::noComponentNumberLeft), tr(texts::productName),
                            MessageIcon::Warning);
    return false;
  }
  return finishGesture(editor, editComponentInGesture(editor, component), selection);
}

}  // namespace pravelo
