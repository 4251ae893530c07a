#include "editing/node_drag.h"

#include <array>
#include <cmath>
#include <numbers>

#include "document/object_list.h"
#include "editing/line_cleanup.h"
#include "editing/node_handles.h"
#include "editing/ring_radii.h"
#include "editing/snap.h"
#include "geometry/arc.h"
#include "geometry/bounding_box.h"

namespace pravelo {

namespace {

// An inserted vertex sticks to its midpoint within this distance; released there it goes again.
constexpr double kStickPixels = 10;
// With Ctrl and Alt the vertex follows the 45 degree line only this near to it.
constexpr double kNearerReach = 8000;
constexpr double kArcStepMilliDeg = 15000;

// The four directions of 45 degree lines.
constexpr double kR = std::numbers::sqrt2 / 2;
constexpr std::array<DPoint, 4> kDirections{{{1, 0}, {kR, kR}, {0, 1}, {-kR, kR}}};

DPoint plus(DPoint a, DPoint b) { return {a.x + b.x, a.y + b.y}; }
DPoint minus(DPoint a, DPoint b) { return {a.x - b.x, a.y - b.y}; }
DPoint scaled(DPoint a, double f) { return {a.x * f, a.y * f}; }
double dot(DPoint a, DPoint b) { return a.x * b.x + a.y * b.y; }
double cross(DPoint a, DPoint b) { return a.x * b.y - a.y * b.x; }
double length(DPoint a) { return std::hypot(a.x, a.y); }

DPoint project(DPoint origin, DPoint direction, DPoint p) {
  return plus(origin, scaled(direction, dot(minus(p, origin), direction)));
}

// The neighbours of a vertex; zones wrap around.
std::vector<DPoint> neighbours(const TObjekt& line, int index) {
  const int n = static_cast<int>(line.points.size());
  std::vector<DPoint> result;
  const bool zone = line.kind == kZone && n > 2;
  for (const int i : {index - 1, index + 1}) {
    if (i >= 0 && i < n) {
      result.push_back(toDPoint(line.points[static_cast<std::size_t>(i)]));
    } else if (zone) {
      result.push_back(toDPoint(line.points[static_cast<std::size_t>((i + n) % n)]));
    }
  }
  return result;
}

// The projection onto the 45 degree line through `n` nearest to `p`.
DPoint nearestOnLines(DPoint n, DPoint p) {
  DPoint best = n;
  double bestDistance = -1;
  for (const DPoint u : kDirections) {
    const DPoint q = project(n, u, p);
    const double d = length(minus(q, p));
    if (bestDistance < 0 || d < bestDistance) {
      best = q;
      bestDistance = d;
    }
  }
  return best;
}

// Both segments on 45 degree lines: the crossings of the lines through either neighbour (or
// the common line, when both neighbours lie on one), nearest to `p`.
DPoint nearestCrossing(DPoint a, DPoint b, DPoint p) {
  DPoint best = p;
  double bestDistance = -1;
  const auto consider = [&](DPoint q) {
    const double d = length(minus(q, p));
    if (bestDistance < 0 || d < bestDistance) {
      best = q;
      bestDistance = d;
    }
  };
  for (const DPoint u : kDirections) {
    for (const DPoint v : kDirections) {
      const double det = cross(u, v);
      if (std::abs(det) < 1e-12) {
        if (std::abs(cross(minus(b, a), u)) < 1e-6 * std::max(1.0, length(minus(b, a)))) {
          consider(project(a, u, p));
        }
        continue;
      }
      const double t = cross(minus(b, a), v) / det;
      consider(plus(a, scaled(u, t)));
    }
  }
  return best;
}

// How far the direction from `n` to `p` is off the nearest multiple of 45 degrees.
double offAngle(DPoint n, DPoint p) {
  const double a = std::atan2(p.y - n.y, p.x - n.x);
  const double step = std::numbers::pi / 4;
  return std::abs(a - step * std::nearbyint(a / step));
}

}  // namespace

DPoint place45(const TObjekt& line, int index, DPoint pointer, bool nearerOnly) {
  const std::vector<DPoint> ns = neighbours(line, index);
  if (ns.empty()) return pointer;
  if (nearerOnly) {
    DPoint n = ns[0];
    if (ns.size() > 1 && offAngle(ns[1], pointer) < offAngle(ns[0], pointer)) n = ns[1];
    const DPoint q = nearestOnLines(n, pointer);
    return length(minus(q, pointer)) <= kNearerReach ? q : pointer;
  }
  if (ns.size() == 1) return nearestOnLines(ns[0], pointer);
  return nearestCrossing(ns[0], ns[1], pointer);
}

MilliDeg handleAngle(FPoint centre, DPoint pointer, bool fine) {
  // Computed unrounded and rounded once, so that fine steps are not lost to whole degrees.
  const double milli =
      std::atan2(pointer.y - centre.y, pointer.x - centre.x) * 180000.0 / std::numbers::pi;
  const double step = fine ? 1 : kArcStepMilliDeg;
  return normalised(MilliDeg{
      static_cast<std::int32_t>(roundHalfEven(milli / step) * static_cast<std::int64_t>(step))});
}

NodeDrag::NodeDrag(TObjekt& object, int handle, DPoint press, bool alt)
    : object_(object), handle_(handle), press_(press) {
  if (object.kind == kCircle) {
    startRadius_ = centreLineRadius(object.dim.x, object.dim.y);
    return;
  }
  const std::size_t n = object.points.size();
  if (handle >= kMidpointHandle) {
    const auto i = static_cast<std::size_t>(handle - kMidpointHandle);
    segmentStart_[0] = object.points[i];
    segmentStart_[1] = object.points[(i + 1) % n];
    start_ = midpoint(segmentStart_[0], segmentStart_[1]);
    segment_ = alt;
  } else {
    vertex_ = handle;
    start_ = object.points[static_cast<std::size_t>(handle)];
  }
}

double NodeDrag::gridStep(const Editor& editor, const Modifiers& m) const {
  return effectiveGrid(editor.board().header.grid, m.shift, m.ctrl);
}

DPoint NodeDrag::vertexTarget(const Editor& editor, const PointerEvent& e, DPoint pointer) const {
  const Board& board = editor.board();
  const double zoom = editor.view().zoom;
  const DPoint start = toDPoint(start_);
  if (inserted_ && length(minus(pointer, start)) * zoom <= kStickPixels) return start;
  if (captureActive(editor.settings.optionen.Fang, e.modifiers.shift, e.modifiers.ctrl)) {
    // The edited object is the selected one and does not capture itself.
    if (const auto captured = capturePoint(board, pointer, {zoom, true})) return *captured;
  }
  if (e.modifiers.alt) return place45(object_, vertex_, pointer, e.modifiers.ctrl);
  if (e.modifiers.ctrl) return pointer;
  const double grid = gridStep(editor, e.modifiers);
  if (inserted_) return snapToGrid(pointer, grid, {board.header.originX, board.header.originY});
  if (!(grid > 0)) return pointer;
  // Whole grid steps from where the node was, not onto absolute grid lines.
  const DPoint d = minus(pointer, start);
  return plus(start, {grid * std::nearbyint(d.x / grid), grid * std::nearbyint(d.y / grid)});
}

void NodeDrag::moveCircleHandle(Editor& editor, const PointerEvent& e, DPoint pointer) {
  TObjekt& c = object_;
  double radius = centreLineRadius(c.dim.x, c.dim.y);
  if (e.modifiers.alt) {
    const double reach = length(minus(pointer, toDPoint(c.pos)));
    const double grid = gridStep(editor, e.modifiers);
    radius = e.modifiers.ctrl || !(grid > 0)
                 ? reach
                 : startRadius_ + grid * std::nearbyint((reach - startRadius_) / grid);
  } else {
    const MilliDeg angle = handleAngle(c.pos, pointer, e.modifiers.ctrl);
    (handle_ == kStartHandle ? c.paramA : c.width) = angle.value;
  }
  const RingRadii radii = ringRadii(radius, newObjectSize(editor.sizes, SizeField::Breite));
  c.dim = {static_cast<float>(radii.outer), static_cast<float>(radii.inner)};
}

void NodeDrag::move(Editor& editor, const PointerEvent& e) {
  const DPoint pointer = editor.toWorld(e.screen);
  if (!started_) {
    if (pointer == press_) return;
    started_ = true;
    editor.beginChange();
    if (object_.kind != kCircle && !segment_ && vertex_ < 0) {
      vertex_ = handle_ - kMidpointHandle + 1;
      object_.points.insert(object_.points.begin() + vertex_, start_);
      inserted_ = true;
    }
  }
  const TRect before = objectBounds(object_);
  DPoint at = pointer;
  if (object_.kind == kCircle) {
    moveCircleHandle(editor, e, pointer);
  } else if (segment_) {
    DPoint d = minus(pointer, press_);
    const double grid = gridStep(editor, e.modifiers);
    if (!e.modifiers.ctrl && grid > 0) {
      d = {grid * std::nearbyint(d.x / grid), grid * std::nearbyint(d.y / grid)};
    }
    const std::size_t n = object_.points.size();
    const auto i = static_cast<std::size_t>(handle_ - kMidpointHandle);
    object_.points[i] = toFPoint(plus(toDPoint(segmentStart_[0]), d));
    object_.points[(i + 1) % n] = toFPoint(plus(toDPoint(segmentStart_[1]), d));
    at = plus(toDPoint(start_), d);
  } else {
    at = vertexTarget(editor, e, pointer);
    object_.points[static_cast<std::size_t>(vertex_)] = toFPoint(at);
  }
  editor.repaint.repaintWorld(unite(before, objectBounds(object_)));
  showOverlay(editor, at);
}

void NodeDrag::showOverlay(Editor& editor, DPoint at) const {
  CrosshairOverlay& overlay = editor.crosshair;
  overlay.showDelta = true;
  if (object_.kind == kCircle) {
    overlay.arcRows = true;
    overlay.arcStart = object_.paramA / 1000.0;
    overlay.arcStop = object_.width / 1000.0;
    overlay.arcDiameter = static_cast<double>(object_.dim.x) + object_.dim.y;
  } else {
    overlay.reference = toDPoint(start_);
  }
  showAt(overlay, at);
  editor.repaint.overlayChanged();
}

ToolResult NodeDrag::release(Editor& editor) {
  if (!started_) return ToolResult::Nothing;
  const TRect before = objectBounds(object_);
  if (object_.kind != kCircle) {
    // Released on its midpoint, an inserted vertex goes again.
    if (inserted_ && object_.points[static_cast<std::size_t>(vertex_)] == start_) {
      object_.points.erase(object_.points.begin() + vertex_);
      editor.repaint.repaintWorld(before);
      return ToolResult::Revert;
    }
    Board& board = editor.board();
    cleanUpLine(object_, board, editor.settings.optionen.TracksOptimieren);
    if (!hasEnoughVertices(object_)) {
      const TObjekt* doomed = &object_;
      removeObjectsIf(board.objects, [doomed](const TObjekt& o) { return &o == doomed; });
    }
  }
  editor.repaint.repaintWorld(before);
  return ToolResult::Commit;
}

}  // namespace pravelo
