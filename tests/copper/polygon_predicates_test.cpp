#include "copper/polygon_predicates.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

// A square in whole millimetres.
TPolygon32 squareMm(double x0, double y0, double x1, double y1) {
  TPolygon32 p;
  for (const auto& [x, y] : {std::pair{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}) {
    addPoint(p, toFixedPoint(x * 10000, y * 10000, 1));
  }
  return p;
}

Point32 mm(double x, double y) { return toFixedPoint(x * 10000, y * 10000, 1); }

TEST(PolygonPredicates, PointInsideByParityOfAnyOutline) {
  TPolygon32 p = squareMm(0, 0, 10, 10);
  EXPECT_TRUE(pointInPolygon(p, mm(5, 5)));
  EXPECT_FALSE(pointInPolygon(p, mm(15, 5)));
  EXPECT_FALSE(pointInPolygon(p, mm(5, -1)));
  newOutline(p);
  const TPolygon32 second = squareMm(20, 0, 30, 10);
  for (const Point32& q : second.outlines[0]) addPoint(p, q);
  EXPECT_TRUE(pointInPolygon(p, mm(25, 5)));
  EXPECT_FALSE(pointInPolygon(TPolygon32{}, mm(0, 0)));
}

TEST(PolygonPredicates, AllVerticesInside) {
  EXPECT_TRUE(allVerticesInside(squareMm(2, 2, 8, 8), squareMm(0, 0, 10, 10)));
  EXPECT_FALSE(allVerticesInside(squareMm(2, 2, 18, 8), squareMm(0, 0, 10, 10)));
  EXPECT_TRUE(allVerticesInside(TPolygon32{}, squareMm(0, 0, 10, 10)));
}

TEST(PolygonPredicates, IntersectTable) {
  // clang-format off
  const struct { const char* name; TPolygon32 a, b; bool meet; } cases[] = {
    {"overlapping", squareMm(0, 0, 10, 10), squareMm(5, 5, 15, 15), true},
    {"crossing without corners inside", squareMm(0, 4, 20, 6), squareMm(8, 0, 12, 10), true},
    {"nested", squareMm(0, 0, 10, 10), squareMm(2, 2, 3, 3), true},
    {"sharing an edge", squareMm(0, 0, 10, 10), squareMm(10, 2, 20, 8), true},
    {"touching corners", squareMm(0, 0, 10, 10), squareMm(10, 10, 20, 20), true},
    {"disjoint", squareMm(0, 0, 10, 10), squareMm(11, 0, 20, 10), false},
    {"empty", TPolygon32{}, squareMm(0, 0, 10, 10), false},
    {"both empty", TPolygon32{}, TPolygon32{}, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(polygonsIntersect(c.a, c.b), c.meet) << c.name;
    EXPECT_EQ(polygonsIntersect(c.b, c.a), c.meet) << c.name << " (swapped)";
  }
}

TEST(PolygonPredicates, RectangleMeetsEdgesNotTheInside) {
  const TPolygon32 p = squareMm(0, 0, 10, 10);
  EXPECT_TRUE(rectIntersectsPolygon(-1, -1, 20, 20, p));  // polygon inside the rectangle
  EXPECT_TRUE(rectIntersectsPolygon(8, 8, 12, 12, p));    // across a corner
  EXPECT_TRUE(rectIntersectsPolygon(12, 3, 9, 4, p));     // across an edge, corners in any order
  EXPECT_FALSE(rectIntersectsPolygon(3, 3, 4, 4, p));     // strictly inside
  EXPECT_FALSE(rectIntersectsPolygon(11, 0, 12, 1, p));   // beside it
  EXPECT_FALSE(rectIntersectsPolygon(-1, -1, 20, 20, TPolygon32{}));
}

TEST(PolygonPredicates, EdgeIntersectionPointsInWalkingOrder) {
  const auto points = edgeIntersectionPoints(squareMm(0, 4, 20, 6), squareMm(8, 0, 12, 10));
  ASSERT_EQ(points.size(), 4u);
  EXPECT_DOUBLE_EQ(points[0].x, 12);
  EXPECT_DOUBLE_EQ(points[0].y, 4);
  EXPECT_DOUBLE_EQ(points[1].x, 8);
  EXPECT_DOUBLE_EQ(points[1].y, 4);
  EXPECT_DOUBLE_EQ(points[2].x, 12);
  EXPECT_DOUBLE_EQ(points[2].y, 6);
  EXPECT_DOUBLE_EQ(points[3].x, 8);
  EXPECT_TRUE(edgeIntersectionPoints(squareMm(0, 0, 10, 10), squareMm(2, 2, 3, 3)).empty());
}

}  // namespace
}  // namespace pravelo
