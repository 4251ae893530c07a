#include "view/grid_lines.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"

namespace pravelo {
namespace {

// A guard against nonsensical input; a drawn grid has at most a few hundred lines per axis.
constexpr double kMaxLines = 100000;

double unitsPerPixel(double zoom) { return std::max(1.0, 1.0 / zoom); }

std::vector<GridLine> axisLines(double from, double to, double origin, double spacing, int marking,
                                double (*toScreen)(const ViewTransform&, double),
                                const ViewTransform& v) {
  std::vector<GridLine> lines;
  const double first = std::ceil((from - origin) / spacing);
  const double last = std::floor((to - origin) / spacing);
  if (!(last - first < kMaxLines)) return lines;
  lines.reserve(static_cast<std::size_t>(std::max(0.0, last - first + 1)));
  for (double k = first; k <= last; ++k) {
    const double world = origin + k * spacing;
    const bool marked = marking > 0 && std::fmod(k, marking) == 0;
    lines.push_back({world, toScreen(v, world), marked});
  }
  return lines;
}

}  // namespace

bool isGridDrawn(double zoom, double spacing) {
  return zoom > 0 && spacing > 0 && 6 * unitsPerPixel(zoom) < spacing;
}

GridLayout gridLayout(const ViewTransform& v, const WorldRect& clip, IPoint origin, double spacing,
                      int marking) {
  GridLayout layout;
  if (!isGridDrawn(v.zoom, spacing)) return layout;
  const double margin = 2 * unitsPerPixel(v.zoom) + 1;
  layout.columns =
      axisLines(clip.left - margin, clip.right + margin, origin.x, spacing, marking, screenX, v);
  layout.rows =
      axisLines(clip.top - margin, clip.bottom + margin, origin.y, spacing, marking, screenY, v);
  layout.markedWidth = static_cast<double>(roundHalfEven(2 / v.zoom) + 1);
  return layout;
}

}  // namespace pravelo
