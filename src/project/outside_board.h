#pragma once

#include "document/document.h"

namespace pravelo {

// A unit is an object with every object of its component and of its innermost group. A unit is
// outside when the union of its members' bounds (clearance included) shares no area with the
// board: touching the edge is outside too.

bool anythingOutsideBoard(const Board& board);

// Deletes every unit outside the board, ID and value labels included; connections and route
// ends to deleted pads go with them. False when nothing was deleted.
bool deleteOutsideBoard(Board& board);

}  // namespace pravelo
