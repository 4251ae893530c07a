// Copper of different nets closer than the minimum, and clearances narrower than it towards the
// ground plane. Works on grown working copies; the board's objects stay as they are.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "base/units.h"
#include "copper/copper_layers.h"
#include "copper/drc_checks.h"
#include "copper/drc_texts.h"
#include "copper/grow.h"
#include "copper/object_outline.h"
#include "copper/overlap_pairs.h"
#include "copper/polygon_predicates.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"

namespace pravelo {
namespace {

constexpr std::array<int, 4> kCopperLayers = {kLayerC1, kLayerC2, kLayerI1, kLayerI2};
// Distance entries closer than this on both axes to an earlier one are the same place.
constexpr double kSamePlace = 2000;

bool takesPart(const TObjekt& o) { return isCopperLayer(o.layer) && conducts(o); }

// Whose layer the thermal spokes of a pair are taken from.
int pairLayer(const TObjekt& p, const TObjekt& r) {
  if (isPlatedThrough(p) && !isPlatedThrough(r)) return r.layer;
  if (!isPlatedThrough(p) && !isPlatedThrough(r) && isPadKind(p.kind) && !isPadKind(r.kind)) {
    return r.layer;
  }
  return p.layer;
}

// The search rectangle: the object grown by c, with room for its spokes.
TRect searchBounds(const TObjekt& o, std::int32_t c, const BoardHeader& header) {
  const TObjekt grown = grownCopy(o, c);
  TRect box = widened(outlineBounds(grown).value_or(plainBounds(o)), 1);
  if (isPadKind(o.kind) && o.optB != 0) {
    for (int layer : kCopperLayers) {
      box = unite(box, widened(objectBounds(o, {layer, header.groundPlane, header.multilayer != 0}),
                               c / 2 + 1));
    }
  }
  return box;
}

TRect unitsBounds(const Rect32& r) {
  return rectFromCorners(fixedToMm(r.minX) * kUnitsPerMm, fixedToMm(r.minY) * kUnitsPerMm,
                         fixedToMm(r.maxX) * kUnitsPerMm, fixedToMm(r.maxY) * kUnitsPerMm);
}

// At least `size` wide and high, the shortfall split over both sides.
TRect atLeast(TRect r, std::int64_t size) {
  if (rectWidth(r) < size) {
    const auto half = static_cast<std::int32_t>((size - rectWidth(r)) / 2);
    r.left -= half;
    r.right += half;
  }
  if (rectHeight(r) < size) {
    const auto half = static_cast<std::int32_t>((size - rectHeight(r)) / 2);
    r.top -= half;
    r.bottom += half;
  }
  return r;
}

class GrownOutlines {
 public:
  GrownOutlines(const Board& board, std::int32_t c)
      : board_(board), c_(c), cache_(board.objects.size()) {}

  // A pad's spokes depend on the layer, so its outline with spokes is not kept.
  TPolygon32 get(int i, int layer) {
    const TObjekt& o = *board_.objects[i];
    const SpokeLayer spokes{layer, board_.header.groundPlane, board_.header.multilayer != 0};
    if (showsThermalSpokes(o, spokes)) return make(o, spokes);
    if (!cache_[i]) cache_[i] = make(o, {});
    return *cache_[i];
  }

 private:
  TPolygon32 make(const TObjekt& o, const SpokeLayer& spokes) const {
    return objectOutline(grownCopy(o, c_ - 10), {spokes, c_}, 1);
  }

  const Board& board_;
  std::int32_t c_;
  std::vector<std::optional<TPolygon32>> cache_;
};

bool onGroundPlane(const TObjekt& o, const BoardHeader& header) {
  const bool multilayer = header.multilayer != 0;
  return std::any_of(kCopperLayers.begin(), kCopperLayers.end(), [&](int layer) {
    return header.groundPlane[layer - 1] != 0 && isPresentOnLayer(o, layer, multilayer);
  });
}

}  // namespace

std::optional<TRect> distanceMarker(const TPolygon32& a, const TPolygon32& b, std::int32_t c) {
  const std::vector<DPoint> points = edgeIntersectionPoints(a, b);
  if (points.empty()) {
    if (hasPoints(a) && allVerticesInside(a, b)) return unitsBounds(polygonBounds(a));
    if (hasPoints(b) && allVerticesInside(b, a)) return unitsBounds(polygonBounds(b));
    return std::nullopt;
  }
  double minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
  for (const DPoint& p : points) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const TRect r = rectFromCorners(minX * kUnitsPerMm, minY * kUnitsPerMm, maxX * kUnitsPerMm,
                                  maxY * kUnitsPerMm);
  return atLeast(r, 2 * std::int64_t{c});
}

void checkCopperDistance(DrcRun& run) {
  const ObjectList& objects = run.board.objects;
  const std::int32_t c = run.rules.WKupfer;
  std::vector<std::optional<TRect>> search(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (takesPart(*objects[i])) search[i] = searchBounds(*objects[i], c, run.board.header);
  }
  const std::vector<std::vector<int>> near = neighbourLists(search);
  const std::vector<int> nets = run.nets();
  GrownOutlines grown(run.board, c);
  std::vector<DPoint> centres;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!run.step(static_cast<int>(i))) return;
    const TObjekt& p = *objects[i];
    if (!search[i] || !rectsMeet(plainBounds(p), run.area)) continue;
    for (int j : near[i]) {
      if (j <= static_cast<int>(i)) continue;
      const TObjekt& r = *objects[j];
      if (!shareCopperLayer(p, r) || nets[i] == nets[j]) continue;
      const int layer = pairLayer(p, r);
      const std::optional<TRect> marker =
          distanceMarker(grown.get(static_cast<int>(i), layer), grown.get(j, layer), c);
      if (!marker || !rectsMeet(*marker, run.area)) continue;
      const DPoint centre{(static_cast<double>(marker->left) + marker->right) / 2,
                          (static_cast<double>(marker->top) + marker->bottom) / 2};
      const bool known = std::any_of(centres.begin(), centres.end(), [&](DPoint q) {
        return std::fabs(q.x - centre.x) <= kSamePlace && std::fabs(q.y - centre.y) <= kSamePlace;
      });
      if (known) continue;
      centres.push_back(centre);
      run.add(
          {DrcKind::kDistance, &texts::drcDistance, layer, *marker, {}, {static_cast<int>(i), j}});
    }
    if (p.clearance > 0 && p.clearance < c && onGroundPlane(p, run.board.header)) {
      run.add({DrcKind::kDistance,
               &texts::drcGroundPlaneDistance,
               p.layer,
               *search[i],
               {},
               {static_cast<int>(i)}});
    }
  }
}

}  // namespace pravelo
