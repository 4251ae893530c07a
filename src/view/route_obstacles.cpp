#include "view/route_obstacles.h"

#include <algorithm>
#include <cmath>

#include "copper/polygon_predicates.h"

namespace pravelo {
namespace {

// About this many obstacles share a bucket on average; the grid never grows beyond
// kRouteIndexMaxSide buckets a side.
constexpr double kRouteIndexPerBucket = 2.0;
constexpr int kRouteIndexMaxSide = 512;

}  // namespace

void RouteObstacles::add(TPolygon32 polygon) {
  const Rect32 box = polygonBounds(polygon);
  if (isEmpty(box)) return;
  entries_.push_back({std::move(polygon), fixedToMm(box.minX), fixedToMm(box.minY),
                      fixedToMm(box.maxX), fixedToMm(box.maxY)});
}

void RouteObstacles::index() {
  buckets_.clear();
  seen_.assign(entries_.size(), 0);
  if (entries_.empty()) return;
  double minX = entries_[0].minX, minY = entries_[0].minY;
  double maxX = entries_[0].maxX, maxY = entries_[0].maxY;
  for (const Entry& e : entries_) {
    minX = std::min(minX, e.minX);
    minY = std::min(minY, e.minY);
    maxX = std::max(maxX, e.maxX);
    maxY = std::max(maxY, e.maxY);
  }
  const double w = std::max(maxX - minX, 1e-3);
  const double h = std::max(maxY - minY, 1e-3);
  cellSize_ = std::sqrt(w * h * kRouteIndexPerBucket / static_cast<double>(entries_.size()));
  cellSize_ = std::max({cellSize_, w / kRouteIndexMaxSide, h / kRouteIndexMaxSide});
  originX_ = minX;
  originY_ = minY;
  columns_ = std::clamp(static_cast<int>(w / cellSize_) + 1, 1, kRouteIndexMaxSide + 1);
  rows_ = std::clamp(static_cast<int>(h / cellSize_) + 1, 1, kRouteIndexMaxSide + 1);
  buckets_.assign(static_cast<std::size_t>(columns_) * rows_, {});
  for (std::size_t n = 0; n < entries_.size(); ++n) {
    const Entry& e = entries_[n];
    const int c0 = std::clamp(static_cast<int>((e.minX - originX_) / cellSize_), 0, columns_ - 1);
    const int c1 = std::clamp(static_cast<int>((e.maxX - originX_) / cellSize_), 0, columns_ - 1);
    const int r0 = std::clamp(static_cast<int>((e.minY - originY_) / cellSize_), 0, rows_ - 1);
    const int r1 = std::clamp(static_cast<int>((e.maxY - originY_) / cellSize_), 0, rows_ - 1);
    for (int r = r0; r <= r1; ++r) {
      for (int c = c0; c <= c1; ++c) {
        buckets_[static_cast<std::size_t>(r) * columns_ + c].push_back(static_cast<int>(n));
      }
    }
  }
}

template <typename Test>
bool RouteObstacles::anyNear(double minX, double minY, double maxX, double maxY, Test test) const {
  if (buckets_.empty()) return false;
  const double indexRight = originX_ + columns_ * cellSize_;
  const double indexBottom = originY_ + rows_ * cellSize_;
  if (maxX < originX_ || maxY < originY_ || minX > indexRight || minY > indexBottom) return false;
  const int c0 = std::clamp(static_cast<int>((minX - originX_) / cellSize_), 0, columns_ - 1);
  const int c1 = std::clamp(static_cast<int>((maxX - originX_) / cellSize_), 0, columns_ - 1);
  const int r0 = std::clamp(static_cast<int>((minY - originY_) / cellSize_), 0, rows_ - 1);
  const int r1 = std::clamp(static_cast<int>((maxY - originY_) / cellSize_), 0, rows_ - 1);
  if (++pass_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    pass_ = 1;
  }
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) {
      for (int n : buckets_[static_cast<std::size_t>(r) * columns_ + c]) {
        if (seen_[n] == pass_) continue;
        seen_[n] = pass_;
        const Entry& e = entries_[n];
        // Touching boxes still go to the exact test.
        if (e.maxX < minX || e.minX > maxX || e.maxY < minY || e.minY > maxY) continue;
        if (test(e.polygon)) return true;
      }
    }
  }
  return false;
}

bool RouteObstacles::blocksRect(double x1, double y1, double x2, double y2) const {
  return anyNear(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                 [&](const TPolygon32& p) { return rectIntersectsPolygon(x1, y1, x2, y2, p); });
}

bool RouteObstacles::blocksPolygon(const TPolygon32& polygon) const {
  const Rect32 box = polygonBounds(polygon);
  if (isEmpty(box)) return false;
  return anyNear(fixedToMm(box.minX), fixedToMm(box.minY), fixedToMm(box.maxX), fixedToMm(box.maxY),
                 [&](const TPolygon32& p) { return polygonsIntersect(polygon, p); });
}

}  // namespace pravelo
