#pragma once

#include <vector>

#include "document/document.h"
#include "geometry/point.h"
#include "geometry/rect.h"

namespace pravelo {

// Sets `selected` of the object at `index` and, unless `alone` (Alt held), of its peers: the
// other objects of its component and of its innermost group. Texts pass the flag to their
// strokes. Hidden ID and value labels are never selected; starting from one changes nothing
// else. Returns the world bounds of the objects set, for repainting.
TRect selectObject(Board& board, int index, bool on, bool alone = false);

void deselectAll(Board& board);

// Selects every object on a visible layer, with its peers.
void selectAll(Board& board);

// Selects, with their peers, the objects on visible layers whose outline lies inside the world
// rectangle (corners in any order) or crosses one of its sides. An object that merely contains
// the rectangle, as a large zone around it, is not selected.
void selectInRectangle(Board& board, DPoint corner1, DPoint corner2);

// Selects exactly the objects at `indices` (and their strokes), no peers; deselects all others.
void selectOnly(Board& board, const std::vector<int>& indices);

int selectedCount(const Board& board);

}  // namespace pravelo
