#include "copper/polygon_predicates.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "copper/exact_division.h"

namespace pravelo {
namespace {

using Outline = std::vector<Point32>;

// Edge tests run on single-precision millimetres, as the segment intersection expects.
FPoint toMm(Point32 p) {
  return {static_cast<float>(fixedToMm(p.x)), static_cast<float>(fixedToMm(p.y))};
}

Rect32 edgeBounds(Point32 a, Point32 b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool insideOutline(const Outline& outline, Point32 p) {
  bool inside = false;
  const std::int64_t x = p.x;
  const std::int64_t y = p.y;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const Point32 q = outline[i];
    const Point32 prev = outline[i == 0 ? outline.size() - 1 : i - 1];
    if ((y >= q.y) == (y >= prev.y)) continue;
    const Int128 num = Int128{std::int64_t{prev.x} - q.x} * (y - q.y);
    if (x - q.x < divideRounded(num, std::int64_t{prev.y} - q.y)) inside = !inside;
  }
  return inside;
}

// Calls `visit(a1, a2, b1, b2)` for every pair of an edge of `a` and an edge of `b` whose
// bounds meet, edges of `a` in walking order, until it returns true.
template <typename Visit>
bool forEachEdgePair(const TPolygon32& a, const TPolygon32& b, Visit visit) {
  std::vector<Rect32> bBounds;
  bBounds.reserve(b.outlines.size());
  for (const Outline& o : b.outlines) bBounds.push_back(outlineBounds(o));
  for (const Outline& oa : a.outlines) {
    for (std::size_t i = 0; i < oa.size(); ++i) {
      const Point32 a1 = oa[i];
      const Point32 a2 = oa[(i + 1) % oa.size()];
      const Rect32 ea = edgeBounds(a1, a2);
      for (std::size_t k = 0; k < b.outlines.size(); ++k) {
        if (!intersects(ea, bBounds[k])) continue;
        const Outline& ob = b.outlines[k];
        for (std::size_t j = 0; j < ob.size(); ++j) {
          const Point32 b1 = ob[j];
          const Point32 b2 = ob[(j + 1) % ob.size()];
          if (intersects(ea, edgeBounds(b1, b2)) && visit(a1, a2, b1, b2)) return true;
        }
      }
    }
  }
  return false;
}

std::optional<DPoint> crossing(Point32 a1, Point32 a2, Point32 b1, Point32 b2) {
  return segmentIntersection(toMm(a1), toMm(a2), toMm(b1), toMm(b2));
}

}  // namespace

bool pointInPolygon(const TPolygon32& polygon, Point32 p) {
  return std::any_of(polygon.outlines.begin(), polygon.outlines.end(),
                     [&](const Outline& o) { return insideOutline(o, p); });
}

bool allVerticesInside(const TPolygon32& a, const TPolygon32& b) {
  for (const Outline& o : a.outlines) {
    for (const Point32& p : o) {
      if (!pointInPolygon(b, p)) return false;
    }
  }
  return true;
}

bool polygonsIntersect(const TPolygon32& a, const TPolygon32& b) {
  // Without this an empty outline would count as lying inside everything.
  if (!hasPoints(a) || !hasPoints(b)) return false;
  if (!intersects(polygonBounds(a), polygonBounds(b))) return false;
  if (allVerticesInside(a, b) || allVerticesInside(b, a)) return true;
  return forEachEdgePair(a, b, [](Point32 a1, Point32 a2, Point32 b1, Point32 b2) {
    return crossing(a1, a2, b1, b2).has_value();
  });
}

bool rectIntersectsPolygon(double x1, double y1, double x2, double y2, const TPolygon32& polygon) {
  const double left = std::min(x1, x2);
  const double right = std::max(x1, x2);
  const double bottom = std::min(y1, y2);
  const double top = std::max(y1, y2);
  auto meets = [&](const Rect32& r) {
    return !isEmpty(r) && fixedToMm(r.minX) <= right && left <= fixedToMm(r.maxX) &&
           fixedToMm(r.minY) <= top && bottom <= fixedToMm(r.maxY);
  };
  auto within = [&](const Rect32& r) {
    return left <= fixedToMm(r.minX) && fixedToMm(r.maxX) <= right && bottom <= fixedToMm(r.minY) &&
           fixedToMm(r.maxY) <= top;
  };
  const Rect32 all = polygonBounds(polygon);
  if (!meets(all)) return false;
  if (within(all)) return true;

  auto pt = [](double x, double y) { return FPoint{static_cast<float>(x), static_cast<float>(y)}; };
  const FPoint corners[4] = {pt(left, bottom), pt(right, bottom), pt(right, top), pt(left, top)};
  for (const Outline& o : polygon.outlines) {
    const Rect32 bounds = outlineBounds(o);
    if (!meets(bounds)) continue;
    if (within(bounds)) return true;
    for (std::size_t i = 0; i < o.size(); ++i) {
      const FPoint e1 = toMm(o[i]);
      const FPoint e2 = toMm(o[(i + 1) % o.size()]);
      for (int k = 0; k < 4; ++k) {
        if (segmentIntersection(e1, e2, corners[k], corners[(k + 1) % 4])) return true;
      }
    }
  }
  return false;
}

std::vector<DPoint> edgeIntersectionPoints(const TPolygon32& a, const TPolygon32& b) {
  std::vector<DPoint> points;
  if (allVerticesInside(a, b) || allVerticesInside(b, a)) return points;
  forEachEdgePair(a, b, [&](Point32 a1, Point32 a2, Point32 b1, Point32 b2) {
    if (auto p = crossing(a1, a2, b1, b2)) points.push_back(*p);
    return false;
  });
  return points;
}

}  // namespace pravelo
