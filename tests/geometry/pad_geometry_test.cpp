#include "geometry/pad_geometry.h"

#include <gtest/gtest.h>

#include <numbers>

#include "geometry/point.h"

namespace pravelo {
namespace {

TObjekt makePad(int shape, double clockwiseDegrees) {
  TObjekt pad = newObject();
  initPad(pad, {1000, -2000}, kLayerC1, static_cast<std::uint8_t>(shape), 3000, 10000);
  rotatePoints(pad.points, pad.pos, -clockwiseDegrees);
  return pad;
}

struct RotationCase {
  int shape;
  double degrees;
};

class PadRotationTest : public testing::TestWithParam<RotationCase> {};

// Every shape reads its rotation from the right pair of outline points; the vertical oval
// subtracts its quarter turn.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, PadRotationTest, testing::Values(
  RotationCase{1, 0}, RotationCase{1, 30}, RotationCase{2, 0}, RotationCase{2, 90},
  RotationCase{3, 45}, RotationCase{4, 0}, RotationCase{4, 90}, RotationCase{5, 270},
  RotationCase{5, 12.34}, RotationCase{6, 180}, RotationCase{7, 0}, RotationCase{7, 90},
  RotationCase{7, 300}, RotationCase{8, 0}, RotationCase{8, 135}, RotationCase{9, 359.5}));
// clang-format on

TEST_P(PadRotationTest, ReadsTheRotationFromTheOutline) {
  EXPECT_NEAR(padRotation(makePad(GetParam().shape, GetParam().degrees)), GetParam().degrees, 1e-9);
}

TEST(PadRotation, OtherKindsAndShortOutlinesHaveNone) {
  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 2000, kLayerC1, 1000);
  rotatePoints(smd.points, smd.pos, -30);
  EXPECT_EQ(padRotation(smd), 0);
  TObjekt pad = makePad(kPadOctagon, 30);
  pad.points.resize(2);
  EXPECT_EQ(padRotation(pad), 0);
}

TEST(PadRotation, IsRoundedToHundredthsOfADegree) {
  const double r = padRotation(makePad(kPadSquare, 12.3449));
  EXPECT_NEAR(r, 12.34, 1e-9);
}

struct ShapeCase {
  int shape;
  double rotation;
  int shown;
};

// clang-format off
const ShapeCase kShapeCases[] = {
  {4, 90, 7}, {7, 90, 4}, {5, 45, 8}, {6, 135, 9}, {9, 225, 6}, {8, 315, 5},
  {4, 44.4, 4}, {4, 44.5, 4},   // 44.5 rounds half to even: 44
  {4, 45.5, 7}, {4, 135.4, 7}, {4, 136, 4}, {8, 316, 8}, {6, 0, 6}, {6, 180, 6},
  {1, 90, 1}, {2, 90, 2}, {3, 270, 3},
};
// clang-format on

TEST(ShapeForRotation, SwapsOrientationNearQuarterTurns) {
  for (const ShapeCase& c : kShapeCases) {
    EXPECT_EQ(shapeForRotation(c.shape, c.rotation), c.shown) << c.shape << " at " << c.rotation;
  }
}

TEST(RegeneratePadOutline, NewShapeKeepsTheChosenOrientationOfATurnedPad) {
  TObjekt pad = makePad(kPadRoundedH, 90);
  ASSERT_NEAR(padRotation(pad), 90, 1e-9);
  regeneratePadOutline(pad, kPadRoundedH, 0);
  EXPECT_EQ(pad.variant, kPadRoundedV);
  ASSERT_EQ(pad.points.size(), 2u);
  EXPECT_NEAR(pad.points[0].x, 1000 + 10000, 1e-3);
  EXPECT_NEAR(pad.points[0].y, -2000, 1e-3);
  EXPECT_NEAR(pad.points[1].x, 1000 - 10000, 1e-3);
  EXPECT_NEAR(pad.points[1].y, -2000, 1e-3);
  EXPECT_NEAR(padRotation(pad), 90, 1e-9);
}

TEST(RegeneratePadOutline, EnlargementGrowsAroundTheCentreKeepingRotation) {
  TObjekt pad = makePad(kPadSquare, 30);
  regeneratePadOutline(pad, std::nullopt, 500);
  EXPECT_EQ(pad.variant, kPadSquare);
  ASSERT_EQ(pad.points.size(), 4u);
  for (const FPoint& p : pad.points) {
    EXPECT_NEAR(distance(p, pad.pos), 10500 * std::numbers::sqrt2, 0.01);
  }
  EXPECT_NEAR(padRotation(pad), 30, 1e-9);
  // Regenerating with no enlargement restores the stored outline.
  const TObjekt original = makePad(kPadSquare, 30);
  regeneratePadOutline(pad, std::nullopt, 0);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(equalRounded(pad.points[i], original.points[i]));
}

TEST(SmdPad, CentreIsTheMidpointOfCornersZeroAndTwo) {
  TObjekt smd = newObject();
  initSmdPad(smd, {100, 200}, 2000, kLayerC1, 1000);
  smd.pos = {0, 0};  // the true centre does not come from pos
  EXPECT_EQ(smdPadCentre(smd), (FPoint{100, 200}));
}

TEST(SmdPad, ResizeKeepsCentreAndRotation) {
  TObjekt smd = newObject();
  initSmdPad(smd, {500, -500}, 20000, kLayerC1, 10000);
  rotatePoints(smd.points, smd.pos, -30);
  resizeSmdPad(smd, -1, 4000);
  EXPECT_NEAR(distance(smd.points[0], smd.points[1]), 20000, 0.01);
  EXPECT_NEAR(distance(smd.points[1], smd.points[2]), 4000, 0.01);
  EXPECT_NEAR(cornerRotation(smd.points), 30, 1e-4);
  EXPECT_TRUE(equalRounded(smdPadCentre(smd), {500, -500}));
  EXPECT_EQ(smd.dim, (FPoint{20000, 4000}));
  resizeSmdPad(smd, 6000, -1);
  EXPECT_NEAR(distance(smd.points[0], smd.points[1]), 6000, 0.01);
  EXPECT_NEAR(distance(smd.points[1], smd.points[2]), 4000, 0.01);
}

TEST(SmdPad, RotatedRectangleOfAnUnturnedPadIsAxisParallel) {
  const std::vector<FPoint> corners{{-10, 5}, {10, 5}, {10, -5}, {-10, -5}};
  EXPECT_EQ(rotatedRectangle(corners, 30, 4),
            (std::vector<FPoint>{{-15, 2}, {15, 2}, {15, -2}, {-15, -2}}));
}

}  // namespace
}  // namespace pravelo
