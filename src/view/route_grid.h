#pragma once

#include <cstdint>

#include "document/board_header.h"
#include "geometry/point.h"

namespace pravelo {

// The router's grid: pitch g in units and the world position of grid point (0, 0). Grid point
// (i, j) lies at (i g + ox, oy - j g): i grows to the right, j downwards.
struct RouteGrid {
  double pitch = 0;
  DPoint offset;
};

// The pitch for a track of `width` keeping `clearance`: width + 2 clearance, or, oriented on the
// editor's grid, that grid halved or doubled until it is the largest such step not above it.
double routingPitch(std::int32_t width, std::int32_t clearance, bool onEditorGrid,
                    double editorGrid);

// The pitch with its offset: the user origin's remainder modulo the pitch on the editor's grid,
// (0, 0) otherwise.
RouteGrid routeGrid(std::int32_t width, std::int32_t clearance, bool onEditorGrid,
                    const BoardHeader& header);

IPoint gridPointOf(const RouteGrid& grid, DPoint world);
DPoint worldOf(const RouteGrid& grid, IPoint cell);

}  // namespace pravelo
