#include "editing/view_commands.h"

#include "base/units.h"
#include "document/object_list.h"
#include "view/grid_code.h"
#include "view/user_origin.h"

namespace pravelo {

bool setGridCommand(Editor& editor, std::int32_t code) {
  const auto mm = decodeGridCode(code);
  if (!mm) return false;
  editor.board().header.grid = mmToUnitsExact(*mm);
  editor.repaint.viewChanged();
  return true;
}

bool setGridHotkeyCommand(Editor& editor, int digit) {
  if (digit < 1 || digit > 9) return false;
  return setGridCommand(editor,
                        editor.settings.rasterHotkeys.at(static_cast<std::size_t>(digit - 1)));
}

bool setUserOriginCommand(Editor& editor, IPoint origin) {
  if (!setUserOrigin(editor.board().header, origin)) return false;
  editor.doc.modified = true;
  editor.repaint.viewChanged();
  return true;
}

void setLayerVisibleCommand(Editor& editor, int layer, bool visible) {
  if (layer < 1 || layer > kLayerCount) return;
  Board& board = editor.board();
  board.header.layerVisible[static_cast<std::size_t>(layer - 1)] = visible ? 1 : 0;
  deselectLayer(board.objects, layer);
  editor.repaint.repaintAll();
}

void setActiveLayerCommand(Editor& editor, int layer) {
  if (layer < 1 || layer > kLayerCount) return;
  editor.board().header.activeLayer = layer;
  editor.repaint.viewChanged();
}

}  // namespace pravelo
