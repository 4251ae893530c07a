#pragma once

#include <algorithm>
#include <cstdint>

#include "base/units.h"

namespace pravelo {

// A ring of centre-line radius `radius` and width `width` as outer and inner radius in units.
// A width beyond the diameter fills the circle instead of giving a negative inner radius.
struct RingRadii {
  std::int32_t outer = 0;
  std::int32_t inner = 0;
};
inline RingRadii ringRadii(double radius, double width) {
  return {roundToInt32(radius + width / 2), roundToInt32(std::max(0.0, radius - width / 2))};
}

}  // namespace pravelo
