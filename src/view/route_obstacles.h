#pragma once

#include <vector>

#include "copper/polygon32.h"

namespace pravelo {

// The copper a route must keep away from, as fixed-point polygons (scale 1) with their bounds in
// millimetres. A uniform grid over the bounds finds the few polygons near a test region, so
// classifying a cell does not walk the whole board.
class RouteObstacles {
 public:
  void add(TPolygon32 polygon);
  // Builds the grid; call once after the last add().
  void index();

  // The rectangle (millimetres, corners in any order) meets an obstacle.
  bool blocksRect(double x1, double y1, double x2, double y2) const;
  // The polygon (scale 1) meets an obstacle.
  bool blocksPolygon(const TPolygon32& polygon) const;

  int size() const { return static_cast<int>(entries_.size()); }

 private:
  struct Entry {
    TPolygon32 polygon;
    double minX, minY, maxX, maxY;  // millimetres
  };
  template <typename Test>
  bool anyNear(double minX, double minY, double maxX, double maxY, Test test) const;

  std::vector<Entry> entries_;
  double originX_ = 0, originY_ = 0, cellSize_ = 1;
  int columns_ = 0, rows_ = 0;
  std::vector<std::vector<int>> buckets_;
  mutable std::vector<unsigned> seen_;
  mutable unsigned pass_ = 0;
};

}  // namespace pravelo
