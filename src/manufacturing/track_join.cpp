#include "manufacturing/track_join.h"

#include <cstdlib>
#include <deque>
#include <set>
#include <unordered_map>
#include <vector>

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/arc.h"

namespace pravelo {
namespace {

constexpr int kJoinCancelInterval = 1024;
constexpr std::int64_t kArcJoinTolerance = 4;
// Cells of the arc index are twice the tolerance, so a match lies in one of two cells per value.
constexpr std::int64_t kArcJoinCell = 8;

// A track end: rounded point, layer and width.
struct TrackEnd {
  std::int64_t x;
  std::int64_t y;
  std::int32_t width;
  std::uint8_t layer;
  friend bool operator==(const TrackEnd&, const TrackEnd&) = default;
};
struct TrackEndHash {
  std::size_t operator()(const TrackEnd& e) const {
    std::size_t h = std::hash<std::int64_t>()(e.x);
    h = h * 1000003 ^ std::hash<std::int64_t>()(e.y);
    h = h * 1000003 ^ std::hash<std::int32_t>()(e.width);
    return h * 31 + e.layer;
  }
};

TrackEnd endAt(const TObjekt& t, const FPoint& p) {
  return {roundHalfEven(p.x), roundHalfEven(p.y), t.width, t.layer};
}

// Phase 1: joins tracks through an index of their ends. Returns the tracks taken up.
std::vector<bool> joinTracks(ObjectList& objects, const std::function<bool()>& cancelled) {
  std::vector<bool> absorbed(objects.size(), false);
  std::unordered_map<TrackEnd, std::set<std::size_t>, TrackEndHash> ends;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& t = *objects[i];
    if (t.kind != kTrack || t.points.size() < 2) continue;
    ends[endAt(t, t.points.front())].insert(i);
    ends[endAt(t, t.points.back())].insert(i);
  }
  const auto forget = [&](std::size_t q) {
    const TObjekt& t = *objects[q];
    ends[endAt(t, t.points.front())].erase(q);
    ends[endAt(t, t.points.back())].erase(q);
  };
  // The first later track with an end at `e`.
  const auto nextAt = [&](const TrackEnd& e, std::size_t after) -> std::size_t {
    const auto found = ends.find(e);
    if (found == ends.end()) return objects.size();
    const auto q = found->second.upper_bound(after);
    return q == found->second.end() ? objects.size() : *q;
  };
  int sinceAsked = 0;
  for (std::size_t p = 0; p < objects.size(); ++p) {
    TObjekt& track = *objects[p];
    if (absorbed[p] || track.kind != kTrack || track.points.size() < 2) continue;
    std::deque<FPoint> line(track.points.begin(), track.points.end());
    for (;;) {
      if (cancelled && ++sinceAsked >= kJoinCancelInterval) {
        sinceAsked = 0;
        if (cancelled()) {
          track.points.assign(line.begin(), line.end());
          return absorbed;
        }
      }
      const TrackEnd first = endAt(track, line.front());
      const TrackEnd last = endAt(track, line.back());
      const std::size_t q = std::min(nextAt(first, p), nextAt(last, p));
      if (q == objects.size()) break;
      const std::vector<FPoint>& other = objects[q]->points;
      const TrackEnd otherFirst = endAt(*objects[q], other.front());
      if (first == otherFirst) {
        for (std::size_t k = 1; k < other.size(); ++k) line.push_front(other[k]);
      } else if (first == endAt(*objects[q], other.back())) {
        for (std::size_t k = other.size() - 1; k-- > 0;) line.push_front(other[k]);
      } else if (last == otherFirst) {
        for (std::size_t k = 1; k < other.size(); ++k) line.push_back(other[k]);
      } else {
        for (std::size_t k = other.size() - 1; k-- > 0;) line.push_back(other[k]);
      }
      forget(q);
      absorbed[q] = true;
    }
    track.points.assign(line.begin(), line.end());
  }
  return absorbed;
}

// An arc by its circle and one of its angles, in cells of the index.
struct ArcKey {
  std::uint8_t layer;
  std::int64_t cell[5];  // centre x, centre y, outer, inner, angle
  friend bool operator==(const ArcKey&, const ArcKey&) = default;
};
struct ArcKeyHash {
  std::size_t operator()(const ArcKey& k) const {
    std::size_t h = k.layer;
    for (std::int64_t c : k.cell) h = h * 1000003 ^ std::hash<std::int64_t>()(c);
    return h;
  }
};
using ArcIndex = std::unordered_map<ArcKey, std::set<std::size_t>, ArcKeyHash>;

constexpr std::int64_t kArcAngleCells = kFullCircleMilliDeg / kArcJoinCell;

std::int64_t floorCell(double v) {
  const std::int64_t r = roundHalfEven(v);
  return r >= 0 ? r / kArcJoinCell : -((-r + kArcJoinCell - 1) / kArcJoinCell);
}

std::int64_t angleOf(std::int32_t a) { return normalised(MilliDeg{a}).value; }

ArcKey arcKey(const TObjekt& c, std::int32_t angle) {
  return {c.layer,
          {floorCell(c.pos.x), floorCell(c.pos.y), floorCell(c.dim.x), floorCell(c.dim.y),
           angleOf(angle) / kArcJoinCell}};
}

bool within(double a, double b) { return std::abs(a - b) <= kArcJoinTolerance; }

bool anglesMeet(std::int32_t a, std::int32_t b) {
  std::int64_t d = std::abs(angleOf(a) - angleOf(b));
  d = std::min<std::int64_t>(d, kFullCircleMilliDeg - d);
  return d <= kArcJoinTolerance;
}

bool sameCircle(const TObjekt& a, const TObjekt& b) {
  return a.layer == b.layer && within(a.pos.x, b.pos.x) && within(a.pos.y, b.pos.y) &&
         within(a.dim.x, b.dim.x) && within(a.dim.y, b.dim.y);
}

// The arc whose indexed angle meets `angle` on the circle of `p`, other than `p`.
std::size_t arcMeeting(const ArcIndex& index, const ObjectList& objects, std::size_t p,
                       std::int32_t angle, bool byStop) {
  const TObjekt& c = *objects[p];
  const ArcKey centre = arcKey(c, angle);
  const double values[5] = {c.pos.x, c.pos.y, c.dim.x, c.dim.y, double(angleOf(angle))};
  std::size_t best = objects.size();
  for (int mask = 0; mask < 32; ++mask) {
    ArcKey k = centre;
    for (int d = 0; d < 5; ++d) {
      if ((mask >> d & 1) == 0) continue;
      // The neighbour cell on the side the value lies nearer to.
      const double inCell = values[d] - static_cast<double>(centre.cell[d]) * kArcJoinCell;
      k.cell[d] += inCell < kArcJoinCell / 2 ? -1 : 1;
    }
    k.cell[4] = (k.cell[4] % kArcAngleCells + kArcAngleCells) % kArcAngleCells;
    const auto found = index.find(k);
    if (found == index.end()) continue;
    for (std::size_t q : found->second) {
      if (q == p || q >= best) continue;
      const TObjekt& other = *objects[q];
      const std::int32_t otherAngle = byStop ? other.width : other.paramA;
      if (sameCircle(c, other) && anglesMeet(angle, otherAngle)) best = q;
    }
  }
  return best;
}

bool isArc(const TObjekt& o) {
  return o.kind == kCircle && !isFullCircle(circleStartAngle(o), circleStopAngle(o));
}

// Phase 3: arcs of one circle that continue each other become one.
void joinArcs(ObjectList& objects, std::vector<bool>& absorbed) {
  ArcIndex byStart;
  ArcIndex byStop;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (absorbed[i] || !isArc(*objects[i])) continue;
    byStart[arcKey(*objects[i], objects[i]->paramA)].insert(i);
    byStop[arcKey(*objects[i], objects[i]->width)].insert(i);
  }
  const auto unindex = [&](std::size_t q) {
    byStart[arcKey(*objects[q], objects[q]->paramA)].erase(q);
    byStop[arcKey(*objects[q], objects[q]->width)].erase(q);
  };
  for (std::size_t p = 0; p < objects.size(); ++p) {
    if (absorbed[p] || !isArc(*objects[p])) continue;
    TObjekt& arc = *objects[p];
    for (;;) {
      std::size_t q = arcMeeting(byStop, objects, p, arc.paramA, true);
      if (q < objects.size()) {
        unindex(p);
        arc.paramA = objects[q]->paramA;
      } else {
        q = arcMeeting(byStart, objects, p, arc.width, false);
        if (q == objects.size()) break;
        unindex(p);
        arc.width = objects[q]->width;
      }
      unindex(q);
      absorbed[q] = true;
      if (!isArc(arc)) break;
      byStart[arcKey(arc, arc.paramA)].insert(p);
      byStop[arcKey(arc, arc.width)].insert(p);
    }
  }
}

}  // namespace

void optimizeConnectedTracks(ObjectList& objects, const std::function<bool()>& cancelled) {
  std::vector<bool> absorbed = joinTracks(objects, cancelled);
  joinArcs(objects, absorbed);
  std::size_t i = 0;
  std::erase_if(objects, [&](const auto&) { return absorbed[i++]; });
}

}  // namespace pravelo
