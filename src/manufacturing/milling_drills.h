#pragma once

#include <vector>

#include "document/document.h"
#include "manufacturing/drill_collection.h"

namespace pravelo {

// The drill collections of the milling jobs (simple holes and vias, in the collection's order).

// Every hole for the one-tool drilling job, diameters merged at 0.1 mm.
std::vector<const TObjekt*> allMillingHoles(const Board& board, bool selectedOnly);

// One drill per diameter rounded to 0.1 mm, in ascending order.
std::vector<DrillTool> millingDrills(const Board& board, bool selectedOnly);

// Every hole with its exact diameter, for centre punching.
std::vector<const TObjekt*> punchHoles(const Board& board, bool selectedOnly);

}  // namespace pravelo
