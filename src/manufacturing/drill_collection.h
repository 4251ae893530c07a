#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "document/object.h"

namespace pravelo {

// Which pads are drilled and how diameters are grouped into drills.
struct DrillSelection {
  bool simpleHoles = true;  // pads without the via flag
  bool vias = true;         // plated through-holes
  bool singleTool = false;  // every hole in one drill of diameter 0
  int granularity = 0;      // 0 exact, 1 rounded to 0.1 mm, 2 rounded to 0.2 mm
  bool selectedOnly = false;
  bool sorted = true;  // holes of each drill in nearest-neighbour order, else in document order
};

// One drill: its diameter in units and the pads it drills, in drilling order.
struct DrillTool {
  std::int32_t diameter = 0;
  std::vector<const TObjekt*> holes;
};

// The board's drills in ascending diameter. A hole inside another pad's copper, or inside a
// larger hole (or within 0.05 mm of its edge), is not drilled; pads off the copper and outline
// layers never are.
std::vector<DrillTool> collectDrills(const Board& board, const DrillSelection& selection);

// Orders holes by always going on to the nearest remaining one, from `start`.
void orderNearestNeighbour(std::vector<const TObjekt*>& holes, FPoint start);

// Pads with a hole on a silkscreen layer: they are never drilled, and the user is told so.
int silkscreenDrillCount(const Board& board);

}  // namespace pravelo
