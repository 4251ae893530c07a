#include "copper/segment_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "copper/signed_area.h"

namespace pravelo {
namespace {

TEST(SegmentOutline, RoundCapsHaveWidthDependentSegments) {
  // Width 0.3 mm: w / 3000 + 3 = 4 segments per cap, each cap adds its start point too.
  EXPECT_EQ(segmentOutline({0, 0}, {100000, 0}, 3000, false, false).size(), 10u);
  EXPECT_EQ(segmentOutline({0, 0}, {100000, 0}, 2999, false, false).size(), 8u);
  EXPECT_EQ(segmentOutline({0, 0}, {100000, 0}, 30000, false, false).size(), 28u);
}

TEST(SegmentOutline, CapsBulgeBeyondTheEndsAnticlockwise) {
  const Contour c = segmentOutline({0, 0}, {100000, 0}, 6000, false, false);
  // The outline starts below the end point and rounds it to above.
  EXPECT_EQ(c.front(), (IPoint{100000, -3000}));
  const auto [minX, maxX] =
      std::minmax_element(c.begin(), c.end(), [](IPoint a, IPoint b) { return a.x < b.x; });
  // Five segments per cap: the points nearest the tips lie at 18 degrees off the axis.
  EXPECT_EQ(maxX->x, 100000 + 2853);
  EXPECT_EQ(minX->x, -2853);
  EXPECT_GT(signedArea(c), 0);
}

TEST(SegmentOutline, SquareEndsReachHalfTheWidthBeyond) {
  const Contour c = segmentOutline({0, 0}, {100000, 0}, 6000, true, true);
  // w/2 * 1.414 * sin(45 degrees) is just below w/2 and rounds to it.
  EXPECT_EQ(c, (Contour{{103000, -3000}, {103000, 3000}, {-3000, 3000}, {-3000, -3000}}));
  const Contour flatEnd = segmentOutline({0, 0}, {0, 100000}, 6000, false, true);
  EXPECT_EQ(flatEnd[0], (IPoint{3000, 103000}));
  EXPECT_EQ(flatEnd[1], (IPoint{-3000, 103000}));
}

TEST(SegmentOutline, FullCircleHasNPoints) {
  const Contour c = circleOutline({0, 0}, {8000, 0}, 15, 16000);
  ASSERT_EQ(c.size(), 15u);
  EXPECT_EQ(c.back(), (IPoint{8000, 0}));
  EXPECT_GT(signedArea(c), 0);
}

TEST(SegmentOutline, ShortArcThroughZeroStaysShort) {
  // From 359.5 to 0.5 degrees anticlockwise is one degree, not almost a full turn.
  Contour c;
  const double r = 1000000;
  const IPoint from{static_cast<int>(std::nearbyint(r * std::cos(-0.5 * 3.14159265358979 / 180))),
                    static_cast<int>(std::nearbyint(r * std::sin(-0.5 * 3.14159265358979 / 180)))};
  const IPoint to{from.x, -from.y};
  appendArc(c, from, to, {0, 0}, 2, 2 * r, ArcTurn::kAnticlockwise);
  ASSERT_EQ(c.size(), 2u);
  EXPECT_NEAR(c[0].x, 1000000, 1);
  EXPECT_NEAR(c[0].y, 0, 1);
  EXPECT_NEAR(c[1].x, to.x, 1);
  EXPECT_NEAR(c[1].y, to.y, 1);
}

}  // namespace
}  // namespace pravelo
