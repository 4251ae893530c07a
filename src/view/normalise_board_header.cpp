#include "view/normalise_board_header.h"

#include <algorithm>
#include <cmath>

#include "view/grid_menu.h"
#include "view/zoom.h"

namespace pravelo {
namespace {

template <typename T>
bool repair(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

bool normaliseBoardHeader(BoardHeader& header) {
  bool repaired = false;
  repaired |= repair(header.width, std::clamp(header.width, 1, kMaxBoardSide));
  repaired |= repair(header.height, std::clamp(header.height, 1, kMaxBoardSide));
  // NaN compares unequal to itself, so it is always replaced.
  const double grid = std::isnan(header.grid) || header.grid <= 0
                          ? kDefaultGrid
                          : std::clamp(header.grid, kMinGridSpacing, kMaxGridSpacing);
  repaired |= repair(header.grid, grid);
  const double zoom =
      std::isnan(header.zoom) ? kDefaultZoom : std::clamp(header.zoom, kMinZoom, kMaxZoom);
  repaired |= repair(header.zoom, zoom);
  return repaired;
}

}  // namespace pravelo
