#include "editing/move_clamp.h"

#include <algorithm>

namespace pravelo {

namespace {

// One axis: the box spans [low, high], the board [min, max].
double clampAxis(double d, double low, double high, double min, double max) {
  if (high - low > max - min) return d;
  if (low >= min) d = std::max(d, min - low);
  if (high <= max) d = std::min(d, max - high);
  return d;
}

}  // namespace

DPoint clampDisplacement(DPoint d, const TRect& box, double width, double height) {
  const double top = std::min(box.top, box.bottom);
  const double bottom = std::max(box.top, box.bottom);
  return {clampAxis(d.x, box.left, box.right, 0, width), clampAxis(d.y, top, bottom, -height, 0)};
}

}  // namespace pravelo
