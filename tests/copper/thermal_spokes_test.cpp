#include "copper/thermal_spokes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/point.h"

namespace pravelo {
namespace {

TObjekt thermalPad(std::uint8_t shape, float radius, std::int32_t clearance) {
  TObjekt o = newObject();
  initPad(o, {100000, -100000}, kLayerC1, shape, radius / 3, radius);
  o.clearance = clearance;
  o.optB = 1;
  return o;
}

FPoint tip(const SpokeRectangle& s) { return midpoint(s[1], s[2]); }

TEST(ThermalSpokes, DefaultPatternGivesFourSpokesUpRightDownLeft) {
  const TObjekt pad = thermalPad(kPadCircular, 10000, 4000);
  const auto spokes = thermalSpokes(pad, kLayerC1, kSpokeReach);
  ASSERT_EQ(spokes.size(), 4u);
  const float reach = 10000 + 4000 + 500;
  EXPECT_NEAR(tip(spokes[0]).y, -100000 + reach, 0.05);  // up
  EXPECT_NEAR(tip(spokes[1]).x, 100000 + reach, 0.05);   // right
  EXPECT_NEAR(tip(spokes[2]).y, -100000 - reach, 0.05);  // down
  EXPECT_NEAR(tip(spokes[3]).x, 100000 - reach, 0.05);   // left
  // Spoke width R / 1.5 at 100 percent.
  EXPECT_NEAR(distance(spokes[0][0], spokes[0][3]), 10000 / 1.5, 0.05);
}

TEST(ThermalSpokes, CircularPadDiagonalsAreAsLongAsTheOthers) {
  TObjekt pad = thermalPad(kPadCircular, 10000, 4000);
  pad.paramA = 255;
  const auto spokes = thermalSpokes(pad, kLayerC1, kSpokeReach);
  ASSERT_EQ(spokes.size(), 8u);
  for (const SpokeRectangle& s : spokes) EXPECT_NEAR(distance(pad.pos, tip(s)), 14500, 0.05);
  // Direction 2 points up and to the right.
  EXPECT_GT(tip(spokes[1]).x, pad.pos.x);
  EXPECT_GT(tip(spokes[1]).y, pad.pos.y);
}

TEST(ThermalSpokes, SquarePadDiagonalsReachTheGrownCorners) {
  TObjekt pad = thermalPad(kPadSquare, 10000, 4000);
  pad.paramA = 2;  // direction 2 only
  const auto spokes = thermalSpokes(pad, kLayerC1, kSpokeReach);
  ASSERT_EQ(spokes.size(), 1u);
  const double toCorner = 14000 * std::sqrt(2.0) + 500;
  EXPECT_NEAR(tip(spokes[0]).x - pad.pos.x, toCorner / std::sqrt(2.0), 0.1);
  EXPECT_NEAR(tip(spokes[0]).y - pad.pos.y, toCorner / std::sqrt(2.0), 0.1);
}

TEST(ThermalSpokes, PatternPerLayerOrCopiedFromC1) {
  TObjekt pad = thermalPad(kPadCircular, 10000, 4000);
  pad.paramA = 0x01020304;                      // C1 byte 4, C2 byte 3, I1 byte 2, I2 byte 1
  EXPECT_TRUE(spokeEnabled(pad, 3, kLayerC2));  // C1's byte applies everywhere
  EXPECT_FALSE(spokeEnabled(pad, 1, kLayerC2));
  pad.optA = 1;
  EXPECT_TRUE(spokeEnabled(pad, 3, kLayerC1));
  EXPECT_TRUE(spokeEnabled(pad, 1, kLayerC2));
  EXPECT_TRUE(spokeEnabled(pad, 2, kLayerC2));
  EXPECT_TRUE(spokeEnabled(pad, 2, kLayerI1));
  EXPECT_TRUE(spokeEnabled(pad, 1, kLayerI2));
  EXPECT_FALSE(spokeEnabled(pad, 2, kLayerI2));
  EXPECT_FALSE(spokeEnabled(pad, 9, kLayerC1));
}

TEST(ThermalSpokes, SmdPadSpokesFollowItsSizes) {
  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 30000, kLayerC1, 12000);
  smd.clearance = 2000;
  smd.optB = 1;
  const auto spokes = thermalSpokes(smd, kLayerC1, kSpokeReach);
  ASSERT_EQ(spokes.size(), 4u);
  EXPECT_NEAR(tip(spokes[0]).y, 6000 + 2000 + 500, 0.05);
  EXPECT_NEAR(tip(spokes[1]).x, 15000 + 2000 + 500, 0.05);
  EXPECT_NEAR(distance(spokes[0][0], spokes[0][3]), 4000, 0.05);  // min(W, H) / 3
}

TEST(ThermalSpokes, ZeroSizePadsHaveNone) {
  TObjekt pad = thermalPad(kPadOctagonH, 0, 0);
  pad.paramA = 255;
  EXPECT_TRUE(thermalSpokes(pad, kLayerC1, kSpokeReach).empty());
  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 0, kLayerC1, 12000);
  smd.paramA = 255;
  EXPECT_TRUE(thermalSpokes(smd, kLayerC1, kSpokeReach).empty());
}

// A damaged file's negative clearance counts as none: spokes still reach out of the pad.
TEST(ThermalSpokes, NegativeClearanceCountsAsZero) {
  for (const std::uint8_t shape : {kPadCircular, kPadSquare, kPadOctagonH}) {
    TObjekt pad = thermalPad(shape, 10000, 0);
    pad.paramA = 255;
    const auto plain = thermalSpokes(pad, kLayerC1, kSpokeReach);
    pad.clearance = -30000;
    EXPECT_EQ(thermalSpokes(pad, kLayerC1, kSpokeReach), plain) << int{shape};
  }
  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 20000, kLayerC1, 12000);
  smd.optB = 1;
  const auto plain = thermalSpokes(smd, kLayerC1, kSpokeReach);
  smd.clearance = -30000;
  EXPECT_EQ(thermalSpokes(smd, kLayerC1, kSpokeReach), plain);
}

TEST(ThermalSpokes, ElongatedShapesGiveFiniteSpokes) {
  for (const std::uint8_t shape : {kPadRoundedH, kPadOctagonH, kPadRoundedV, kPadOctagonV,
                                   kPadRectangleH, kPadRectangleV, kPadOctagon}) {
    TObjekt pad = thermalPad(shape, 8000, 0);
    pad.paramA = 255;
    const auto spokes = thermalSpokes(pad, kLayerC1, kSpokeReach);
    ASSERT_EQ(spokes.size(), 8u) << int{shape};
    for (const SpokeRectangle& s : spokes) {
      for (const FPoint& p : s) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
  }
}

}  // namespace
}  // namespace pravelo
