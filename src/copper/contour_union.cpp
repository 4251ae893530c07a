#include "copper/contour_union.h"

#include <algorithm>
#include <cstdint>
#include <numbers>
#include <tuple>
#include <unordered_map>

#include "copper/exact_division.h"
#include "geometry/units.h"

namespace pravelo {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr std::int32_t kLattice = 10;

std::int32_t snapped(std::int32_t v) {
  return roundToInt32(static_cast<double>(divideRounded(v, kLattice) * kLattice));
}

// Sum of the turn values against the sum of their complements: positive when the contour
// turns left more than right.
bool turnsMostlyLeft(const Contour& c) {
  double left = 0;
  double right = 0;
  const std::size_t n = c.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double t = turnValue(c[i], c[(i + 1) % n], c[(i + 2) % n]);
    left += t;
    right += kTwoPi - t;
  }
  return left > right;
}

void removeConsecutiveDuplicates(Contour& c) {
  Contour kept;
  kept.reserve(c.size());
  for (const IPoint& p : c) {
    if (kept.empty() || kept.back() != p) kept.push_back(p);
  }
  while (kept.size() > 1 && kept.back() == kept.front()) kept.pop_back();
  c = std::move(kept);
}

TRect edgeRect(IPoint a, IPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// A crossing queued on the start node of an edge. Crossings on one edge are ordered by their
// Manhattan distance from the start node and, at equal distance, by the order in which the
// pairwise walk over contours (i < j) and their edges would have found them.
struct Crossing {
  int contour;
  int edge;
  std::int64_t distance;
  std::tuple<int, int, int, int> found;  // contour i, contour j, edge of i, edge of j
  IPoint p;
};

// Pairs of contours (i < j) whose bounds, widened by one unit, meet; found by a sweep over the
// bounds sorted by their left edge.
std::vector<std::pair<int, int>> candidatePairs(const std::vector<TRect>& bounds) {
  std::vector<int> order(bounds.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(),
            [&](int a, int b) { return bounds[a].left < bounds[b].left; });
  std::vector<std::pair<int, int>> pairs;
  for (std::size_t k = 0; k < order.size(); ++k) {
    const TRect& a = bounds[order[k]];
    for (std::size_t m = k + 1; m < order.size(); ++m) {
      const TRect& b = bounds[order[m]];
      if (std::int64_t{b.left} > std::int64_t{a.right} + 2) break;
      if (std::int64_t{b.top} > std::int64_t{a.bottom} + 2 ||
          std::int64_t{a.top} > std::int64_t{b.bottom} + 2) {
        continue;
      }
      pairs.emplace_back(std::min(order[k], order[m]), std::max(order[k], order[m]));
    }
  }
  return pairs;
}

void collectCrossings(const ContourList& contours, int i, int j,
                      const std::vector<std::vector<TRect>>& edgeRects,
                      const std::vector<TRect>& bounds, std::vector<Crossing>& out) {
  const Contour& a = contours[i];
  const Contour& b = contours[j];
  for (std::size_t ea = 0; ea < a.size(); ++ea) {
    if (!rectsIntersect(edgeRects[i][ea], bounds[j])) continue;
    const IPoint a1 = a[ea];
    const IPoint a2 = a[(ea + 1) % a.size()];
    for (std::size_t eb = 0; eb < b.size(); ++eb) {
      if (!rectsIntersect(edgeRects[i][ea], edgeRects[j][eb])) continue;
      const IPoint b1 = b[eb];
      const auto hit = edgeCrossing(a1, a2, b1, b[(eb + 1) % b.size()]);
      if (!hit) continue;
      const auto found = std::make_tuple(i, j, static_cast<int>(ea), static_cast<int>(eb));
      auto manhattan = [&](IPoint s) {
        return std::llabs(std::int64_t{hit->x} - s.x) + std::llabs(std::int64_t{hit->y} - s.y);
      };
      out.push_back({i, static_cast<int>(ea), manhattan(a1), found, *hit});
      out.push_back({j, static_cast<int>(eb), manhattan(b1), found, *hit});
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
  std::vector<TRect> bounds;
  std::vector<std::vector<TRect>> edgeRects(contours.size());
  for (std::size_t i = 0; i < contours.size(); ++i) {
    const Contour& c = contours[i];
    bounds.push_back(contourBounds(c));
    for (std::size_t e = 0; e < c.size(); ++e) {
      edgeRects[i].push_back(edgeRect(c[e], c[(e + 1) % c.size()]));
    }
  }
  std::vector<Crossing> crossings;
  for (const auto& [i, j] : candidatePairs(bounds)) {
    if (contours[i].empty() || contours[j].empty()) continue;
    collectCrossings(contours, i, j, edgeRects, bounds, crossings);
  }
  std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) {
    return std::tie(a.contour, a.edge, a.distance, a.found) <
           std::tie(b.contour, b.edge, b.distance, b.found);
  });

  auto next = crossings.begin();
  for (std::size_t i = 0; i < contours.size(); ++i) {
    Contour& c = contours[i];
    if (next != crossings.end() && next->contour == static_cast<int>(i)) {
      Contour merged;
      merged.reserve(c.size());
      for (std::size_t e = 0; e < c.size(); ++e) {
        merged.push_back(c[e]);
        for (; next != crossings.end() && next->contour == static_cast<int>(i) &&
               next->edge == static_cast<int>(e);
             ++next) {
          merged.push_back(next->p);
        }
      }
      c = std::move(merged);
    }
    removeConsecutiveDuplicates(c);
  }
}

UnionGraph buildUnionGraph(const ContourList& contours) {
  UnionGraph graph;
  std::vector<int> next;
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
  std::unordered_map<std::uint64_t, std::vector<int>> atPoint;
  auto key = [](IPoint p) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32 |
           static_cast<std::uint32_t>(p.y);
  };
  for (std::size_t i = 0; i < graph.nodes.size(); ++i) {
    atPoint[key(graph.nodes[i].p)].push_back(static_cast<int>(i));
  }
  for (std::size_t i = 0; i < graph.nodes.size(); ++i) {
    UnionNode& node = graph.nodes[i];
    node.successors.push_back(next[i]);
    for (const int other : atPoint[key(node.p)]) {
      if (other != static_cast<int>(i)) node.successors.push_back(next[other]);
    }
  }
  return graph;
}

std::optional<Contour> traceLoop(UnionGraph& graph, int start) {
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
  // A walk that has not met itself after visiting every node never will.
  for (std::size_t step = 0; step < nodes.size(); ++step) {
    const UnionNode& here = nodes[current];
    int choice = here.successors.front();
    double best = turnValue(previous, here.p, nodes[choice].p);
    for (std::size_t k = 1; k < here.successors.size(); ++k) {
      const int candidate = here.successors[k];
      double value = turnValue(previous, here.p, nodes[candidate].p);
      if (value < 0.001) value = kTwoPi;
      if (value >= best) {
        best = value;
        choice = candidate;
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
