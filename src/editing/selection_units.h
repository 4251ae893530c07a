#pragma once

#include <optional>
#include <vector>

#include "document/document.h"
#include "geometry/point.h"
#include "geometry/rect.h"

namespace pravelo {

// What the transform commands need to know about the selection of a board.

// The union of the outline bounds (without thermal spokes) of the objects; an object without an
// outline counts with its bounds. Nothing for an empty list.
std::optional<TRect> outlineBoundsOf(const std::vector<const TObjekt*>& objects);

std::vector<const TObjekt*> selectedObjects(const Board& board);

// The centre of the selection's outline bounds; nothing when nothing is selected.
std::optional<FPoint> selectionCentre(const Board& board);

// The objects that move together when the selection is snapped or aligned: each selected object
// once, in list order, with the peers it was selected with (the other objects of its component
// and of its innermost group), each unit in list order. No object is in two units.
std::vector<std::vector<TObjekt*>> selectionUnits(Board& board);

// The components whose every object is selected; a hidden label cannot be selected and does not
// count. Each with all its objects, hidden labels included, in list order.
std::vector<std::vector<TObjekt*>> selectedComponents(Board& board);

}  // namespace pravelo
