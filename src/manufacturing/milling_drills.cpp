#include "manufacturing/milling_drills.h"

namespace pravelo {
namespace {

std::vector<const TObjekt*> singleToolHoles(const Board& board, bool selectedOnly,
                                            int granularity) {
  DrillSelection s;
  s.singleTool = true;
  s.granularity = granularity;
  s.selectedOnly = selectedOnly;
  std::vector<DrillTool> tools = collectDrills(board, s);
  return tools.empty() ? std::vector<const TObjekt*>{} : std::move(tools.front().holes);
}

}  // namespace

std::vector<const TObjekt*> allMillingHoles(const Board& board, bool selectedOnly) {
  return singleToolHoles(board, selectedOnly, 1);
}

std::vector<DrillTool> millingDrills(const Board& board, bool selectedOnly) {
  DrillSelection s;
  s.granularity = 1;
  s.selectedOnly = selectedOnly;
  return collectDrills(board, s);
}

std::vector<const TObjekt*> punchHoles(const Board& board, bool selectedOnly) {
  return singleToolHoles(board, selectedOnly, 0);
}

}  // namespace pravelo
