#include "copper/polygon32.h"

#include <algorithm>

#include "base/units.h"

namespace pravelo {

std::int32_t toFixed(double units, double scale) {
  return roundToInt32(units / kUnitsPerMm * scale * 65536);
}

bool hasPoints(const TPolygon32& polygon) {
  return std::any_of(polygon.outlines.begin(), polygon.outlines.end(),
                     [](const std::vector<Point32>& o) { return !o.empty(); });
}

Rect32 outlineBounds(const std::vector<Point32>& outline) {
  Rect32 r;
  if (outline.empty()) return r;
  r = {outline[0].x, outline[0].y, outline[0].x, outline[0].y};
  for (const Point32& p : outline) {
    r.minX = std::min(r.minX, p.x);
    r.maxX = std::max(r.maxX, p.x);
    r.minY = std::min(r.minY, p.y);
    r.maxY = std::max(r.maxY, p.y);
  }
  return r;
}

Rect32 polygonBounds(const TPolygon32& polygon) {
  Rect32 r;
  for (const std::vector<Point32>& outline : polygon.outlines) {
    if (outline.empty()) continue;
    const Rect32 o = outlineBounds(outline);
    if (isEmpty(r)) {
      r = o;
      continue;
    }
    r.minX = std::min(r.minX, o.minX);
    r.maxX = std::max(r.maxX, o.maxX);
    r.minY = std::min(r.minY, o.minY);
    r.maxY = std::max(r.maxY, o.maxY);
  }
  return r;
}

bool intersects(const Rect32& a, const Rect32& b) {
  if (isEmpty(a) || isEmpty(b)) return false;
  return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

}  // namespace pravelo
