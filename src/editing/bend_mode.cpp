#include "editing/bend_mode.h"

#include <algorithm>
#include <cmath>

namespace pravelo {

std::string bendModeLabel(int mode) {
  return "[" + std::to_string(mode) + "/" + std::to_string(kBendModeCount) + "]";
}

std::optional<DPoint> bendPoint(DPoint s, DPoint m, int mode) {
  const double dx = m.x - s.x;
  const double dy = m.y - s.y;
  const double d = std::min(std::abs(dx), std::abs(dy));
  const double sx = dx < 0 ? -1 : dx > 0 ? 1 : 0;
  const double sy = dy < 0 ? -1 : dy > 0 ? 1 : 0;
  DPoint b;
  switch (mode) {
    case 1:
      b = {m.x - sx * d, m.y - sy * d};
      break;
    case 2:
      b = {s.x + sx * d, s.y + sy * d};
      break;
    case 3:
      b = {s.x, m.y};
      break;
    case 4:
      b = {m.x, s.y};
      break;
    default:
      return std::nullopt;
  }
  if (b == s || b == m) return std::nullopt;
  return b;
}

}  // namespace pravelo
