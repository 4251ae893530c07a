#include "editing/tile_command.h"

#include <optional>
#include <vector>

#include "document/document_texts.h"
#include "editing/selection.h"
#include "editing/tile_arrangement.h"
#include "editing/tile_texts.h"

namespace pravelo {

namespace {

std::vector<int> selectedIndices(const Board& board) {
  std::vector<int> indices;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (board.objects[i]->selected) indices.push_back(static_cast<int>(i));
  }
  return indices;
}

std::optional<TileValues> askValues(Editor& editor) {
  const Board& board = editor.board();
  TileDialog dialog;
  dialog.maxTiles = maxTiles(selectedCount(board));
  dialog.values = editor.tile;
  fitTileValues(dialog.values, dialog.maxTiles);
  dialog.padOffsets = padStartOffsets(board);
  dialog.mil = editor.unit() == LengthUnit::Mil;
  dialog.preview = [&board](const TileValues& v) { return tilePreview(board, v); };
  return editor.host.showTileDialog(dialog);
}

}  // namespace

bool tileSelectionCommand(Editor& editor) {
  Board& board = editor.board();
  if (selectedCount(board) == 0) return false;
  const std::optional<TileValues> chosen = askValues(editor);
  if (!chosen) return false;
  editor.tile = *chosen;

  ObjectList source;
  ObjectList copies;
  PlaceResult result = buildTileCopies(board, *chosen, source, copies, false);
  if (result == PlaceResult::Placed && copies.empty()) return false;
  std::vector<int> keep = selectedIndices(board);
  const int first = static_cast<int>(board.objects.size());
  if (result == PlaceResult::Placed) {
    editor.beginChange();
    result = placeClipboard(board.objects, copies, {0, 0}, false);
  }
  if (result != PlaceResult::Placed) {
    editor.revertGesture();
    editor.host.showMessage(tr(texts::tileTooManyComponents), tr(texts::productName),
                            MessageIcon::Warning);
    return false;
  }
  for (int i = first; i < static_cast<int>(board.objects.size()); ++i) keep.push_back(i);
  selectOnly(board, keep);
  groupSelection(board.objects);
  editor.doc.clipboard = std::move(copies);
  editor.commitGesture();
  editor.repaint.repaintAll();
  return true;
}

}  // namespace pravelo
