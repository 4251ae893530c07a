#include "manufacturing/isolation_loops.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"
#include "copper/contour_union.h"
#include "copper/exact_division.h"
#include "copper/grow.h"
#include "copper/object_contours.h"
#include "copper/object_outline.h"
#include "copper/polygon_predicates.h"

namespace pravelo {
namespace {

// The test square's half side and the steps its centre is moved out from a node.
constexpr std::int32_t kTestHalfSide = 50;
constexpr std::int32_t kTestStep = 100;
constexpr int kTestSteps = 5;

TPolygon32 loopPolygon(const Contour& loop) {
  TPolygon32 polygon;
  for (const IPoint& p : loop) addPoint(polygon, toFixedPoint(p.x, p.y, 1));
  return polygon;
}

bool squareInside(const TPolygon32& polygon, std::int64_t x, std::int64_t y) {
  for (const int sx : {1, -1}) {
    for (const int sy : {1, -1}) {
      const Point32 corner = toFixedPoint(static_cast<double>(x + sx * kTestHalfSide),
                                          static_cast<double>(y + sy * kTestHalfSide), 1);
      if (!pointInPolygon(polygon, corner)) return false;
    }
  }
  return true;
}

// Crossing parity in whole units, exact in 128-bit arithmetic.
bool pointInLoop(const Contour& loop, IPoint t) {
  bool inside = false;
  const std::size_t n = loop.size();
  for (std::size_t i = 0; i < n; ++i) {
    const IPoint q = loop[i];
    const IPoint p = loop[(i + n - 1) % n];
    if ((t.y >= q.y) == (t.y >= p.y)) continue;
    const std::int64_t along = divideRounded(Int128{std::int64_t{p.x} - q.x} * (t.y - q.y),
                                             Int128{std::int64_t{p.y} - q.y});
    if (std::int64_t{t.x} - q.x < along) inside = !inside;
  }
  return inside;
}

bool rectInside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

// Loop bounds in a coarse grid, so that the loops around a test point are found without
// comparing every pair.
class LoopCells {
 public:
  explicit LoopCells(const std::vector<TRect>& boxes) {
    if (boxes.empty()) return;
    TRect all = boxes.front();
    for (const TRect& b : boxes) all = unite(all, b);
    origin_ = {all.left, all.top};
    const double area = (static_cast<double>(rectWidth(all)) + 1) * (rectHeight(all) + 1);
    size_ = std::max(1.0, std::sqrt(area / static_cast<double>(boxes.size())));
    columns_ = cellOf(all.right, origin_.x) + 1;
    rows_ = cellOf(all.bottom, origin_.y) + 1;
    cells_.resize(static_cast<std::size_t>(columns_) * rows_);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      for (int r = cellOf(boxes[i].top, origin_.y); r <= cellOf(boxes[i].bottom, origin_.y); ++r) {
        for (int c = cellOf(boxes[i].left, origin_.x); c <= cellOf(boxes[i].right, origin_.x);
             ++c) {
          cells_[static_cast<std::size_t>(r) * columns_ + c].push_back(static_cast<int>(i));
        }
      }
    }
  }

  // The loops whose bounds may hold the point.
  const std::vector<int>& near(IPoint p) const {
    static const std::vector<int> kNone;
    const int c = cellOf(p.x, origin_.x);
    const int r = cellOf(p.y, origin_.y);
    if (cells_.empty() || c < 0 || r < 0 || c >= columns_ || r >= rows_) return kNone;
    return cells_[static_cast<std::size_t>(r) * columns_ + c];
  }

 private:
  int cellOf(std::int32_t v, std::int32_t origin) const {
    return static_cast<int>(std::floor((static_cast<double>(v) - origin) / size_));
  }

  IPoint origin_;
  double size_ = 1;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<std::vector<int>> cells_;
};

// What a loop encloses: copper (the outer boundary of an island), a gap, or nothing found.
enum LoopClass { kLoopUnknown = -2, kLoopThin = -1, kLoopGap = 0, kLoopCopper = 1 };

class LoopClassifier {
 public:
  LoopClassifier(const std::vector<std::optional<IPoint>>& testPoints,
                 const std::vector<TPolygon32>& copper)
      : testPoints_(testPoints), copper_(copper), classes_(testPoints.size(), kLoopUnknown) {
    bounds_.reserve(copper.size());
    for (const TPolygon32& c : copper) bounds_.push_back(polygonBounds(c));
  }

  // Computed when first asked for, at most once per loop.
  int classOf(std::size_t i) {
    if (classes_[i] != kLoopUnknown) return classes_[i];
    if (!testPoints_[i]) return classes_[i] = kLoopThin;
    const Point32 p = toFixedPoint(testPoints_[i]->x, testPoints_[i]->y, 1);
    classes_[i] = kLoopGap;
    for (std::size_t k = 0; k < copper_.size(); ++k) {
      const Rect32& b = bounds_[k];
      if (p.x < b.minX || p.x > b.maxX || p.y < b.minY || p.y > b.maxY) continue;
      if (pointInPolygon(copper_[k], p)) {
        classes_[i] = kLoopCopper;
        break;
      }
    }
    return classes_[i];
  }

 private:
  const std::vector<std::optional<IPoint>>& testPoints_;
  const std::vector<TPolygon32>& copper_;
  std::vector<Rect32> bounds_;
  std::vector<int> classes_;
};

// For each loop, the loops that contain it. A pair of loops that contain each other (the same
// path traced twice) counts once: the later one contains the earlier.
std::vector<std::vector<int>> loopContainers(const ContourList& loops,
                                             const std::vector<TRect>& boxes,
                                             const std::vector<std::optional<IPoint>>& tests) {
  const LoopCells cells(boxes);
  const auto contains = [&](std::size_t outer, std::size_t inner) {
    return tests[inner] && rectInside(boxes[inner], boxes[outer]) &&
           pointInLoop(loops[outer], *tests[inner]);
  };
  std::vector<std::vector<int>> containers(loops.size());
  for (std::size_t i = 0; i < loops.size(); ++i) {
    if (!tests[i]) continue;
    for (const int j : cells.near(*tests[i])) {
      const auto uj = static_cast<std::size_t>(j);
      if (uj == i || !contains(uj, i)) continue;
      if (uj < i && contains(i, uj)) continue;
      containers[i].push_back(j);
    }
    std::ranges::sort(containers[i]);
  }
  return containers;
}

ContourList passLoops(const std::vector<const TObjekt*>& objects, std::int32_t growth, int pass,
                      int passes, const MillingProgress& progress) {
  const auto report = [&](MillingStage stage) {
    if (progress) progress(pass, passes, stage);
  };
  report(MillingStage::CreateSegments);
  std::vector<TObjekt> grown;
  grown.reserve(objects.size());
  ContourList contours;
  for (const TObjekt* o : objects) {
    grown.push_back(grownCopy(*o, growth));
    for (Contour& c : objectContours(grown.back(), 0)) contours.push_back(std::move(c));
  }
  report(MillingStage::CalculateVectors);
  report(MillingStage::CreateVectorList);
  report(MillingStage::CreateOutlines);
  ContourList loops = unionLoops(std::move(contours));
  report(MillingStage::OptimizeOutlines);
  std::vector<TPolygon32> copper;
  copper.reserve(grown.size());
  for (const TObjekt& o : grown) copper.push_back(objectOutline(o, {}, 1));
  return filterLoops(std::move(loops), copper);
}

}  // namespace

std::int32_t passGrowth(std::int32_t cutterWidth, int overlapPercent, int pass) {
  const double step = 2.0 * pass * cutterWidth * (100 - overlapPercent) / 100.0;
  return roundToInt32(step + cutterWidth - 10.0);
}

ContourList isolationLoops(const std::vector<const TObjekt*>& objects, std::int32_t cutterWidth,
                           int overlapPercent, int passes, const MillingProgress& progress) {
  ContourList all;
  if (objects.empty()) return all;
  for (int k = 0; k < passes; ++k) {
    const std::int32_t g = passGrowth(cutterWidth, overlapPercent, k);
    for (Contour& loop : passLoops(objects, g, k, passes, progress)) all.push_back(std::move(loop));
  }
  return all;
}

std::optional<IPoint> loopTestPoint(const Contour& loop) {
  if (loop.size() < 2) return std::nullopt;
  const TPolygon32 polygon = loopPolygon(loop);
  for (int i = 1; i <= kTestSteps; ++i) {
    const std::int64_t a = kTestStep * i;
    const std::int64_t offsets[8][2] = {{a, a}, {-a, a}, {a, -a}, {-a, -a},
                                        {a, 0}, {-a, 0}, {0, a},  {0, -a}};
    for (const IPoint& node : loop) {
      for (const auto& [dx, dy] : offsets) {
        if (squareInside(polygon, node.x + dx, node.y + dy)) {
          return IPoint{static_cast<std::int32_t>(node.x + dx),
                        static_cast<std::int32_t>(node.y + dy)};
        }
      }
    }
  }
  return std::nullopt;
}

ContourList filterLoops(ContourList loops, const std::vector<TPolygon32>& copper) {
  std::vector<std::optional<IPoint>> tests;
  std::vector<TRect> boxes;
  tests.reserve(loops.size());
  boxes.reserve(loops.size());
  for (const Contour& loop : loops) {
    tests.push_back(loopTestPoint(loop));
    boxes.push_back(contourBounds(loop));
  }
  const std::vector<std::vector<int>> containers = loopContainers(loops, boxes, tests);
  LoopClassifier classifier(tests, copper);
  ContourList kept;
  for (std::size_t i = 0; i < loops.size(); ++i) {
    if (!tests[i]) continue;
    int innermost = -1;
    for (const int j : containers[i]) {
      if (innermost < 0 || containers[j].size() > containers[innermost].size()) innermost = j;
    }
    if (innermost >= 0 && classifier.classOf(i) == classifier.classOf(innermost)) continue;
    kept.push_back(std::move(loops[i]));
  }
  return kept;
}

}  // namespace pravelo
