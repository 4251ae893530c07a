#pragma once

#include <cstdint>
#include <vector>

namespace pravelo {

// A point of a fixed-point polygon: millimetres (times a caller's scale) with 16 fractional
// bits, so the resolution is 1/65536 mm and the range about +-32767 mm.
struct Point32 {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point32&, const Point32&) = default;
};

// Outlines for containment and contact tests; each outline is closed implicitly, and a point
// is inside the polygon when it is inside any outline by the crossing-parity rule. A new
// polygon has one empty outline, which points are added to.
struct TPolygon32 {
  std::vector<std::vector<Point32>> outlines{1};
};

// Bounds in fixed point; min > max for a polygon without points.
struct Rect32 {
  std::int32_t minX = 1;
  std::int32_t minY = 1;
  std::int32_t maxX = 0;
  std::int32_t maxY = 0;
};

// A world coordinate in internal units as fixed point: round(c / 10000 * scale * 65536),
// saturating at the 32-bit range.
std::int32_t toFixed(double units, double scale);
inline Point32 toFixedPoint(double x, double y, double scale) {
  return {toFixed(x, scale), toFixed(y, scale)};
}
inline double fixedToMm(std::int32_t v) { return v / 65536.0; }

inline void addPoint(TPolygon32& polygon, Point32 p) { polygon.outlines.back().push_back(p); }
inline void newOutline(TPolygon32& polygon) { polygon.outlines.emplace_back(); }
inline void clear(TPolygon32& polygon) { polygon.outlines.assign(1, {}); }
bool hasPoints(const TPolygon32& polygon);

Rect32 outlineBounds(const std::vector<Point32>& outline);
Rect32 polygonBounds(const TPolygon32& polygon);
inline bool isEmpty(const Rect32& r) { return r.minX > r.maxX || r.minY > r.maxY; }
bool intersects(const Rect32& a, const Rect32& b);

}  // namespace pravelo
