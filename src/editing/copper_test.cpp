#include "editing/copper_test.h"

#include "copper/object_outline.h"
#include "editing/pick.h"
#include "editing/selection.h"
#include "view/connectivity.h"

namespace pravelo {

std::vector<int> testConnected(Board& board, DPoint world, double zoom, bool add,
                               bool followConnections) {
  if (!add) deselectAll(board);
  const int hit = pickObject(board, world, zoom, true, false);
  if (hit < 0) return {};
  const TObjekt& o = *board.objects[hit];
  if (!conducts(o) || !isCopperLayer(o.layer)) return {};
  Connectivity connectivity(board);
  std::vector<int> found = connectivity.flood(hit, {followConnections, {}});
  for (int i : found) board.objects[i]->selected = 1;
  return found;
}

}  // namespace pravelo
