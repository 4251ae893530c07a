#pragma once

#include <optional>
#include <string>

#include "geometry/point.h"

namespace pravelo {

inline constexpr int kBendModeCount = 5;

// Space cycles 1 -> 2 -> 3 -> 4 -> 5 -> 1.
inline int nextBendMode(int mode) { return mode % kBendModeCount + 1; }

// The key label of a bend mode: "[1/5]" and so on.
std::string bendModeLabel(int mode);

// The corner inserted between the last fixed vertex `s` and the pointer `m`: 1 straight first
// and 45 degrees into `m`, 2 45 degrees first, 3 vertical first, 4 horizontal first, 5 none.
// Nothing when the corner would coincide with `s` or `m`.
std::optional<DPoint> bendPoint(DPoint s, DPoint m, int mode);

}  // namespace pravelo
