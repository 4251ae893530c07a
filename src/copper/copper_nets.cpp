#include "copper/copper_nets.h"

#include <array>
#include <numeric>
#include <optional>

#include "copper/object_outline.h"
#include "copper/overlap_pairs.h"
#include "copper/polygon_predicates.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"

namespace pravelo {
namespace {

constexpr std::array<int, 4> kCopperLayers = {kLayerC1, kLayerC2, kLayerI1, kLayerI2};

int findRoot(std::vector<int>& parent, int i) {
  while (parent[i] != i) {
    parent[i] = parent[parent[i]];
    i = parent[i];
  }
  return i;
}

SpokeLayer spokesOn(const BoardHeader& header, int layer) {
  return {layer, header.groundPlane, header.multilayer != 0};
}

// Bounds on every copper layer, thermal spokes included.
TRect touchBounds(const TObjekt& o, const BoardHeader& header) {
  TRect box = objectBounds(o);
  if (!isPadKind(o.kind)) return box;
  for (int layer : kCopperLayers) box = unite(box, objectBounds(o, spokesOn(header, layer)));
  return box;
}

class TouchTest {
 public:
  explicit TouchTest(const Board& board) : board_(board), plain_(board.objects.size()) {}

  bool touch(int a, int b) {
    const TObjekt& p = *board_.objects[a];
    const TObjekt& q = *board_.objects[b];
    const bool multilayer = board_.header.multilayer != 0;
    for (int layer : kCopperLayers) {
      if (!isPresentOnLayer(p, layer, multilayer) || !isPresentOnLayer(q, layer, multilayer)) {
        continue;
      }
      if (polygonsIntersect(outline(a, layer), outline(b, layer))) return true;
    }
    return false;
  }

 private:
  // Spoke-free outlines are kept; a pad's spokes depend on the layer, so those are made anew.
  TPolygon32 outline(int i, int layer) {
    const TObjekt& o = *board_.objects[i];
    const SpokeLayer spokes = spokesOn(board_.header, layer);
    if (showsThermalSpokes(o, spokes)) return objectOutline(o, {spokes, 0}, 1);
    if (!plain_[i]) plain_[i] = objectOutline(o, {}, 1);
    return *plain_[i];
  }

  const Board& board_;
  std::vector<std::optional<TPolygon32>> plain_;
};

}  // namespace

bool isPlatedThrough(const TObjekt& o) {
  return o.kind == kPad && o.via != 0 && isCopperLayer(o.layer);
}

bool shareCopperLayer(const TObjekt& a, const TObjekt& b) {
  if (!isCopperLayer(a.layer) || !isCopperLayer(b.layer)) return false;
  return a.layer == b.layer || isPlatedThrough(a) || isPlatedThrough(b);
}

std::vector<int> copperNets(const Board& board) {
  const std::size_t n = board.objects.size();
  std::vector<std::optional<TRect>> boxes(n);
  for (std::size_t i = 0; i < n; ++i) {
    const TObjekt& o = *board.objects[i];
    if (isCopperLayer(o.layer) && conducts(o)) boxes[i] = touchBounds(o, board.header);
  }
  std::vector<int> parent(n);
  std::iota(parent.begin(), parent.end(), 0);
  TouchTest test(board);
  for (const auto& [a, b] : overlappingPairs(boxes)) {
    if (!shareCopperLayer(*board.objects[a], *board.objects[b])) continue;
    const int ra = findRoot(parent, a);
    const int rb = findRoot(parent, b);
    if (ra == rb || !test.touch(a, b)) continue;
    parent[std::max(ra, rb)] = std::min(ra, rb);
  }
  std::vector<int> nets(n, -1);
  for (std::size_t i = 0; i < n; ++i) {
    if (boxes[i]) nets[i] = findRoot(parent, static_cast<int>(i));
  }
  return nets;
}

}  // namespace pravelo
