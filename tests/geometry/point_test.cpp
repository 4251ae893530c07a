#include "geometry/point.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

namespace pravelo {
namespace {

constexpr double pi = std::numbers::pi;

struct DirectionCase {
  FPoint to;
  double expected;
};

class DirectionAngleTest : public testing::TestWithParam<DirectionCase> {};

// Clockwise from +x with y up: straight down is a quarter turn.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Quadrants, DirectionAngleTest, testing::Values(
  DirectionCase{{0, 0}, 0},
  DirectionCase{{5, 0}, 0},
  DirectionCase{{0, -5}, pi / 2},
  DirectionCase{{-5, 0}, pi},
  DirectionCase{{0, 5}, 3 * pi / 2},
  DirectionCase{{5, -5}, pi / 4},
  DirectionCase{{-5, -5}, 3 * pi / 4},
  DirectionCase{{-5, 5}, 5 * pi / 4},
  DirectionCase{{5, 5}, 7 * pi / 4},
  DirectionCase{{10, -1}, 0.09966865249116204},
  DirectionCase{{10, 1}, 2 * pi - 0.09966865249116204}));
// clang-format on

TEST_P(DirectionAngleTest, FromOrigin) {
  const Radians a = directionAngle({0, 0}, GetParam().to);
  EXPECT_NEAR(a.value, GetParam().expected, 1e-12);
  EXPECT_GE(a.value, 0);
  EXPECT_LT(a.value, 2 * pi);
}

TEST(Point, DirectionAngleIsRelativeToTheStart) {
  EXPECT_NEAR(directionAngle({100, 100}, {100, 95}).value, pi / 2, 1e-12);
}

TEST(Point, RotationIsAnticlockwiseForPositiveAngles) {
  const FPoint up = rotatePoint({10, 0}, {0, 0}, 90);
  EXPECT_NEAR(up.x, 0, 1e-5);
  EXPECT_NEAR(up.y, 10, 1e-5);
  const FPoint down = rotatePoint({10, 0}, {0, 0}, -90);
  EXPECT_NEAR(down.x, 0, 1e-5);
  EXPECT_NEAR(down.y, -10, 1e-5);
  const FPoint turned = rotatePoint({15, 5}, {5, 5}, 180);
  EXPECT_NEAR(turned.x, -5, 1e-5);
  EXPECT_NEAR(turned.y, 5, 1e-5);
}

TEST(Point, ListRotationMatchesSinglePoints) {
  std::vector<FPoint> points{{10, 0}, {3, -7}, {-2, 4}};
  const std::vector<FPoint> original = points;
  rotatePoints(points, {1, 1}, 33);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i], rotatePoint(original[i], {1, 1}, 33));
  }
}

TEST(Point, DistanceAndInterpolation) {
  EXPECT_DOUBLE_EQ(distance({0, 0}, {3, -4}), 5);
  EXPECT_EQ(midpoint({0, 0}, {10, -20}), (FPoint{5, -10}));
  // Factor 0 gives the second point, 1 the first; the axes are independent.
  EXPECT_EQ(interpolate({0, 0}, {10, 20}, 0, 1), (FPoint{10, 0}));
  EXPECT_EQ(interpolate({0, 0}, {10, 20}, 0.25, 0.75), (FPoint{7.5, 5}));
}

TEST(Point, SegmentIntersection) {
  const auto cross = segmentIntersection({0, 0}, {10, 10}, {0, 10}, {10, 0});
  ASSERT_TRUE(cross);
  EXPECT_EQ(*cross, (DPoint{5, 5}));
  // Touching at an end point counts; the point lies on the second segment.
  const auto touch = segmentIntersection({0, 0}, {10, 0}, {4, 0}, {4, 8});
  ASSERT_TRUE(touch);
  EXPECT_EQ(*touch, (DPoint{4, 0}));
  EXPECT_FALSE(segmentIntersection({0, 0}, {10, 0}, {0, 1}, {10, 1}));   // parallel
  EXPECT_FALSE(segmentIntersection({0, 0}, {10, 0}, {5, 0}, {15, 0}));   // collinear overlap
  EXPECT_FALSE(segmentIntersection({0, 0}, {10, 10}, {0, 10}, {4, 6}));  // short of the crossing
  EXPECT_FALSE(segmentIntersection({0, 0}, {4, 4}, {0, 10}, {10, 0}));   // first one too short
}

TEST(Point, ComparisonsTestEachAxisSeparately) {
  EXPECT_TRUE(equalWithin({0, 0}, {3, -3}, 3));  // 4.24 apart, but 3 per axis
  EXPECT_FALSE(equalWithin({0, 0}, {4, 0}, 3));
  EXPECT_FALSE(equalWithin({0, 0}, {0, -4}, 3));
  EXPECT_TRUE(equalRounded({0.4f, 0.6f}, {0, 1}));
  EXPECT_TRUE(equalRounded({2.5f, 1.5f}, {2, 2}));  // half to even
  EXPECT_FALSE(equalRounded({0.6f, 0}, {0, 0}));
  EXPECT_TRUE(equalRoundedWithin({0.4f, 5.6f}, {2, 4}, 2));
  EXPECT_FALSE(equalRoundedWithin({0.4f, 6.6f}, {2, 4}, 2));
}

TEST(Point, IntegerPointsRoundAndSaturate) {
  EXPECT_EQ(toIPoint(FPoint{1.5f, -2.5f}), (IPoint{2, -2}));
  EXPECT_EQ(toIPoint(DPoint{4e9, -4e9}), (IPoint{std::numeric_limits<std::int32_t>::max(),
                                                 std::numeric_limits<std::int32_t>::min()}));
}

TEST(Point, PixelCentre) {
  EXPECT_EQ(pixelCentre({1.4, 2.6}), (DPoint{1.5, 3.5}));
  EXPECT_EQ(pixelCentre({2.5, -0.5}), (DPoint{2.5, 0.5}));
  EXPECT_EQ(pixelCentre({-1.6, 0}), (DPoint{-1.5, 0.5}));
}

}  // namespace
}  // namespace pravelo
