#include "view/autorouter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

#include "base/units.h"
#include "copper/object_outline.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"
#include "geometry/pad_geometry.h"
#include "view/connectivity.h"
#include "view/route_obstacles.h"

namespace pravelo {
namespace {

// The cell map covers at most 800 x 800 grid points (801 cells a side).
constexpr int kRouteAreaSpan = 800;
constexpr int kRouteCellsPerSide = kRouteAreaSpan + 1;
constexpr int kRouteAreaMargin = 10;
constexpr int kRouteWindowGrowth = 5;
constexpr int kRouteMaxSweeps = 80;
constexpr int kRouteMaxLoops = 10;

// Cell values; labels n > 0 count the steps from the start. 32-bit cells: the longest path in
// the map (801 x 801 cells) cannot overflow them.
constexpr std::int32_t kCellUnseen = -3;
constexpr std::int32_t kCellBlocked = -2;
constexpr std::int32_t kCellFree = -1;

// Wave results.
constexpr int kWaveFound = 0;
constexpr int kWaveStuck = -1;
constexpr int kWaveHopeless = -2;
constexpr int kWaveEscape = -4;

// Grid rectangle, inclusive: left <= right, top <= bottom, j growing downwards.
struct RouteCellRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const RouteCellRect&, const RouteCellRect&) = default;
};

std::int64_t routeCellArea(const RouteCellRect& r) {
  return std::int64_t{r.right - r.left} * (r.bottom - r.top);
}

FPoint routePadCentre(const TObjekt& pad) {
  return pad.kind == kSmdPad ? smdPadCentre(pad) : pad.pos;
}

bool sameRoutePoint(FPoint a, DPoint b) {
  return a == FPoint{static_cast<float>(b.x), static_cast<float>(b.y)};
}

// Directions 0 N, 1 NE, 2 E, 3 SE, 4 S, 5 SW, 6 W, 7 NW; j grows downwards.
constexpr std::array<IPoint, 8> kRouteSteps{
    {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};

class RouteRun {
 public:
  RouteRun(Board& board, const RouteRequest& request, const RouteMonitor& monitor)
      : board_(board), rq_(request), monitor_(monitor) {}

  RouteReport run();

 private:
  void buildObstacles();
  std::optional<RouteCellRect> routingArea() const;
  std::int32_t& cell(IPoint p) {
    return cells_[static_cast<std::size_t>(p.y - area_.top) * kRouteCellsPerSide +
                  (p.x - area_.left)];
  }
  bool strictlyInside(IPoint p) const {
    return p.x > area_.left && p.x < area_.right && p.y > area_.top && p.y < area_.bottom;
  }
  bool inMap(IPoint p) const {
    return p.x >= area_.left && p.x <= area_.right && p.y >= area_.top && p.y <= area_.bottom;
  }
  bool escape() const { return monitor_.escape && monitor_.escape(); }
  std::int32_t classify(IPoint p);
  int wave(const RouteCellRect& window);
  bool label(IPoint p);
  std::optional<TObjekt> trace();
  bool diagonalAllowed(IPoint from, int direction);
  TPolygon32 grownOutline(const TObjekt& track) const;
  RouteReport finish(TObjekt track);

  Board& board_;
  const RouteRequest& rq_;
  const RouteMonitor& monitor_;
  TObjekt* a_ = nullptr;
  TObjekt* b_ = nullptr;
  FPoint centreA_, centreB_;
  RouteObstacles obstacles_;
  TRect bounds_;  // world rectangle of the obstacles and both pads
  RouteCellRect area_;
  IPoint s_, t_;
  std::vector<std::int32_t> cells_;
  std::vector<IPoint> ring_;
};

void RouteRun::buildObstacles() {
  const int layer = rq_.layer;
  const bool multilayer = board_.header.multilayer != 0;
  const int n = static_cast<int>(board_.objects.size());
  // Copper already joined to either pad may be crossed: the flood starts at the pads
  // themselves.
  std::vector<char> own(static_cast<std::size_t>(n), 0);
  Connectivity connectivity(board_);
  for (int pad : {rq_.padA, rq_.padB}) {
    for (int i : connectivity.flood(pad)) {
      if (isPresentOnLayer(*board_.objects[i], layer, multilayer)) own[i] = 1;
    }
  }
  bounds_ = unite(objectBounds(*a_), objectBounds(*b_));
  std::vector<char> added(static_cast<std::size_t>(n), 0);
  for (int i = 0; i < n; ++i) {
    const TObjekt& o = *board_.objects[i];
    if (!isPresentOnLayer(o, layer, multilayer) || o.cutout != 0 || own[i]) continue;
    TPolygon32 outline;
    if (o.kind == kPad && o.variant == kPadCircular) {
      TObjekt octagon = o;
      octagon.variant = kPadOctagon;
      octagon.points = padOutline(o.pos, o.dim.x, kPadOctagon, 0);
      outline = objectOutline(octagon, {}, 1);
    } else {
      outline = objectOutline(o, {}, 1);
    }
    obstacles_.add(std::move(outline));
    added[i] = 1;
    if (!isPureHole(o)) bounds_ = unite(bounds_, objectBounds(o));
  }
  // Drill holes of pads that sit on another layer.
  for (int i = 0; i < n; ++i) {
    const TObjekt& o = *board_.objects[i];
    if (o.kind != kPad || !isCopperLayer(o.layer) || added[i] || own[i]) continue;
    if (i == rq_.padA || i == rq_.padB) continue;
    const double r = o.dim.y;
    if (!(r > 0)) continue;
    TPolygon32 square;
    for (const DPoint& p : {DPoint{o.pos.x - r, o.pos.y - r}, DPoint{o.pos.x + r, o.pos.y - r},
                            DPoint{o.pos.x + r, o.pos.y + r}, DPoint{o.pos.x - r, o.pos.y + r}}) {
      addPoint(square, toFixedPoint(p.x, p.y, 1));
    }
    obstacles_.add(std::move(square));
  }
  obstacles_.index();
}

std::optional<RouteCellRect> RouteRun::routingArea() const {
  const double g = rq_.grid.pitch;
  const int limitX = roundToInt32(board_.header.width / g) - 1;
  const int limitY = roundToInt32(board_.header.height / g) - 1;
  RouteCellRect r{roundToInt32(bounds_.left / g), roundToInt32(-bounds_.bottom / g),
                  roundToInt32(bounds_.right / g), roundToInt32(-bounds_.top / g)};
  r.left = std::max(r.left - kRouteAreaMargin, 0);
  r.top = std::max(r.top - kRouteAreaMargin, 0);
  r.right = std::min(r.right + kRouteAreaMargin, limitX);
  r.bottom = std::min(r.bottom + kRouteAreaMargin, limitY);
  // Too wide for the map: shrink around the middle of the two pads, kept on the board.
  const auto fit = [](int& lo, int& hi, int s, int t, int limit) {
    const int span = hi - lo;
    if (span <= kRouteAreaSpan) return;
    const int in = (span - kRouteAreaSpan) / 2 + 1;
    const int width = span - 2 * in;
    lo = s + (t - s) / 2 - width / 2;
    lo = std::max(0, std::min(lo, limit - width));
    hi = lo + width;
  };
  fit(r.left, r.right, s_.x, t_.x, limitX);
  fit(r.top, r.bottom, s_.y, t_.y, limitY);
  if (r.right < r.left || r.bottom < r.top) return std::nullopt;
  return r;
}

std::int32_t RouteRun::classify(IPoint p) {
  const DPoint w = worldOf(rq_.grid, p);
  // Cells off the board are never used: the track stays on it.
  if (w.x < 0 || w.x > board_.header.width || w.y > 0 || w.y < -board_.header.height) {
    return kCellBlocked;
  }
  const double half = (static_cast<double>(rq_.width) + 2.0 * rq_.clearance) / 2;
  const bool blocked = obstacles_.blocksRect(unitsToMm(w.x - half), unitsToMm(w.y - half),
                                             unitsToMm(w.x + half), unitsToMm(w.y + half));
  return blocked ? kCellBlocked : kCellFree;
}

bool RouteRun::label(IPoint p) {
  std::int32_t& c = cell(p);
  if (c != kCellFree) return false;
  std::int32_t best = -1;
  for (IPoint d : {IPoint{-1, 0}, IPoint{0, -1}, IPoint{1, 0}, IPoint{0, 1}}) {
    const std::int32_t v = cell({p.x + d.x, p.y + d.y});
    if (v >= 0 && (best < 0 || v < best)) best = v;
  }
  if (best < 0) return false;
  c = best + 1;
  return true;
}

int RouteRun::wave(const RouteCellRect& window) {
  bool anyBlocked = false;
  for (int j = window.top; j <= window.bottom; ++j) {
    for (int i = window.left; i <= window.right; ++i) {
      std::int32_t& c = cell({i, j});
      if (c != kCellUnseen) continue;
      if (escape()) return kWaveEscape;
      c = classify({i, j});
      if (c == kCellBlocked) anyBlocked = true;
    }
  }
  cell(s_) = 0;
  cell(t_) = kCellFree;
  const int k = std::max({std::abs(window.left - s_.x), std::abs(window.right - s_.x),
                          std::abs(window.top - s_.y), std::abs(window.bottom - s_.y)});
  int sweeps = 0;
  bool productive = true;
  while (productive && sweeps < kRouteMaxSweeps) {
    productive = false;
    ++sweeps;
    for (int m = 1; m <= k; ++m) {
      ring_.clear();
      const auto take = [this](int i, int j) {
        if (strictlyInside({i, j})) ring_.push_back({i, j});
      };
      for (int i = s_.x - m; i <= s_.x + m; ++i) take(i, s_.y - m);
      for (int j = s_.y - m + 1; j <= s_.y + m; ++j) take(s_.x + m, j);
      for (int i = s_.x + m - 1; i >= s_.x - m; --i) take(i, s_.y + m);
      for (int j = s_.y + m - 1; j >= s_.y - m + 1; --j) take(s_.x - m, j);
      for (IPoint p : ring_) {
        if (label(p)) productive = true;
      }
      if (cell(t_) != kCellFree) return kWaveFound;
      if (escape()) return kWaveEscape;
    }
  }
  return sweeps == 1 || !anyBlocked ? kWaveHopeless : kWaveStuck;
}

TPolygon32 RouteRun::grownOutline(const TObjekt& track) const {
  TObjekt grown = track;
  grown.width = rq_.width + 2 * rq_.clearance;
  return objectOutline(grown, {}, 1);
}

bool RouteRun::diagonalAllowed(IPoint from, int direction) {
  const IPoint d = kRouteSteps[direction];
  const IPoint side1{from.x + d.x, from.y};
  const IPoint side2{from.x, from.y + d.y};
  const bool blocked1 = !inMap(side1) || cell(side1) == kCellBlocked;
  const bool blocked2 = !inMap(side2) || cell(side2) == kCellBlocked;
  if (!blocked1 && !blocked2) return true;
  if (blocked1 && blocked2) return false;
  TObjekt step = newObject();
  initTrack(step, rq_.width, static_cast<std::uint8_t>(rq_.layer));
  const DPoint p = worldOf(rq_.grid, from);
  const DPoint q = worldOf(rq_.grid, {from.x + d.x, from.y + d.y});
  step.points = {toFPoint(p), toFPoint(q)};
  return !obstacles_.blocksPolygon(grownOutline(step));
}

std::optional<TObjekt> RouteRun::trace() {
  TObjekt track = newObject();
  initTrack(track, rq_.width, static_cast<std::uint8_t>(rq_.layer));
  track.clearance = rq_.trackClearance;
  if (!sameRoutePoint(centreB_, worldOf(rq_.grid, t_))) track.points.push_back(centreB_);
  IPoint e = t_;
  int previous = -1;
  int loops = 0;
  while (true) {
    const FPoint here = toFPoint(worldOf(rq_.grid, e));
    bool loopRemoved = false;
    if (track.points.size() > 1) {
      const auto last = track.points.end() - 1;
      const auto found = std::find(track.points.begin(), last, here);
      if (found != last) {
        track.points.erase(found, track.points.end());
        loopRemoved = true;
        if (++loops > kRouteMaxLoops) return std::nullopt;
      }
    }
    if (cell(e) == 0) {
      if (loopRemoved || previous < 0 || !(here == centreA_)) track.points.push_back(here);
      break;
    }
    // Straight on first, then the directions beside it, then the rest.
    int choice = -1;
    std::int32_t best = 0;
    const auto consider = [&](int dir) {
      const IPoint n{e.x + kRouteSteps[dir].x, e.y + kRouteSteps[dir].y};
      if (!inMap(n)) return;
      const std::int32_t v = cell(n);
      if (v < 0 || (choice >= 0 && v >= best)) return;
      if (dir % 2 == 1 && !diagonalAllowed(e, dir)) return;
      choice = dir;
      best = v;
    };
    if (previous >= 0) {
      consider(previous);
      std::array<int, 3> near{(previous + 7) % 8, previous, (previous + 1) % 8};
      std::sort(near.begin(), near.end());
      for (int dir : near) consider(dir);
      for (int dir = 0; dir < 8; ++dir) {
        if (std::find(near.begin(), near.end(), dir) == near.end()) consider(dir);
      }
    } else {
      for (int dir = 0; dir < 8; ++dir) consider(dir);
    }
    if (choice < 0) return std::nullopt;
    if (choice != previous || loopRemoved) track.points.push_back(here);
    previous = choice;
    e = {e.x + kRouteSteps[choice].x, e.y + kRouteSteps[choice].y};
  }
  if (track.points.empty() || !(track.points.back() == centreA_)) {
    track.points.push_back(centreA_);
  }
  return track;
}

RouteReport RouteRun::finish(TObjekt track) {
  track.autorouted = 1;
  track.routeEndA = a_;
  track.routeEndB = b_;
  if (obstacles_.blocksPolygon(grownOutline(track))) return {};
  std::erase(a_->connections, b_);
  std::erase(b_->connections, a_);
  board_.objects.push_back(std::make_unique<TObjekt>(std::move(track)));
  const int index = static_cast<int>(board_.objects.size()) - 1;
  return {RouteOutcome::Routed, index, static_cast<int>(board_.objects.back()->points.size())};
}

RouteReport RouteRun::run() {
  const int n = static_cast<int>(board_.objects.size());
  if (rq_.padA < 0 || rq_.padA >= n || rq_.padB < 0 || rq_.padB >= n || rq_.padA == rq_.padB ||
      !(rq_.grid.pitch > 0)) {
    return {};
  }
  a_ = board_.objects[rq_.padA].get();
  b_ = board_.objects[rq_.padB].get();
  if (!isPadKind(a_->kind) || !isPadKind(b_->kind)) return {};
  centreA_ = routePadCentre(*a_);
  centreB_ = routePadCentre(*b_);
  buildObstacles();
  s_ = gridPointOf(rq_.grid, toDPoint(centreA_));
  t_ = gridPointOf(rq_.grid, toDPoint(centreB_));
  const std::optional<RouteCellRect> area = routingArea();
  if (!area) return {RouteOutcome::GridTooFine};
  area_ = *area;
  if (!strictlyInside(s_) || !strictlyInside(t_)) return {RouteOutcome::GridTooFine};
  // Pads within half a step of each other share a cell: the straight track may still do.
  if (s_ == t_) {
    TObjekt track = newObject();
    initTrack(track, rq_.width, static_cast<std::uint8_t>(rq_.layer));
    track.clearance = rq_.trackClearance;
    track.points = {centreB_, centreA_};
    return finish(std::move(track));
  }
  cells_.assign(static_cast<std::size_t>(kRouteCellsPerSide) * kRouteCellsPerSide, kCellUnseen);
  RouteCellRect window{std::min(s_.x, t_.x), std::min(s_.y, t_.y), std::max(s_.x, t_.x),
                       std::max(s_.y, t_.y)};
  bool found = false;
  bool hopelessBefore = false;
  while (true) {
    window = {std::max(window.left, area_.left), std::max(window.top, area_.top),
              std::min(window.right, area_.right), std::min(window.bottom, area_.bottom)};
    bool last = window == area_;
    if (monitor_.progress) {
      monitor_.progress(static_cast<int>(
          roundHalfEven(static_cast<double>(routeCellArea(window)) * 100 / routeCellArea(area_))));
    }
    const int result = wave(window);
    if (result == kWaveFound) {
      found = true;
      break;
    }
    if (result == kWaveHopeless) {
      if (hopelessBefore) last = true;
      hopelessBefore = true;
    } else {
      hopelessBefore = false;
    }
    if (result == kWaveEscape) last = true;
    if (last) break;
    window = {window.left - kRouteWindowGrowth, window.top - kRouteWindowGrowth,
              window.right + kRouteWindowGrowth, window.bottom + kRouteWindowGrowth};
  }
  if (monitor_.progress) monitor_.progress(100);
  if (!found) return {};
  std::optional<TObjekt> track = trace();
  if (!track) return {};
  return finish(std::move(*track));
}

}  // namespace

RouteReport routeConnection(Board& board, const RouteRequest& request,
                            const RouteMonitor& monitor) {
  return RouteRun(board, request, monitor).run();
}

bool dissolveRoute(Board& board, int track) {
  if (track < 0 || track >= static_cast<int>(board.objects.size())) return false;
  TObjekt& t = *board.objects[track];
  if (t.kind != kTrack || t.autorouted == 0) return false;
  const auto present = [&board](const TObjekt* pad) {
    return pad != nullptr && std::any_of(board.objects.begin(), board.objects.end(),
                                         [pad](const auto& o) { return o.get() == pad; });
  };
  if (!present(t.routeEndA) || !present(t.routeEndB) || t.routeEndA == t.routeEndB) {
    t.autorouted = 0;
    t.routeEndA = t.routeEndB = nullptr;
    return true;
  }
  TObjekt& a = *t.routeEndA;
  TObjekt& b = *t.routeEndB;
  if (std::find(a.connections.begin(), a.connections.end(), &b) == a.connections.end()) {
    a.connections.push_back(&b);
  }
  if (std::find(b.connections.begin(), b.connections.end(), &a) == b.connections.end()) {
    b.connections.push_back(&a);
  }
  freeObject(t);
  board.objects.erase(board.objects.begin() + track);
  return true;
}

}  // namespace pravelo
