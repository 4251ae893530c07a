#include "manufacturing/hpgl_milling.h"

#include <cmath>
#include <numbers>

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/arc.h"
#include "manufacturing/hpgl_transform.h"
#include "manufacturing/loop_order.h"
#include "manufacturing/milling_drills.h"
#include "manufacturing/milling_jobs.h"
#include "manufacturing/milling_objects.h"

namespace pravelo {
namespace {

// Every command goes through here, so the line ending and the number form are fixed in one
// place.
class HpglWriter {
 public:
  HpglWriter(const HpglTransform& transform, bool minimumFeed)
      : transform_(transform), minimumFeed_(minimumFeed) {}

  void command(std::string_view c) {
    text_ += c;
    text_ += "\r\n";
  }
  void moveTo(IPoint plotter) {
    command("PA" + std::to_string(plotter.x) + "," + std::to_string(plotter.y) + ";");
  }
  void moveTo(DPoint board) { moveTo(toHpgl(transform_, board.x, board.y)); }

  // Drilling, punching and reference holes: down and up again at one place.
  void hole(DPoint board) {
    const IPoint p = toHpgl(transform_, board.x, board.y);
    moveTo(p);
    command("PD;");
    if (minimumFeed_) moveTo(IPoint{p.x + 1, p.y});
    command("PU;");
  }

  // A cut along the points with the pen down; closed cuts end where they began.
  void polyline(const std::vector<DPoint>& points, bool closed) {
    moveTo(points.front());
    command("PD;");
    for (std::size_t i = 1; i < points.size(); ++i) moveTo(points[i]);
    if (closed) moveTo(points.front());
    command("PU;");
  }

  const HpglTransform& transform() const { return transform_; }
  std::string take() { return std::move(text_); }

 private:
  HpglTransform transform_;
  bool minimumFeed_;
  std::string text_;
};

DPoint nodePoint(IPoint p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }
DPoint padCentre(const TObjekt& pad) { return toDPoint(pad.pos); }

struct MillContext {
  const Board& board;
  const MillingOptions& options;
  TRect extent;
  const MillingProgress& progress;
};

MillMirroring jobMirroring(const MillContext& c, MillSide side) {
  return {sideMirror(c.options, side), c.extent};
}

void writeReferenceHoles(HpglWriter& w, const MillContext& c) {
  for (const DPoint& p : referenceHolePositions(c.extent, c.options)) w.hole(p);
}

void writeIsolation(HpglWriter& w, const MillContext& c, int layer, ContourList& paths) {
  const MillSide side = layer == kLayerC1 ? MillSide::Top : MillSide::Bottom;
  const MillMirroring m = jobMirroring(c, side);
  ContourList loops = isolationLoops(isolationObjects(c.board, layer, c.options), c.options.width,
                                     c.options.overlap, c.options.passes, c.progress);
  for (Contour& loop : loops) {
    for (IPoint& p : loop) p = mirrored(m, p);
  }
  if (!loops.empty() && c.progress) {
    c.progress(c.options.passes - 1, c.options.passes, MillingStage::SortOutlines);
  }
  sortLoops(loops, w.transform());
  for (Contour& loop : loops) {
    removeCollinearNodes(loop);
    std::vector<DPoint> points;
    points.reserve(loop.size());
    for (const IPoint& p : loop) points.push_back(nodePoint(p));
    if (!points.empty()) w.polyline(points, true);
  }
  for (const TObjekt* text : strokeTexts(c.board, layer, c.options)) {
    for (const TObjekt& stroke : text->children) {
      if (stroke.points.size() < 2) continue;
      std::vector<DPoint> points;
      for (const FPoint& p : stroke.points) points.push_back(mirrored(m, toDPoint(p)));
      w.polyline(points, false);
    }
  }
  const bool punch = layer == kLayerC1 ? c.options.punchC1 : c.options.punchC2;
  if (punch) {
    for (const TObjekt* pad : punchHoles(c.board, c.options.selectedOnly)) {
      w.hole(mirrored(m, padCentre(*pad)));
    }
  }
  // The overlay shows the paths where the copper is, not where the mirrored file puts them.
  for (Contour& loop : loops) {
    for (IPoint& p : loop) p = mirrored(m, p);
    paths.push_back(std::move(loop));
  }
}

void writeDrillings(HpglWriter& w, const MillContext& c) {
  const MillMirroring m = jobMirroring(c, c.options.drill);
  const HpglTransform& t = w.transform();
  for (const TObjekt* pad : allMillingHoles(c.board, c.options.selectedOnly)) {
    const DPoint p = mirrored(m, padCentre(*pad));
    if (c.options.holes != HoleMethod::Circles) {
      w.hole(p);
      continue;
    }
    // Holes no larger than the cutter are left to a drill.
    const double radius = pad->dim.y - c.options.circleWidth / 2.0;
    const std::int64_t g = roundHalfEven(radius * t.factor / 100);
    if (g <= 0) continue;
    w.moveTo(p);
    w.command("CI" + std::to_string(g) + ";");
  }
}

void writeDrill(HpglWriter& w, const MillContext& c, int pen) {
  const std::vector<DrillTool> tools = millingDrills(c.board, c.options.selectedOnly);
  const auto index = static_cast<std::size_t>(pen - kPenFirstDrill);
  if (index >= tools.size()) return;
  const MillMirroring m = jobMirroring(c, c.options.drill);
  for (const TObjekt* pad : tools[index].holes) w.hole(mirrored(m, padCentre(*pad)));
}

// A circle is cut along its centre line, with more points the larger it is.
std::vector<DPoint> circleCentreLine(const TObjekt& circle) {
  const double r = centreLineRadius(circle.dim.x, circle.dim.y);
  const MilliDeg start = circleStartAngle(circle);
  const double sweep = arcSpan(start, circleStopAngle(circle)).value;
  const auto n = static_cast<std::int64_t>(r) / kUnitsPerMm + 30;
  std::vector<DPoint> points;
  for (std::int64_t i = 0; i <= n; ++i) {
    const double degrees = (start.value + sweep * static_cast<double>(i) / n) / 1000.0;
    const double a = degrees * std::numbers::pi / 180.0;
    points.push_back({circle.pos.x + r * std::cos(a), circle.pos.y + r * std::sin(a)});
  }
  return points;
}

void writeOutline(HpglWriter& w, const MillContext& c) {
  const MillMirroring m = jobMirroring(c, c.options.outline);
  for (const TObjekt* o : outlineObjects(c.board, c.options.selectedOnly)) {
    std::vector<DPoint> points;
    if (o->kind == kTrack) {
      for (const FPoint& p : o->points) points.push_back(toDPoint(p));
    } else {
      points = circleCentreLine(*o);
    }
    if (points.size() < 2) continue;
    for (DPoint& p : points) p = mirrored(m, p);
    w.polyline(points, false);
  }
}

void writeJob(HpglWriter& w, const MillContext& c, int pen, ContourList& paths) {
  switch (pen) {
    case kPenReferenceHoles:
      writeReferenceHoles(w, c);
      return;
    case kPenIsolationC1:
      writeIsolation(w, c, kLayerC1, paths);
      return;
    case kPenIsolationC2:
      writeIsolation(w, c, kLayerC2, paths);
      return;
    case kPenDrillings:
      writeDrillings(w, c);
      return;
    case kPenOutline:
      writeOutline(w, c);
      return;
    default:
      writeDrill(w, c, pen);
  }
}

void writeHeader(HpglWriter& w) {
  w.command("IN;");
  w.command("PT0;");
  w.command("PU;");
}

HpglWriter writerFor(const Board& board, const MillingOptions& options) {
  return HpglWriter(hpglTransform(board.header, options.unit, options.camOrigin),
                    options.minimumFeed);
}

}  // namespace

std::vector<DPoint> referenceHolePositions(const TRect& e, const MillingOptions& options) {
  const double d = options.referenceDistance;
  const double l = e.left;
  const double t = e.top;
  const double r = e.right;
  const double b = e.bottom;
  const double w = r - l;
  const double h = b - t;
  // Clockwise from the upper left corner, as the dialog's picture shows them.
  const DPoint places[8] = {{l - d, b + d}, {l + w / 2, b + d}, {r + d, b + d}, {r + d, t + h / 2},
                            {r + d, t - d}, {l + w / 2, t - d}, {l - d, t - d}, {l - d, t + h / 2}};
  std::vector<DPoint> chosen;
  for (std::size_t i = 0; i < 8; ++i) {
    if (options.referenceHoles[i]) chosen.push_back(places[i]);
  }
  return chosen;
}

MillingCommands millingFile(const Board& board, const MillingOptions& options,
                            const std::vector<int>& pens, const MillingProgress& progress) {
  HpglWriter w = writerFor(board, options);
  const MillContext c{board, options, millingExtent(board), progress};
  MillingCommands result;
  writeHeader(w);
  for (const int pen : pens) {
    w.command("SP" + std::to_string(pen) + ";");
    writeJob(w, c, pen, result.paths);
  }
  result.text = w.take();
  return result;
}

MillingCommands millingJobFile(const Board& board, const MillingOptions& options, int pen,
                               const MillingProgress& progress) {
  HpglWriter w = writerFor(board, options);
  const MillContext c{board, options, millingExtent(board), progress};
  MillingCommands result;
  writeHeader(w);
  writeJob(w, c, pen, result.paths);
  result.text = w.take();
  return result;
}

}  // namespace pravelo
