#include "view/plane_regions.h"

#include <algorithm>
#include <cmath>

#include "copper/thermal_spokes.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"
#include "view/canvas.h"
#include "view/canvas_surface.h"
#include "view/frame.h"
#include "view/object_painter.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

// The raster covers exactly the board, which the plane fills: a cleared frame is all plane
// copper.
constexpr Rgb kGap{255, 255, 255};
constexpr Rgb kCopper{0, 0, 0};
// Rows painted at a time: one small frame reused keeps the raster out of fresh memory.
constexpr int kStripRows = 256;

// One step of the plane rule for one object, with the raster rows it can reach.
struct PaintStep {
  enum What { kCut, kSpokes, kCopperShape } what;
  const TObjekt* o;
  double top;
  double bottom;
};

// The plane rule in painting order: clearance shapes cut (a cut-out by its own shape), spokes
// and copper refilled.
std::vector<PaintStep> planeSteps(const Board& board, int layer, double pixelsPerUnit) {
  const bool multilayer = board.header.multilayer != 0;
  const SpokeLayer spokes{layer, board.header.groundPlane, multilayer};
  const auto onLayer = [&](const TObjekt& o) {
    return !isMaskOnlyZone(o) && isPresentOnLayer(o, layer, multilayer);
  };
  std::vector<PaintStep> steps;
  const auto add = [&](PaintStep::What what, const TObjekt& o) {
    const TRect r = objectBounds(o, spokes);
    // Bounds of damaged records (negative clearances) may fall short of the shape.
    const double margin = 1000.0 + std::max(0, -o.clearance);
    steps.push_back({what, &o, (-std::max(r.top, r.bottom) - margin) * pixelsPerUnit,
                     (-std::min(r.top, r.bottom) + margin) * pixelsPerUnit});
  };
  for (const auto& o : board.objects) {
    if (onLayer(*o)) add(PaintStep::kCut, *o);
  }
  for (const auto& o : board.objects) {
    if (isPadKind(o->kind) && o->optB && onLayer(*o)) add(PaintStep::kSpokes, *o);
  }
  for (const auto& o : board.objects) {
    if (onLayer(*o) && !o->cutout) add(PaintStep::kCopperShape, *o);
  }
  return steps;
}

void paintStep(CanvasSurface& surface, const ObjectPainter& painter, const PaintStep& step,
               int layer) {
  const TObjekt& o = *step.o;
  switch (step.what) {
    case PaintStep::kCut:
      surface.setPolarity(Polarity::Clear);
      painter.draw(o, o.cutout ? 0 : planeClearance(o));
      return;
    case PaintStep::kSpokes:
      surface.setPolarity(Polarity::Dark);
      for (const SpokeRectangle& spoke : thermalSpokes(o, layer, kSpokeReach)) {
        surface.fillPolygon(worldPoints({spoke.begin(), spoke.end()}));
      }
      return;
    case PaintStep::kCopperShape:
      surface.setPolarity(Polarity::Dark);
      painter.draw(o);
      return;
  }
}

int findRoot(std::vector<int>& parent, int i) {
  while (parent[i] != i) {
    parent[i] = parent[parent[i]];
    i = parent[i];
  }
  return i;
}

}  // namespace

PlaneRegions::PlaneRegions(const Board& board, int layer) {
  const BoardHeader& header = board.header;
  const double longer = std::max(header.width, header.height);
  if (longer <= 0) return;
  pixelsPerUnit_ = kPlaneRasterSize / longer;
  width_ = std::max(1, static_cast<int>(std::lround(header.width * pixelsPerUnit_)));
  height_ = std::max(1, static_cast<int>(std::lround(header.height * pixelsPerUnit_)));
  const std::vector<PaintStep> steps = planeSteps(board, layer, pixelsPerUnit_);
  rows_.resize(height_);
  std::vector<int> parent;
  Frame frame(width_, std::min(kStripRows, height_));
  for (int top = 0; top < height_; top += kStripRows) {
    std::fill(frame.pixels.begin(), frame.pixels.end(), 0);
    {
      Canvas canvas(frame, false);
      ViewTransform view;
      view.zoom = pixelsPerUnit_;
      view.scrollY = top;
      CanvasSurface surface(canvas, view);
      surface.setPaint({kCopper});
      surface.setClearPaint({kGap});
      const ObjectPainter painter(surface);
      for (const PaintStep& step : steps) {
        if (step.bottom >= top && step.top <= top + kStripRows) {
          paintStep(surface, painter, step, layer);
        }
      }
    }
    for (int y = top; y < std::min(height_, top + kStripRows); ++y) {
      scanRow(frame.row(y - top), y, parent);
    }
  }
  for (std::vector<Run>& runs : rows_) {
    for (Run& run : runs) run.region = findRoot(parent, run.region);
  }
}

// Runs of free pixels, joined with the overlapping runs of the row above (4-connected).
void PlaneRegions::scanRow(const std::uint8_t* row, int y, std::vector<int>& parent) {
  std::vector<Run>& runs = rows_[y];
  for (int x = 0; x < width_;) {
    if (row[4 * x] != 0) {
      ++x;
      continue;
    }
    const int x0 = x;
    while (x < width_ && row[4 * x] == 0) ++x;
    const int id = static_cast<int>(parent.size());
    parent.push_back(id);
    runs.push_back({x0, x, id});
  }
  if (y == 0) return;
  const std::vector<Run>& above = rows_[y - 1];
  std::size_t a = 0;
  for (const Run& run : runs) {
    while (a < above.size() && above[a].x1 <= run.x0) ++a;
    for (std::size_t b = a; b < above.size() && above[b].x0 < run.x1; ++b) {
      const int r1 = findRoot(parent, run.region);
      const int r2 = findRoot(parent, above[b].region);
      if (r1 != r2) parent[std::max(r1, r2)] = std::min(r1, r2);
    }
  }
}

int PlaneRegions::regionAt(FPoint world) const {
  const double px = std::floor(world.x * pixelsPerUnit_);
  const double py = std::floor(-world.y * pixelsPerUnit_);
  if (!(px >= 0 && px < width_ && py >= 0 && py < height_)) return -1;
  const int x = static_cast<int>(px);
  const std::vector<Run>& runs = rows_[static_cast<int>(py)];
  const auto it =
      std::upper_bound(runs.begin(), runs.end(), x, [](int v, const Run& r) { return v < r.x1; });
  if (it == runs.end() || it->x0 > x) return -1;
  return it->region;
}

bool PlaneRegions::linked(FPoint a, FPoint b) const {
  const int region = regionAt(a);
  return region >= 0 && region == regionAt(b);
}

}  // namespace pravelo
