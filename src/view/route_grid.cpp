#include "view/route_grid.h"

#include "base/units.h"

namespace pravelo {

double routingPitch(std::int32_t width, std::int32_t clearance, bool onEditorGrid,
                    double editorGrid) {
  const double p = static_cast<double>(width) + 2.0 * clearance;
  if (!onEditorGrid || !(editorGrid > 0) || !(p > 0)) return p;
  double g = editorGrid;
  if (g > p) {
    while (g > p) g /= 2;
  } else {
    while (2 * g < p) g *= 2;
  }
  return g;
}

RouteGrid routeGrid(std::int32_t width, std::int32_t clearance, bool onEditorGrid,
                    const BoardHeader& header) {
  RouteGrid grid{routingPitch(width, clearance, onEditorGrid, header.grid), {}};
  if (onEditorGrid && grid.pitch > 0) {
    const auto remainder = [&grid](double c) {
      return c - static_cast<double>(roundHalfEven(
                     static_cast<double>(roundHalfEven(c / grid.pitch)) * grid.pitch));
    };
    grid.offset = {remainder(header.originX), remainder(header.originY)};
  }
  return grid;
}

IPoint gridPointOf(const RouteGrid& grid, DPoint world) {
  return {roundToInt32((world.x - grid.offset.x) / grid.pitch),
          -roundToInt32((world.y - grid.offset.y) / grid.pitch)};
}

DPoint worldOf(const RouteGrid& grid, IPoint cell) {
  return {cell.x * grid.pitch + grid.offset.x, grid.offset.y - cell.y * grid.pitch};
}

}  // namespace pravelo
