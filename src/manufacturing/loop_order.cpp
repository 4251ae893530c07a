#include "manufacturing/loop_order.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "base/units.h"
#include "geometry/point.h"

namespace pravelo {
namespace {

struct NodeRef {
  int loop;
  int node;
};

// Every node in plotter units, bucketed in square cells, so that the nearest one is found by
// searching outward ring by ring instead of over all nodes.
class NodeCells {
 public:
  NodeCells(const std::vector<std::vector<IPoint>>& points, std::size_t count) {
    IPoint lo{0, 0};  // the start point 0,0 lies inside the grid too
    IPoint hi{0, 0};
    for (const auto& loop : points) {
      for (const IPoint& p : loop) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
      }
    }
    origin_ = lo;
    const double w = static_cast<double>(hi.x) - lo.x + 1;
    const double h = static_cast<double>(hi.y) - lo.y + 1;
    size_ = std::max(1.0, std::ceil(std::sqrt(w * h * 2.0 / std::max<std::size_t>(count, 1))));
    while ((w / size_ + 1) * (h / size_ + 1) > 4.0 * static_cast<double>(count) + 16) size_ *= 2;
    columns_ = cellOf(hi.x, lo.x) + 1;
    rows_ = cellOf(hi.y, lo.y) + 1;
    cells_.resize(static_cast<std::size_t>(columns_) * rows_);
    for (std::size_t l = 0; l < points.size(); ++l) {
      for (std::size_t n = 0; n < points[l].size(); ++n) {
        cell(points[l][n]).push_back({static_cast<int>(l), static_cast<int>(n)});
      }
    }
  }

  void remove(int loop, const std::vector<IPoint>& nodes) {
    for (const IPoint& p : nodes) {
      auto& c = cell(p);
      const auto it = std::ranges::find_if(c, [&](const NodeRef& r) { return r.loop == loop; });
      if (it != c.end()) {
        *it = c.back();
        c.pop_back();
      }
    }
  }

  // The nearest node to `from`: smallest squared distance, then earliest loop position, then
  // earliest node.
  NodeRef nearest(IPoint from, const std::vector<std::vector<IPoint>>& points,
                  const std::vector<int>& position) const {
    const int c0 = cellOf(from.x, origin_.x);
    const int r0 = cellOf(from.y, origin_.y);
    NodeRef best{-1, -1};
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    const auto better = [&](const NodeRef& r, std::int64_t d) {
      if (best.loop < 0 || d != bestDistance) return d < bestDistance;
      if (position[r.loop] != position[best.loop]) return position[r.loop] < position[best.loop];
      return r.node < best.node;
    };
    const int rings = std::max(columns_, rows_);
    for (int ring = 0; ring <= rings; ++ring) {
      // Every node outside the rings searched so far is at least this far away.
      const double reach = std::max(0, ring - 1) * size_;
      if (best.loop >= 0 && reach * reach > static_cast<double>(bestDistance)) break;
      for (int r = r0 - ring; r <= r0 + ring; ++r) {
        if (r < 0 || r >= rows_) continue;
        const bool edgeRow = r == r0 - ring || r == r0 + ring;
        for (int c = c0 - ring; c <= c0 + ring; c += edgeRow ? 1 : 2 * std::max(ring, 1)) {
          if (c < 0 || c >= columns_) continue;
          for (const NodeRef& ref : cells_[static_cast<std::size_t>(r) * columns_ + c]) {
            const IPoint p = points[ref.loop][ref.node];
            const std::int64_t dx = std::int64_t{p.x} - from.x;
            const std::int64_t dy = std::int64_t{p.y} - from.y;
            const std::int64_t d = dx * dx + dy * dy;
            if (better(ref, d)) {
              best = ref;
              bestDistance = d;
            }
          }
        }
      }
    }
    return best;
  }

 private:
  int cellOf(std::int32_t v, std::int32_t origin) const {
    return static_cast<int>(std::floor((static_cast<double>(v) - origin) / size_));
  }
  std::vector<NodeRef>& cell(IPoint p) {
    return cells_[static_cast<std::size_t>(cellOf(p.y, origin_.y)) * columns_ +
                  cellOf(p.x, origin_.x)];
  }

  IPoint origin_;
  double size_ = 1;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<std::vector<NodeRef>> cells_;
};

}  // namespace

void sortLoops(ContourList& loops, const HpglTransform& transform) {
  std::vector<std::vector<IPoint>> points(loops.size());
  std::size_t count = 0;
  for (std::size_t l = 0; l < loops.size(); ++l) {
    for (const IPoint& p : loops[l]) points[l].push_back(toHpgl(transform, p.x, p.y));
    count += loops[l].size();
  }
  NodeCells cells(points, count);
  // Loops keep their original numbers; `position` and `at` follow the swaps.
  std::vector<int> position(loops.size());
  std::vector<int> at(loops.size());
  std::vector<int> startNode(loops.size(), 0);
  for (std::size_t l = 0; l < loops.size(); ++l) position[l] = at[l] = static_cast<int>(l);
  IPoint current{0, 0};
  for (std::size_t p = 0; p < loops.size(); ++p) {
    const NodeRef best = cells.nearest(current, points, position);
    if (best.loop < 0) break;  // only empty loops are left
    const int q = position[best.loop];
    const int displaced = at[p];
    std::swap(at[p], at[q]);
    position[displaced] = q;
    position[best.loop] = static_cast<int>(p);
    cells.remove(best.loop, points[best.loop]);
    startNode[best.loop] = best.node;
    current = points[best.loop][best.node];
  }
  ContourList ordered;
  ordered.reserve(loops.size());
  for (std::size_t p = 0; p < loops.size(); ++p) {
    Contour& loop = loops[at[p]];
    std::rotate(loop.begin(), loop.begin() + startNode[at[p]], loop.end());
    ordered.push_back(std::move(loop));
  }
  loops = std::move(ordered);
}

void removeCollinearNodes(Contour& loop) {
  const auto direction = [](IPoint a, IPoint b) {
    const FPoint fa{static_cast<float>(a.x), static_cast<float>(a.y)};
    const FPoint fb{static_cast<float>(b.x), static_cast<float>(b.y)};
    return roundHalfEven(directionAngle(fa, fb).value * 10000);
  };
  const auto squaredDistance = [](IPoint a, IPoint b) {
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    return dx * dx + dy * dy;
  };
  std::size_t i = 0;
  while (loop.size() > 2 && i < loop.size()) {
    const std::size_t n = loop.size();
    const IPoint before = loop[(i + n - 1) % n];
    const IPoint here = loop[i];
    const IPoint after = loop[(i + 1) % n];
    if (direction(before, here) == direction(here, after) &&
        squaredDistance(before, after) > squaredDistance(before, here)) {
      loop.erase(loop.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    ++i;
  }
}

}  // namespace pravelo
