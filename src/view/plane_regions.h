#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// The longer board side of the ground-plane raster, in pixels.
inline constexpr int kPlaneRasterSize = 5000;

// The free copper of one layer's automatic ground plane, painted by the plane rule into a
// two-level raster and split into 4-connected regions once, so that any number of link tests
// are look-ups. Free pixels are kept as runs per row.
class PlaneRegions {
 public:
  PlaneRegions(const Board& board, int layer);

  // The region of the raster pixel under a world point; -1 outside the raster or on a gap.
  int regionAt(FPoint world) const;
  // Both points are on free copper of the same region.
  bool linked(FPoint a, FPoint b) const;

  int width() const { return width_; }
  int height() const { return height_; }

 private:
  struct Run {
    int x0;
    int x1;  // exclusive
    int region;
  };
  void scanRow(const std::uint8_t* row, int y, std::vector<int>& parent);

  double pixelsPerUnit_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::vector<Run>> rows_;
};

}  // namespace pravelo
