#include "view/zoom_commands.h"

#include "geometry/bounding_box.h"

namespace pravelo {

ViewFrame viewFrameOf(const Board& board, PixelSize viewport) {
  return {viewport, static_cast<double>(board.header.width),
          static_cast<double>(board.header.height)};
}

void pushZoomHistory(Board& board) {
  board.zoomHistory.push_back({board.header.scrollX, board.header.scrollY, board.header.zoom});
}

bool zoomPrevious(Board& board) {
  if (board.zoomHistory.empty()) return false;
  const ZoomHistoryEntry entry = board.zoomHistory.back();
  board.zoomHistory.pop_back();
  board.header.zoom = entry.zoom;
  board.header.scrollX = entry.scrollX;
  board.header.scrollY = entry.scrollY;
  return true;
}

void zoomBoardCommand(Board& board, PixelSize viewport) {
  pushZoomHistory(board);
  storeView(board.header, fitBoard(viewOf(board.header), viewFrameOf(board, viewport)));
}

bool zoomObjectsCommand(Board& board, const ViewTransform& shown, PixelSize viewport) {
  const TRect all = objectListBounds(board.objects, spokeLayerOf(board.header));
  const auto v = fitObjects(shown, viewFrameOf(board, viewport), all);
  if (!v) return false;
  pushZoomHistory(board);
  storeView(board.header, *v);
  return true;
}

bool zoomSelectionCommand(Board& board, const ViewTransform& shown, PixelSize viewport) {
  const SpokeLayer spokes = spokeLayerOf(board.header);
  const TRect selection =
      objectListBounds(board.objects, spokes, [](const TObjekt& o) { return o.selected != 0; });
  const TRect all = objectListBounds(board.objects, spokes);
  const auto v = fitSelection(shown, viewFrameOf(board, viewport), selection, all);
  if (!v) return false;
  pushZoomHistory(board);
  storeView(board.header, *v);
  return true;
}

void navigatorZoomCommand(Board& board, PixelSize viewport, bool in) {
  pushZoomHistory(board);
  const ViewTransform v = viewOf(board.header);
  const ViewFrame frame = viewFrameOf(board, viewport);
  storeView(board.header,
            in ? zoomIn(v, frame, kNavigatorZoomFactor) : zoomOut(v, frame, kNavigatorZoomFactor));
}

}  // namespace pravelo
