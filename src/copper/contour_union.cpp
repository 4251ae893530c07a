#include "copper/contour_union.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <tuple>

#include "base/units.h"
#include "copper/exact_division.h"

namespace pravelo {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr std::int32_t kLattice = 10;
// Passes of the crossing step; a handful is the most any layout has needed.
constexpr int kMaxIntersectionPasses = 16;

std::int32_t snapped(std::int32_t v) {
  return roundToInt32(static_cast<double>(divideRounded(v, kLattice) * kLattice));
}

// Sum of the turn values against the sum of their complements: positive when the contour
// turns left more than right. Repeated nodes are passed over: a zero-length edge has no
// direction, and a turn measured against it could flip the verdict (a dot's capsule repeats
// the node where its two caps meet).
bool turnsMostlyLeft(const Contour& c) {
  Contour distinct;
  distinct.reserve(c.size());
  for (const IPoint& p : c) {
    if (distinct.empty() || distinct.back() != p) distinct.push_back(p);
  }
  while (distinct.size() > 1 && distinct.back() == distinct.front()) distinct.pop_back();
  double left = 0;
  double right = 0;
  const std::size_t n = distinct.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double t = turnValue(distinct[i], distinct[(i + 1) % n], distinct[(i + 2) % n]);
    left += t;
    right += kTwoPi - t;
  }
  return left > right;
}

// Which edges of each contour have not been tested against the others yet.
using FreshEdges = std::vector<std::vector<char>>;

// Removes consecutive duplicate nodes (the last one is compared with the first). `inserted`
// runs alongside: a node counts as inserted only when every copy of it was, so that finding a
// crossing again at an existing node changes nothing.
void removeConsecutiveDuplicates(Contour& c, std::vector<char>& inserted) {
  Contour kept;
  std::vector<char> keptInserted;
  kept.reserve(c.size());
  for (std::size_t k = 0; k < c.size(); ++k) {
    if (!kept.empty() && kept.back() == c[k]) {
      keptInserted.back() = keptInserted.back() && inserted[k];
      continue;
    }
    kept.push_back(c[k]);
    keptInserted.push_back(inserted[k]);
  }
  while (kept.size() > 1 && kept.back() == kept.front()) {
    keptInserted.front() = keptInserted.front() && keptInserted.back();
    kept.pop_back();
    keptInserted.pop_back();
  }
  c = std::move(kept);
  inserted = std::move(keptInserted);
}

TRect edgeRect(IPoint a, IPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// A crossing queued on the start node of an edge. Crossings on one edge are ordered by their
// Manhattan distance from the start node and, at equal distance, by the order in which the
// pairwise walk over contours (i < j) and their edges would have found them.
struct Crossing {
  std::uint64_t edge;  // contour << 32 | edge index
  std::int64_t distance;
  std::uint64_t foundPair;   // contour i << 32 | contour j
  std::uint64_t foundEdges;  // edge of i << 32 | edge of j
  IPoint p;

  int contour() const { return static_cast<int>(edge >> 32); }
  friend bool operator<(const Crossing& a, const Crossing& b) {
    return std::tie(a.edge, a.distance, a.foundPair, a.foundEdges) <
           std::tie(b.edge, b.distance, b.foundPair, b.foundEdges);
  }
};

std::uint64_t packed(std::size_t high, std::size_t low) {
  return static_cast<std::uint64_t>(high) << 32 | static_cast<std::uint32_t>(low);
}

bool nearEachOther(const TRect& a, const TRect& b) {
  return std::int64_t{b.left} <= std::int64_t{a.right} + 2 &&
         std::int64_t{a.left} <= std::int64_t{b.right} + 2 &&
         std::int64_t{b.top} <= std::int64_t{a.bottom} + 2 &&
         std::int64_t{a.top} <= std::int64_t{b.bottom} + 2;
}

// Pairs of contours (i < j), at least one of them changed, whose bounds widened by one unit
// meet: by a sweep over the bounds sorted by their left edge, or, when only a few contours
// changed, by comparing those with all others.
std::vector<std::pair<int, int>> candidatePairs(const std::vector<TRect>& bounds,
                                                const std::vector<char>& changed) {
  std::vector<std::pair<int, int>> pairs;
  std::vector<int> order;
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    if (changed[i]) order.push_back(static_cast<int>(i));
  }
  if (order.size() * 64 < bounds.size()) {
    for (const int i : order) {
      for (std::size_t j = 0; j < bounds.size(); ++j) {
        const int k = static_cast<int>(j);
        if (k == i || (changed[j] && k < i) || !nearEachOther(bounds[i], bounds[j])) continue;
        pairs.emplace_back(std::min(i, k), std::max(i, k));
      }
    }
    return pairs;
  }
  order.resize(bounds.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(),
            [&](int a, int b) { return bounds[a].left < bounds[b].left; });
  for (std::size_t k = 0; k < order.size(); ++k) {
    const TRect& a = bounds[order[k]];
    for (std::size_t m = k + 1; m < order.size(); ++m) {
      const TRect& b = bounds[order[m]];
      if (std::int64_t{b.left} > std::int64_t{a.right} + 2) break;
      if (!nearEachOther(a, b) || !(changed[order[k]] || changed[order[m]])) continue;
      pairs.emplace_back(std::min(order[k], order[m]), std::max(order[k], order[m]));
    }
  }
  return pairs;
}

// The edges of one contour whose bounds meet `area`, in the order of their left edges.
void edgesMeeting(const std::vector<TRect>& rects, const std::vector<int>& byLeft,
                  const TRect& area, std::vector<int>& out) {
  out.clear();
  for (const int e : byLeft) {
    if (rects[e].left > area.right) break;
    if (rectsIntersect(rects[e], area)) out.push_back(e);
  }
}

// The working lists of the sweep over the edges of two contours, kept from pair to pair to spare
// allocations: the edges of b near a and of a near b, and the edges whose x range is still open.
struct SweepLists {
  std::vector<int> nearA;
  std::vector<int> nearB;
  std::vector<int> activeA;
  std::vector<int> activeB;
};

// Drops the edges that end left of x; the others keep their order.
void dropEndedBefore(std::vector<int>& active, const std::vector<TRect>& rects, std::int32_t x) {
  std::erase_if(active, [&](int e) { return rects[e].right < x; });
}

void collectCrossings(const ContourList& contours, int i, int j,
                      const std::vector<std::vector<TRect>>& edgeRects,
                      const std::vector<std::vector<int>>& byLeft, const std::vector<TRect>& bounds,
                      const FreshEdges& fresh, SweepLists& lists, std::vector<Crossing>& out) {
  const Contour& a = contours[i];
  const Contour& b = contours[j];
  const std::vector<TRect>& rectsA = edgeRects[i];
  const std::vector<TRect>& rectsB = edgeRects[j];
  const auto test = [&](std::size_t ea, std::size_t eb) {
    if (!(fresh[i][ea] || fresh[j][eb])) return;
    if (!rectsIntersect(rectsA[ea], rectsB[eb])) return;
    const IPoint a1 = a[ea];
    const IPoint a2 = a[(ea + 1) % a.size()];
    const IPoint b1 = b[eb];
    const IPoint b2 = b[(eb + 1) % b.size()];
    // Edges that share an end meet only there, which is a node of both already. The pieces
    // either side of every inserted crossing are such pairs, so this spares the exact test
    // for most of the pairs of the pass that checks the new pieces.
    if (a1 == b1 || a1 == b2 || a2 == b1 || a2 == b2) return;
    const auto hit = edgeCrossing(a1, a2, b1, b2);
    if (!hit) return;
    auto manhattan = [&](IPoint s) {
      return std::llabs(std::int64_t{hit->x} - s.x) + std::llabs(std::int64_t{hit->y} - s.y);
    };
    const std::uint64_t pair = packed(i, j);
    const std::uint64_t edges = packed(ea, eb);
    // A crossing at an end of an edge is a node of it already.
    if (*hit != a1 && *hit != a2) out.push_back({packed(i, ea), manhattan(a1), pair, edges, *hit});
    if (*hit != b1 && *hit != b2) out.push_back({packed(j, eb), manhattan(b1), pair, edges, *hit});
  };
  // Only edges that reach into the other contour's bounds can cross it. A sweep over both
  // lists by left edge meets every pair whose x ranges overlap once; the crossings are sorted
  // afterwards, so the order they are found in does not matter.
  auto& [nearA, nearB, activeA, activeB] = lists;
  edgesMeeting(rectsA, byLeft[i], bounds[j], nearB);
  edgesMeeting(rectsB, byLeft[j], bounds[i], nearA);
  activeA.clear();
  activeB.clear();
  std::size_t pa = 0;
  std::size_t pb = 0;
  while (pa < nearB.size() || pb < nearA.size()) {
    const bool fromA = pb == nearA.size() ||
                       (pa < nearB.size() && rectsA[nearB[pa]].left <= rectsB[nearA[pb]].left);
    if (fromA) {
      const int ea = nearB[pa++];
      dropEndedBefore(activeB, rectsB, rectsA[ea].left);
      for (const int eb : activeB) test(ea, eb);
      activeA.push_back(ea);
    } else {
      const int eb = nearA[pb++];
      dropEndedBefore(activeA, rectsA, rectsB[eb].left);
      for (const int ea : activeA) test(ea, eb);
      activeB.push_back(eb);
    }
  }
}

// One pass of the pairwise crossing step. Two edges that both met every other edge in the
// previous pass are not tested again: their crossings are nodes already. Afterwards only the
// pieces next to new nodes are fresh.
void intersectionPass(ContourList& contours, FreshEdges& fresh) {
  std::vector<TRect> bounds;
  std::vector<char> changed;
  std::vector<std::vector<TRect>> edgeRects(contours.size());
  std::vector<std::vector<int>> byLeft(contours.size());
  for (std::size_t i = 0; i < contours.size(); ++i) {
    const Contour& c = contours[i];
    bounds.push_back(contourBounds(c));
    changed.push_back(std::find(fresh[i].begin(), fresh[i].end(), 1) != fresh[i].end());
    for (std::size_t e = 0; e < c.size(); ++e) {
      edgeRects[i].push_back(edgeRect(c[e], c[(e + 1) % c.size()]));
    }
    byLeft[i].resize(c.size());
    for (std::size_t e = 0; e < c.size(); ++e) byLeft[i][e] = static_cast<int>(e);
    std::sort(byLeft[i].begin(), byLeft[i].end(),
              [&](int x, int y) { return edgeRects[i][x].left < edgeRects[i][y].left; });
  }
  std::vector<Crossing> crossings;
  SweepLists lists;
  for (const auto& [i, j] : candidatePairs(bounds, changed)) {
    if (contours[i].empty() || contours[j].empty()) continue;
    collectCrossings(contours, i, j, edgeRects, byLeft, bounds, fresh, lists, crossings);
  }
  std::sort(crossings.begin(), crossings.end());

  auto next = crossings.begin();
  for (std::size_t i = 0; i < contours.size(); ++i) {
    Contour& c = contours[i];
    Contour merged;
    std::vector<char> inserted;
    merged.reserve(c.size());
    for (std::size_t e = 0; e < c.size(); ++e) {
      merged.push_back(c[e]);
      inserted.push_back(0);
      for (; next != crossings.end() && next->edge == packed(i, e); ++next) {
        merged.push_back(next->p);
        inserted.push_back(1);
      }
    }
    removeConsecutiveDuplicates(merged, inserted);
    c = std::move(merged);
    fresh[i].assign(c.size(), 0);
    for (std::size_t e = 0; e < c.size(); ++e) {
      fresh[i][e] = inserted[e] || inserted[(e + 1) % c.size()];
    }
  }
}

}  // namespace

void snapContours(ContourList& contours) {
  for (Contour& c : contours) {
    for (IPoint& p : c) p = {snapped(p.x), snapped(p.y)};
  }
}

void orientContours(ContourList& contours) {
  for (Contour& c : contours) {
    std::reverse(c.begin(), c.end());
    if (turnsMostlyLeft(c)) std::reverse(c.begin(), c.end());
  }
}

void insertIntersections(ContourList& contours) {
  // Crossings are rounded to whole units, so the pieces of a cut edge lie slightly off the
  // original line and may cross an edge nearby that the original did not. Left alone, such a
  // hidden crossing lets a walk slip from one boundary onto another and lose a whole loop, so
  // the pass is repeated until it finds nothing new.
  FreshEdges fresh;
  for (const Contour& c : contours) fresh.emplace_back(c.size(), 1);
  for (int pass = 0; pass < kMaxIntersectionPasses; ++pass) {
    intersectionPass(contours, fresh);
    const bool anyFresh = std::any_of(fresh.begin(), fresh.end(), [](const std::vector<char>& f) {
      return std::find(f.begin(), f.end(), 1) != f.end();
    });
    if (!anyFresh) return;
  }
}

UnionGraph buildUnionGraph(const ContourList& contours) {
  UnionGraph graph;
  std::size_t total = 0;
  for (const Contour& c : contours) total += c.size();
  graph.nodes.reserve(total);
  std::vector<int> next;
  next.reserve(total);
  for (const Contour& c : contours) {
    const int offset = static_cast<int>(graph.nodes.size());
    const int n = static_cast<int>(c.size());
    for (int k = 0; k < n; ++k) {
      UnionNode node;
      node.p = c[k];
      node.previous = offset + (k + n - 1) % n;
      graph.nodes.push_back(node);
      next.push_back(offset + (k + 1) % n);
    }
  }
  // Nodes at the same place, found by sorting: within a place they stay in index order.
  struct Placed {
    IPoint p;
    int node;
  };
  std::vector<Placed> byPlace;
  byPlace.reserve(total);
  for (std::size_t i = 0; i < total; ++i)
    byPlace.push_back({graph.nodes[i].p, static_cast<int>(i)});
  std::sort(byPlace.begin(), byPlace.end(), [](const Placed& a, const Placed& b) {
    return std::tie(a.p.x, a.p.y, a.node) < std::tie(b.p.x, b.p.y, b.node);
  });
  graph.successors.reserve(total);
  for (std::size_t first = 0; first < byPlace.size();) {
    std::size_t last = first + 1;
    while (last < byPlace.size() && byPlace[last].p == byPlace[first].p) ++last;
    for (std::size_t k = first; k < last; ++k) {
      UnionNode& node = graph.nodes[byPlace[k].node];
      node.firstSuccessor = static_cast<int>(graph.successors.size());
      node.successorCount = static_cast<int>(last - first);
      graph.successors.push_back(next[byPlace[k].node]);
      for (std::size_t m = first; m < last; ++m) {
        if (m != k) graph.successors.push_back(next[byPlace[m].node]);
      }
    }
    first = last;
  }
  return graph;
}

std::span<const int> successorsOf(const UnionGraph& graph, int node) {
  const UnionNode& n = graph.nodes[node];
  return {graph.successors.data() + n.firstSuccessor, static_cast<std::size_t>(n.successorCount)};
}

std::optional<Contour> traceLoop(UnionGraph& graph, int start,
                                 std::optional<std::size_t> stepLimit) {
  std::vector<UnionNode>& nodes = graph.nodes;
  if (start < 0 || start >= static_cast<int>(nodes.size()) || nodes[start].walk != 0) {
    return std::nullopt;
  }
  const int walk = ++graph.walks;
  std::vector<int> path{start};
  nodes[start].walk = walk;
  nodes[start].pathIndex = 0;
  IPoint previous = nodes[nodes[start].previous].p;
  int current = start;
  const std::size_t steps = std::min(stepLimit.value_or(nodes.size()), nodes.size());
  for (std::size_t step = 0; step < steps; ++step) {
    const UnionNode& here = nodes[current];
    const std::span<const int> successors = successorsOf(graph, current);
    int choice = successors.front();
    if (successors.size() > 1) {
      const double in = contourDirection(previous, here.p);
      double best = turnBetween(in, contourDirection(here.p, nodes[choice].p));
      for (std::size_t k = 1; k < successors.size(); ++k) {
        const int candidate = successors[k];
        double value = turnBetween(in, contourDirection(here.p, nodes[candidate].p));
        if (value < 0.001) value = kTwoPi;
        if (value >= best) {
          best = value;
          choice = candidate;
        }
      }
    }
    UnionNode& chosen = nodes[choice];
    if (chosen.walk == walk) {
      Contour loop;
      for (std::size_t k = static_cast<std::size_t>(chosen.pathIndex); k < path.size(); ++k) {
        loop.push_back(nodes[path[k]].p);
      }
      return loop;
    }
    if (chosen.walk != 0) return std::nullopt;
    chosen.walk = walk;
    chosen.pathIndex = static_cast<int>(path.size());
    path.push_back(choice);
    previous = here.p;
    current = choice;
  }
  return std::nullopt;
}

ContourList unionLoops(ContourList contours) {
  snapContours(contours);
  orientContours(contours);
  insertIntersections(contours);
  UnionGraph graph = buildUnionGraph(contours);
  ContourList loops;
  for (std::size_t start = 0; start < graph.nodes.size(); ++start) {
    if (graph.nodes[start].walk != 0) continue;
    if (auto loop = traceLoop(graph, static_cast<int>(start))) loops.push_back(std::move(*loop));
  }
  return loops;
}

}  // namespace pravelo
