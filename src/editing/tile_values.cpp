#include "editing/tile_values.h"

#include <algorithm>
#include <cmath>

#include "editing/selection_units.h"
#include "geometry/pad_geometry.h"

namespace pravelo {

namespace {

constexpr int kMostTiledObjects = 3000;

}  // namespace

int maxTiles(int selectedObjects) {
  return std::max(2, kMostTiledObjects / std::max(1, selectedObjects));
}

void fitTileValues(TileValues& values, int maxTiles) {
  if (values.columns * values.rows > maxTiles) values.columns = values.rows = 1;
  if (values.count > maxCircleCount(maxTiles)) values.count = 1;
  values.startXMm = values.startYMm = 0;
}

int limitTileCount(int entered, int other, int maxTiles) {
  return entered * other > maxTiles ? maxTiles / other : entered;
}

double tileAngleRange(const TileValues& values) {
  return static_cast<double>(roundHalfEven((values.count - 1) * values.angle * 100)) / 100;
}

std::vector<DPoint> padStartOffsets(const Board& board) {
  std::vector<DPoint> offsets;
  const std::optional<FPoint> centre = selectionCentre(board);
  if (!centre) return offsets;
  for (const auto& o : board.objects) {
    if (!o->selected || !isPadKind(o->kind)) continue;
    const FPoint pad = o->kind == kSmdPad ? smdPadCentre(*o) : o->pos;
    offsets.push_back({unitsToMm(pad.x - centre->x), unitsToMm(centre->y - pad.y)});
  }
  return offsets;
}

}  // namespace pravelo
