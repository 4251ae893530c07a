#pragma once

#include <array>
#include <vector>

#include "geometry/point.h"
#include "view/view_transform.h"

namespace pravelo {

// Every n-th grid line (counted from the origin) is marked; 0 marks none.
inline constexpr std::array<int, 5> kGridMarkings{0, 2, 4, 5, 10};

// A marked grid point of the dot grid is a small cross with arms from -2 to +3 pixels.
inline constexpr int kGridCrossFrom = -2;
inline constexpr int kGridCrossTo = 3;

struct GridLine {
  double world = 0;   // x of a vertical line, y of a horizontal one
  double screen = 0;  // its viewport column or row
  bool marked = false;
};

// The grid lines through origin + k x spacing within a clip rectangle. Dots sit where a column
// meets a row; a dot is marked when both are.
struct GridLayout {
  std::vector<GridLine> columns;
  std::vector<GridLine> rows;
  double markedWidth = 0;  // units, 2 to 3 pixels
};

// Whether the grid is drawn at all: not when it would be denser than one line per 6 pixels.
bool isGridDrawn(double zoom, double spacing);

// The lines to draw for the world rectangle `clip` (widened here by 2 pixels and 1 unit so that
// lines on its edge are not lost); empty when the grid is not drawn.
GridLayout gridLayout(const ViewTransform& v, const WorldRect& clip, IPoint origin, double spacing,
                      int marking);

}  // namespace pravelo
