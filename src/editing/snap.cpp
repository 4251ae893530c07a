#include "editing/snap.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/arc.h"
#include "geometry/pad_geometry.h"
#include "view/layer_order.h"

namespace pravelo {

namespace {

constexpr double kMinCapturePixels = 8;
constexpr double kMaxCapturePixels = 50;
constexpr double kOtherKindRadius = 5000;

double ownRadius(const TObjekt& o) {
  switch (o.kind) {
    case kPad:
      return o.dim.x;
    case kSmdPad:
      return smdPadSmallerSide(o) / 2;
    case kTrack:
    case kZone:
      return o.width / 2.0;
    case kCircle:
      return ringWidth(o.dim.x, o.dim.y) / 2;
    default:
      return kOtherKindRadius;
  }
}

// The nearest candidate so far, by squared distance.
struct Nearest {
  std::optional<DPoint> point;
  double distance2 = 0;

  void offer(DPoint candidate, DPoint world, double radius) {
    const double dx = candidate.x - world.x;
    const double dy = candidate.y - world.y;
    const double d2 = dx * dx + dy * dy;
    if (d2 >= radius * radius) return;
    if (point && d2 >= distance2) return;
    point = candidate;
    distance2 = d2;
  }
};

DPoint toD(FPoint p) { return {p.x, p.y}; }

}  // namespace

DPoint snapToGrid(DPoint world, double grid, IPoint origin) {
  if (!(grid > 0)) return world;
  const auto snap = [grid](double v, double o) {
    const double offset = o - grid * std::trunc(o / grid);
    return offset + grid * std::nearbyint((v - offset) / grid);
  };
  return {snap(world.x, origin.x), snap(world.y, origin.y)};
}

double effectiveGrid(double grid, bool shift, bool ctrl) {
  return shift && !ctrl ? grid / 2 : grid;
}

double captureRadius(const TObjekt& o, double zoom) {
  const double radius = ownRadius(o);
  if (!(zoom > 0)) return radius;
  return std::clamp(radius, kMinCapturePixels / zoom, kMaxCapturePixels / zoom);
}

std::optional<DPoint> capturePoint(const Board& board, DPoint world,
                                   const CaptureOptions& options) {
  const auto takes = [&](const TObjekt& o) {
    return o.drawable && objectVisible(o, board.header) && !(options.skipSelected && o.selected);
  };
  Nearest nearest;
  for (const auto& o : board.objects) {
    if (!isPadKind(o->kind) || !takes(*o)) continue;
    const DPoint centre = o->kind == kPad ? toD(o->pos) : toD(smdPadCentre(*o));
    nearest.offer(centre, world, captureRadius(*o, options.zoom));
  }
  if (nearest.point) return nearest.point;
  for (const auto& o : board.objects) {
    if (!takes(*o)) continue;
    const double radius = captureRadius(*o, options.zoom);
    if (o->kind == kTrack || o->kind == kZone) {
      for (const FPoint& p : o->points) nearest.offer(toD(p), world, radius);
    } else if (o->kind == kCircle) {
      nearest.offer(toD(o->pos), world, radius);
      const MilliDeg start = circleStartAngle(*o);
      const MilliDeg stop = circleStopAngle(*o);
      if (!isFullCircle(start, stop)) {
        const double mid = centreLineRadius(o->dim.x, o->dim.y);
        nearest.offer(toD(pointOnArc(o->pos, mid, start)), world, radius);
        nearest.offer(toD(pointOnArc(o->pos, mid, stop)), world, radius);
      }
    }
  }
  return nearest.point;
}

}  // namespace pravelo
