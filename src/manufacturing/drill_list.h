#pragma once

#include <string>
#include <vector>

#include "base/text.h"
#include "geometry/length_text.h"
#include "manufacturing/drill_collection.h"

namespace pravelo {

// One line of count and diameter per drill, a separator and the total, lines ended by "\n".
// Millimetres show two decimals with `decimalSeparator`, mil whole numbers.
std::string drillListText(const std::vector<DrillTool>& tools, LengthUnit unit,
                          char decimalSeparator, Language language);

// The drills the list counts: the two kinds of holes as chosen, exact diameters, all pads.
std::vector<DrillTool> drillListTools(const Board& board, bool simpleHoles, bool vias);

}  // namespace pravelo
