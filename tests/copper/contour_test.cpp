#include "copper/contour.h"

#include <gtest/gtest.h>

#include <numbers>

namespace pravelo {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(Contour, DirectionIsAnticlockwiseFromX) {
  const IPoint o{0, 0};
  EXPECT_DOUBLE_EQ(contourDirection(o, o), 0);
  EXPECT_DOUBLE_EQ(contourDirection(o, {5, 0}), 0);
  EXPECT_DOUBLE_EQ(contourDirection(o, {0, 5}), kPi / 2);
  EXPECT_DOUBLE_EQ(contourDirection(o, {-5, 0}), kPi);
  EXPECT_DOUBLE_EQ(contourDirection(o, {0, -5}), 3 * kPi / 2);
  EXPECT_DOUBLE_EQ(contourDirection(o, {5, 5}), kPi / 4);
  EXPECT_DOUBLE_EQ(contourDirection(o, {-5, 5}), 3 * kPi / 4);
  EXPECT_DOUBLE_EQ(contourDirection(o, {-5, -5}), 5 * kPi / 4);
  EXPECT_DOUBLE_EQ(contourDirection(o, {5, -5}), 7 * kPi / 4);
}

TEST(Contour, TurnValueTellsLeftFromRight) {
  const IPoint a{0, 0};
  const IPoint b{10, 0};
  EXPECT_DOUBLE_EQ(turnValue(a, b, {20, 0}), kPi);           // straight on
  EXPECT_DOUBLE_EQ(turnValue(a, b, {10, 10}), 3 * kPi / 2);  // left
  EXPECT_DOUBLE_EQ(turnValue(a, b, {10, -10}), kPi / 2);     // right
  EXPECT_DOUBLE_EQ(turnValue(a, b, {0, 0}), 0);              // back
}

TEST(Contour, EdgeCrossingOnTheLattice) {
  // A plain crossing, rounded half to even: the lines meet at (5, 2.5).
  EXPECT_EQ(edgeCrossing({0, 0}, {10, 5}, {5, -10}, {5, 10}), (IPoint{5, 2}));
  // Touching at an end point counts.
  EXPECT_EQ(edgeCrossing({0, 0}, {10, 0}, {10, 0}, {10, 10}), (IPoint{10, 0}));
  // Parallel and collinear edges never cross.
  EXPECT_FALSE(edgeCrossing({0, 0}, {10, 0}, {0, 5}, {10, 5}));
  EXPECT_FALSE(edgeCrossing({0, 0}, {10, 0}, {5, 0}, {20, 0}));
  // The lines meet, but beyond the end of one edge.
  EXPECT_FALSE(edgeCrossing({0, 0}, {10, 0}, {5, 3}, {6, 10}));
  // Far apart bounds.
  EXPECT_FALSE(edgeCrossing({0, 0}, {10, 10}, {100, 0}, {90, 10}));
}

TEST(Contour, EdgeCrossingSurvivesLargeCoordinates) {
  const std::int32_t big = 1000000000;
  EXPECT_EQ(edgeCrossing({-big, -big}, {big, big}, {-big, big}, {big, -big}), (IPoint{0, 0}));
}

}  // namespace
}  // namespace pravelo
