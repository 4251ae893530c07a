#include "manufacturing/drill_collection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "base/units.h"
#include "copper/object_outline.h"
#include "copper/overlap_pairs.h"
#include "copper/polygon_predicates.h"
#include "geometry/rect.h"

namespace pravelo {
namespace {

// A smaller hole this close to the edge of a larger one is left to the larger drill.
constexpr double kMergeDistance = 500;

bool onDrilledLayer(const TObjekt& o) { return isCopperLayer(o.layer) || o.layer == kLayerO; }

struct Hole {
  const TObjekt* pad;
  std::int32_t diameter;  // rounded by the granularity
  bool kept = true;
  std::optional<TPolygon32> outline;  // made when a pair needs it
};

// The rounding step of a granularity, in units.
std::int32_t drillStep(int granularity) {
  if (granularity == 1) return 1000;
  if (granularity == 2) return 2000;
  return 1;
}

std::int32_t roundedDiameter(const TObjekt& pad, std::int32_t step) {
  return static_cast<std::int32_t>(step * roundHalfEven(2.0 * pad.dim.y / step));
}

// Step 1: the pads the selection asks for, with their rounded diameters.
std::vector<Hole> candidateHoles(const Board& board, const DrillSelection& selection) {
  const std::int32_t step = drillStep(selection.granularity);
  std::vector<Hole> holes;
  for (const auto& o : board.objects) {
    if (o->kind != kPad || !onDrilledLayer(*o)) continue;
    const std::int32_t d = roundedDiameter(*o, step);
    if (d <= 0) continue;
    if (selection.selectedOnly && o->selected == 0) continue;
    if (o->via != 0 ? !selection.vias : !selection.simpleHoles) continue;
    holes.push_back({o.get(), d});
  }
  return holes;
}

const TPolygon32& outlineOf(Hole& h) {
  if (!h.outline) h.outline = objectOutline(*h.pad, {}, 1.0);
  return *h.outline;
}

// A pad without copper outline is inside nothing, so only the hole rule can drop it.
bool copperInside(Hole& inner, Hole& outer) {
  const TPolygon32& a = outlineOf(inner);
  return hasPoints(a) && allVerticesInside(a, outlineOf(outer));
}

void mergePair(Hole& i, Hole& j) {
  if (copperInside(i, j)) {
    i.kept = false;
    return;
  }
  if (copperInside(j, i)) {
    j.kept = false;
    return;
  }
  Hole& big = i.pad->dim.y > j.pad->dim.y ? i : j;
  Hole& small = &big == &i ? j : i;
  const double distance = std::hypot(static_cast<double>(big.pad->pos.x) - small.pad->pos.x,
                                     static_cast<double>(big.pad->pos.y) - small.pad->pos.y);
  if (distance + small.pad->dim.y - big.pad->dim.y < kMergeDistance) small.kept = false;
}

// Step 2: overlapping holes. Pairs are found by their hole squares, in (i, j) order.
void mergeOverlappingHoles(std::vector<Hole>& holes) {
  std::vector<std::optional<TRect>> squares;
  squares.reserve(holes.size());
  for (const Hole& h : holes) {
    const double r = h.pad->dim.y;
    squares.push_back(
        rectFromCorners(h.pad->pos.x - r, h.pad->pos.y - r, h.pad->pos.x + r, h.pad->pos.y + r));
  }
  for (const auto& [i, j] : overlappingPairs(squares)) {
    if (holes[i].kept && holes[j].kept) mergePair(holes[i], holes[j]);
  }
}

// Steps 3 and 4: one drill per diameter (or a single one), holes in document order.
std::vector<DrillTool> groupIntoTools(const std::vector<Hole>& holes, bool singleTool) {
  std::vector<DrillTool> tools;
  for (const Hole& h : holes) {
    if (!h.kept) continue;
    const std::int32_t d = singleTool ? 0 : h.diameter;
    auto it = std::ranges::lower_bound(tools, d, {}, &DrillTool::diameter);
    if (it == tools.end() || it->diameter != d) it = tools.insert(it, DrillTool{d, {}});
    it->holes.push_back(h.pad);
  }
  return tools;
}

}  // namespace

std::vector<DrillTool> collectDrills(const Board& board, const DrillSelection& selection) {
  std::vector<Hole> holes = candidateHoles(board, selection);
  mergeOverlappingHoles(holes);
  std::vector<DrillTool> tools = groupIntoTools(holes, selection.singleTool);
  if (selection.sorted) {
    // Every drill starts again at the board's lower left corner.
    const FPoint corner{0, static_cast<float>(-board.header.height)};
    for (DrillTool& t : tools) orderNearestNeighbour(t.holes, corner);
  }
  return tools;
}

// The search starts from an infinite distance: a fixed start value would miss holes farther
// away than it and never finish.
void orderNearestNeighbour(std::vector<const TObjekt*>& holes, FPoint start) {
  double x = start.x;
  double y = start.y;
  for (auto next = holes.begin(); next != holes.end(); ++next) {
    auto best = holes.end();
    double bestDistance = std::numeric_limits<double>::infinity();
    for (auto it = next; it != holes.end(); ++it) {
      const double dx = (*it)->pos.x - x;
      const double dy = (*it)->pos.y - y;
      const double d = dx * dx + dy * dy;
      if (d < bestDistance) {
        bestDistance = d;
        best = it;
      }
    }
    if (best == holes.end()) best = next;  // only NaN positions are left
    // Moving the chosen hole to the front keeps the others in list order for the ties.
    std::rotate(next, best, best + 1);
    x = (*next)->pos.x;
    y = (*next)->pos.y;
  }
}

int silkscreenDrillCount(const Board& board) {
  return static_cast<int>(std::ranges::count_if(board.objects, [](const auto& o) {
    return o->kind == kPad && o->dim.y != 0 && !onDrilledLayer(*o);
  }));
}

}  // namespace pravelo
