#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "geometry/rect.h"

namespace pravelo {

// Every pair (i, j), i < j, of given rectangles that overlap or touch, sorted by i and then j.
// A sweep along x keeps this near linear for boards whose objects are spread out.
std::vector<std::pair<int, int>> overlappingPairs(const std::vector<std::optional<TRect>>& boxes);

// For each rectangle, the indices of the other rectangles it meets, in ascending order.
std::vector<std::vector<int>> neighbourLists(const std::vector<std::optional<TRect>>& boxes);

// Whether two rectangles overlap or touch.
bool rectsMeet(const TRect& a, const TRect& b);

}  // namespace pravelo
