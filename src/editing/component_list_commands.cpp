#include "editing/component_list_commands.h"

#include "editing/selection.h"
#include "project/components.h"

namespace pravelo {

void selectListedComponent(Editor& editor, int component) {
  Board& board = editor.board();
  deselectAll(board);
  for (TObjekt* o : componentMembers(board.objects, component)) {
    // Hidden labels cannot be selected.
    if (!isHiddenLabel(*o)) o->selected = 1;
  }
  editor.repaint.repaintAll();
}

bool editComponentListCell(Editor& editor, int component, ComponentListCell cell,
                           const std::string& text) {
  const TextRole role = cell == ComponentListCell::Name ? kComponentIdText : kComponentValueText;
  const TObjekt* label = componentLabel(componentMembers(editor.board().objects, component), role);
  if (!label || label->text == text) return false;
  editor.beginChange();
  setComponentListText(editor.board().objects, component, cell, text);
  editor.commitGesture();
  editor.repaint.repaintAll();
  return true;
}

}  // namespace pravelo
