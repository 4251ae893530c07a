#include "editing/node_handles.h"

#include <cmath>

#include "geometry/angles.h"
#include "geometry/arc.h"

namespace pravelo {
namespace {

constexpr double kMinHandlePixels = 3;

// Half size in units: `half`, raised to 3 pixels when it would show smaller.
double handleHalfSize(double half, double zoom) {
  return half * zoom < kMinHandlePixels ? kMinHandlePixels / zoom : half;
}

bool inSquare(FPoint centre, double half, DPoint p) {
  return std::abs(p.x - centre.x) <= half && std::abs(p.y - centre.y) <= half;
}

int lineHandleAt(const TObjekt& o, DPoint p, double zoom) {
  const double half = handleHalfSize(o.width / 2.1, zoom);
  int found = -1;
  for (std::size_t i = 0; i < o.points.size(); ++i) {
    if (inSquare(o.points[i], half, p)) found = static_cast<int>(i);
  }
  if (found >= 0) return found;
  const std::size_t n = o.points.size();
  if (n < 2) return -1;
  const std::size_t segments = o.kind == kZone ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    if (inSquare(midpoint(o.points[i], o.points[(i + 1) % n]), half, p)) {
      found = kMidpointHandle + static_cast<int>(i);
    }
  }
  return found;
}

int circleHandleAt(const TObjekt& c, DPoint p, double zoom) {
  const double half = handleHalfSize(ringWidth(c.dim.x, c.dim.y) / 2, zoom);
  const double radius = centreLineRadius(c.dim.x, c.dim.y);
  if (inSquare(pointOnArc(c.pos, radius, circleStartAngle(c)), half, p)) return kStartHandle;
  if (inSquare(pointOnArc(c.pos, radius, circleStopAngle(c)), half, p)) return kStopHandle;
  return -1;
}

}  // namespace

int nodeHandleAt(const TObjekt& o, DPoint world, double zoom) {
  switch (o.kind) {
    case kTrack:
    case kZone:
      return lineHandleAt(o, world, zoom);
    case kCircle:
      return circleHandleAt(o, world, zoom);
    default:
      return -1;
  }
}

}  // namespace pravelo
