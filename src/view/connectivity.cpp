#include "view/connectivity.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "copper/copper_layers.h"
#include "copper/object_outline.h"
#include "copper/polygon_predicates.h"
#include "geometry/angles.h"
#include "geometry/arc.h"
#include "geometry/layer_presence.h"

namespace pravelo {
namespace {

bool onAnyCopperLayer(const TObjekt& o, bool multilayer) {
  return std::any_of(kCopperLayers.begin(), kCopperLayers.end(),
                     [&](int layer) { return isPresentOnLayer(o, layer, multilayer); });
}

void unite(Rect32& r, const Rect32& other) {
  if (isEmpty(other)) return;
  if (isEmpty(r)) {
    r = other;
    return;
  }
  r.minX = std::min(r.minX, other.minX);
  r.minY = std::min(r.minY, other.minY);
  r.maxX = std::max(r.maxX, other.maxX);
  r.maxY = std::max(r.maxY, other.maxY);
}

}  // namespace

std::optional<FPoint> planeReferencePoint(const TObjekt& o) {
  switch (o.kind) {
    case kPad:
      return o.pos;
    case kSmdPad:
      if (o.points.size() < 3) return std::nullopt;
      return FPoint{(o.points[0].x + o.points[2].x) / 2, (o.points[0].y + o.points[2].y) / 2};
    case kTrack:
    case kZone:
      if (o.points.empty()) return std::nullopt;
      return o.points.front();
    case kCircle:
      return pointOnArc(o.pos, centreLineRadius(o.dim.x, o.dim.y), circleStartAngle(o));
    case kText:
      for (const TObjekt& stroke : o.children) {
        if (!stroke.points.empty()) return stroke.points.front();
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// Objects by the grid cells their bounds cover, so that a flood compares an object only with
// the objects near it.
struct Connectivity::Grid {
  Rect32 area;
  int columns = 1;
  int rows = 1;
  double cellW = 1;
  double cellH = 1;
  std::vector<std::vector<int>> cells;

  int column(std::int32_t x) const {
    return std::clamp(static_cast<int>((double(x) - area.minX) / cellW), 0, columns - 1);
  }
  int row(std::int32_t y) const {
    return std::clamp(static_cast<int>((double(y) - area.minY) / cellH), 0, rows - 1);
  }
};

Connectivity::Connectivity(const Board& board)
    : board_(board), multilayer_(board.header.multilayer != 0) {
  const std::size_t n = board.objects.size();
  copper_.resize(n);
  plainOutlines_.resize(n);
  bounds_.resize(n);
  stamp_.assign(n, 0);
  for (auto& regionOf : regionOf_) regionOf.assign(n, -2);
  for (std::size_t i = 0; i < n; ++i) {
    const TObjekt& o = *board.objects[i];
    index_.emplace(&o, static_cast<int>(i));
    copper_[i] = conducts(o) && onAnyCopperLayer(o, multilayer_);
  }
  buildIndex();
}

Connectivity::~Connectivity() = default;

int Connectivity::indexOf(const TObjekt* o) const {
  const auto it = index_.find(o);
  return it == index_.end() ? -1 : it->second;
}

const TPolygon32& Connectivity::outline(int i, int layer) {
  const TObjekt& o = *board_.objects[i];
  const SpokeLayer spokes{layer, board_.header.groundPlane, multilayer_};
  if (showsThermalSpokes(o, spokes)) {
    const long long key = static_cast<long long>(i) * 8 + layer;
    auto it = spokeOutlines_.find(key);
    if (it == spokeOutlines_.end()) {
      it = spokeOutlines_.emplace(key, objectOutline(o, {spokes, 0}, 1)).first;
    }
    return it->second;
  }
  if (!plainOutlines_[i]) plainOutlines_[i] = objectOutline(o, {}, 1);
  return *plainOutlines_[i];
}

// The bounds of an object's outline on every layer it is on, spokes included.
const Rect32& Connectivity::bounds(int i) {
  if (!bounds_[i]) {
    Rect32 r;
    for (int layer : kCopperLayers) {
      if (isPresentOnLayer(*board_.objects[i], layer, multilayer_)) {
        unite(r, polygonBounds(outline(i, layer)));
      }
    }
    bounds_[i] = r;
  }
  return *bounds_[i];
}

void Connectivity::buildIndex() {
  grid_ = std::make_unique<Grid>();
  Grid& g = *grid_;
  int count = 0;
  for (std::size_t i = 0; i < copper_.size(); ++i) {
    if (!copper_[i]) continue;
    unite(g.area, bounds(static_cast<int>(i)));
    ++count;
  }
  if (count == 0 || isEmpty(g.area)) return;
  // About one cell per object, square cells.
  const double w = double(g.area.maxX) - g.area.minX + 1;
  const double h = double(g.area.maxY) - g.area.minY + 1;
  const double cell = std::max(std::sqrt(w * h / count), std::max(w, h) / 4096);
  g.columns = std::clamp(static_cast<int>(std::ceil(w / cell)), 1, 4096);
  g.rows = std::clamp(static_cast<int>(std::ceil(h / cell)), 1, 4096);
  g.cellW = w / g.columns;
  g.cellH = h / g.rows;
  g.cells.resize(static_cast<std::size_t>(g.columns) * g.rows);
  for (std::size_t i = 0; i < copper_.size(); ++i) {
    if (!copper_[i]) continue;
    const Rect32& b = bounds(static_cast<int>(i));
    if (isEmpty(b)) continue;
    for (int r = g.row(b.minY); r <= g.row(b.maxY); ++r) {
      for (int c = g.column(b.minX); c <= g.column(b.maxX); ++c) {
        g.cells[static_cast<std::size_t>(r) * g.columns + c].push_back(static_cast<int>(i));
      }
    }
  }
}

bool Connectivity::touches(int a, int b, int layer) {
  if (!intersects(polygonBounds(outline(a, layer)), polygonBounds(outline(b, layer)))) {
    return false;
  }
  return polygonsIntersect(outline(a, layer), outline(b, layer));
}

// Whether an object joins the plane of `layer`: copper on that layer, with no gap of its own
// (clearance 0) or tied by spokes.
bool Connectivity::onPlane(int i, int layer) const {
  const TObjekt& o = *board_.objects[i];
  if (!copper_[i] || board_.header.groundPlane[layer - 1] == 0) return false;
  if (!isPresentOnLayer(o, layer, multilayer_)) return false;
  return planeClearance(o) == 0 || (isPadKind(o.kind) && o.optB != 0);
}

const PlaneRegions& Connectivity::regions(int layer) {
  if (!regions_[layer - 1]) regions_[layer - 1] = std::make_unique<PlaneRegions>(board_, layer);
  return *regions_[layer - 1];
}

int Connectivity::planeRegion(int i, int layer) {
  int& region = regionOf_[layer - 1][i];
  if (region == -2) {
    region = -1;
    if (onPlane(i, layer)) {
      if (const auto p = planeReferencePoint(*board_.objects[i])) {
        region = regions(layer).regionAt(*p);
      }
    }
  }
  return region;
}

bool Connectivity::planeLinked(int a, int b, int layer) {
  const int region = planeRegion(a, layer);
  return region >= 0 && region == planeRegion(b, layer);
}

template <typename Wanted, typename Visit>
void Connectivity::forEachTouching(int p, Wanted wanted, Visit visit) {
  if (!copper_[p]) return;
  const TObjekt& P = *board_.objects[p];
  const Rect32& box = bounds(p);
  if (grid_ && !grid_->cells.empty() && !isEmpty(box)) {
    const Grid& g = *grid_;
    ++stampValue_;
    stamp_[p] = stampValue_;
    for (int r = g.row(box.minY); r <= g.row(box.maxY); ++r) {
      for (int c = g.column(box.minX); c <= g.column(box.maxX); ++c) {
        for (int q : g.cells[static_cast<std::size_t>(r) * g.columns + c]) {
          if (stamp_[q] == stampValue_) continue;
          stamp_[q] = stampValue_;
          if (!wanted(q)) continue;
          const TObjekt& Q = *board_.objects[q];
          if (!shareCopperLayer(P, Q) || !intersects(box, bounds(q))) continue;
          for (int layer : kCopperLayers) {
            if (isPresentOnLayer(P, layer, multilayer_) &&
                isPresentOnLayer(Q, layer, multilayer_) && touches(p, q, layer)) {
              visit(q);
              break;
            }
          }
        }
      }
    }
  }
}

const std::vector<int>& Connectivity::planeMembers(int layer, int region) {
  auto& members = regionMembers_[layer - 1];
  if (members.empty()) {
    members[-1];  // marks the layer's members as collected
    for (std::size_t q = 0; q < copper_.size(); ++q) {
      const int r = planeRegion(static_cast<int>(q), layer);
      if (r >= 0) members[r].push_back(static_cast<int>(q));
    }
  }
  return members[region];
}

std::vector<int> Connectivity::flood(int start, const FloodOptions& options) {
  std::vector<bool> reached(board_.objects.size());
  std::vector<int> result{start};
  std::array<std::unordered_set<int>, 7> expanded;
  reached[start] = true;
  // Objects reached already or to be skipped are left out before any geometry is compared.
  const auto wanted = [&](int q) { return !reached[q] && !(options.skip && options.skip(q)); };
  const auto reach = [&](int q) {
    if (!wanted(q)) return;
    reached[q] = true;
    result.push_back(q);
  };
  for (std::size_t next = 0; next < result.size(); ++next) {
    const int p = result[next];
    const TObjekt& P = *board_.objects[p];
    if (options.followConnections && isPadKind(P.kind)) {
      for (const TObjekt* partner : P.connections) {
        const int q = indexOf(partner);
        if (q >= 0) reach(q);
      }
    }
    forEachTouching(p, wanted, reach);
    // A plane region is walked once: every member is reached from its first one.
    for (int layer : kCopperLayers) {
      const int region = planeRegion(p, layer);
      if (region < 0 || !expanded[layer - 1].insert(region).second) continue;
      for (int q : planeMembers(layer, region)) reach(q);
    }
  }
  return result;
}

// One flood per group; objects that have their group already are skipped, so that every
// object is reached once and no pair is compared twice.
std::vector<int> Connectivity::components() {
  const int n = static_cast<int>(board_.objects.size());
  std::vector<int> group(n, -1);
  int groups = 0;
  FloodOptions options;
  options.skip = [&group](int q) { return group[q] >= 0; };
  for (int i = 0; i < n; ++i) {
    if (!copper_[i] || group[i] >= 0) continue;
    for (int q : flood(i, options)) group[q] = groups;
    ++groups;
  }
  return group;
}

}  // namespace pravelo
