#pragma once

#include <cstdint>

#include "document/board_header.h"

namespace pravelo {

// Repairs a loaded header so that no view computation divides by zero or overflows: board sides
// within [1, kMaxBoardSide] units, the grid within the dialog's range (the default 1.27 mm when
// it is not positive), the zoom within its range (the default when unreadable). Values in range
// stay untouched. Returns whether anything was repaired.
bool normaliseBoardHeader(BoardHeader& header);

}  // namespace pravelo
