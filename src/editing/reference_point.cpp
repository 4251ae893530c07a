#include "editing/reference_point.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "copper/object_outline.h"
#include "geometry/angles.h"
#include "geometry/arc.h"
#include "geometry/pad_geometry.h"

namespace pravelo {
namespace {

std::optional<DPoint> outlineCentre(const TObjekt& o) {
  const Rect32 box = polygonBounds(objectOutline(o, {}, 1));
  if (isEmpty(box)) return std::nullopt;
  // Fixed point back to units: 65536 per millimetre, 10000 units per millimetre.
  const double toUnits = 10000.0 / 65536.0;
  return DPoint{(static_cast<double>(box.minX) + box.maxX) / 2 * toUnits,
                (static_cast<double>(box.minY) + box.maxY) / 2 * toUnits};
}

double squaredDistance(FPoint a, DPoint b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return dx * dx + dy * dy;
}

// Keeps the first of equally near vertices.
void nearestVertex(const std::vector<FPoint>& points, DPoint world, std::optional<DPoint>& best,
                   double& bestDistance) {
  for (const FPoint& p : points) {
    const double d = squaredDistance(p, world);
    if (!best || d < bestDistance) {
      best = toDPoint(p);
      bestDistance = d;
    }
  }
}

// Anticlockwise angle of `p` seen from `centre`, in millidegrees [0, 360000).
double angleOf(FPoint centre, DPoint p) {
  double a = std::atan2(p.y - centre.y, p.x - centre.x) * 180000.0 / std::numbers::pi;
  return a < 0 ? a + kFullCircleMilliDeg : a;
}

// The shorter way round between two angles in millidegrees.
double angularDistance(double a, double b) {
  const double d = std::fmod(std::abs(a - b), kFullCircleMilliDeg);
  return std::min(d, kFullCircleMilliDeg - d);
}

DPoint circleGrabPoint(const TObjekt& c, DPoint world) {
  const MilliDeg start = normalised(circleStartAngle(c));
  const MilliDeg stop = normalised(circleStopAngle(c));
  if (isFullCircle(start, stop)) return toDPoint(c.pos);
  const double near = arcSpan(start, stop).value / 6.0;
  const double angle = angleOf(c.pos, world);
  const double toStart = angularDistance(angle, start.value);
  const double toStop = angularDistance(angle, stop.value);
  if (std::min(toStart, toStop) >= near) return toDPoint(c.pos);
  const double radius = centreLineRadius(c.dim.x, c.dim.y);
  return toDPoint(pointOnArc(c.pos, radius, toStart <= toStop ? start : stop));
}

}  // namespace

std::optional<DPoint> referencePoint(const TObjekt& o) {
  switch (o.kind) {
    case kPad:
    case kCircle:
      return toDPoint(o.pos);
    case kSmdPad:
      return toDPoint(smdPadCentre(o));
    case kZone:
    case kText:
      return outlineCentre(o);
    default:
      return std::nullopt;
  }
}

std::optional<DPoint> nearestReferencePoint(const TObjekt& o, DPoint world) {
  std::optional<DPoint> best;
  double bestDistance = 0;
  switch (o.kind) {
    case kPad:
    case kSmdPad:
      return referencePoint(o);
    case kTrack:
    case kZone:
      nearestVertex(o.points, world, best, bestDistance);
      return best;
    case kText:
      for (const TObjekt& stroke : o.children)
        nearestVertex(stroke.points, world, best, bestDistance);
      return best;
    case kCircle:
      return circleGrabPoint(o, world);
    default:
      return std::nullopt;
  }
}

}  // namespace pravelo
