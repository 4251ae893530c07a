#pragma once

#include <cstdint>

#include "document/board_header.h"

namespace pravelo {

// The largest board side accepted from a file: 10 m, so that the drawing surface at the highest
// zoom still fits the 32-bit scroll ranges of the toolkit.
inline constexpr std::int32_t kMaxBoardSide = 100000000;

// Repairs a loaded header so that no view computation divides by zero or overflows: board sides
// within [1, kMaxBoardSide] units, the grid within the dialog's range (the default 1.27 mm when
// it is not positive), the zoom within its range (the default when unreadable). Values in range
// stay untouched. Returns whether anything was repaired.
bool normaliseBoardHeader(BoardHeader& header);

}  // namespace pravelo
