#include "document/object.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(Object, NewObjectIsZeroAndDrawable) {
  TObjekt o = newObject();
  EXPECT_EQ(o.kind, 0);
  EXPECT_EQ(o.clearance, 0);
  EXPECT_EQ(o.thermalStamp, 0u);
  EXPECT_EQ(o.drawable, 1);
  EXPECT_TRUE(o.points.empty());
  EXPECT_TRUE(o.text.empty());
}

TEST(Object, InitPadSetsThermalDefaultsButNoClearance) {
  TObjekt o = newObject();
  initPad(o, {100, -200}, kLayerC2, kPadCircular, 4000, 8000);
  EXPECT_EQ(o.kind, kPad);
  EXPECT_EQ(o.dim, (FPoint{8000, 4000}));
  EXPECT_EQ(o.paramA, 0x55555555);
  EXPECT_EQ(o.paramB, 100);
  EXPECT_EQ(o.thermalStamp, kThermalStamp);
  EXPECT_EQ(o.solderMask, 1);
  EXPECT_EQ(o.clearance, 0);
}

struct PadOutlineCase {
  int shape;
  std::vector<FPoint> expected;
};

class PadOutlineTest : public testing::TestWithParam<PadOutlineCase> {};

// Centre (0, 0), outer radius 10000, no enlargement; the octagon chamfer is round(5850).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, PadOutlineTest, testing::Values(
  PadOutlineCase{1, {{-10000, 0}, {10000, 0}}},
  PadOutlineCase{4, {{-10000, 0}, {10000, 0}}},
  PadOutlineCase{7, {{0, 10000}, {0, -10000}}},
  PadOutlineCase{3, {{-10000, 10000}, {10000, 10000}, {10000, -10000}, {-10000, -10000}}},
  PadOutlineCase{6, {{-20000, 10000}, {20000, 10000}, {20000, -10000}, {-20000, -10000}}},
  PadOutlineCase{9, {{-10000, 20000}, {10000, 20000}, {10000, -20000}, {-10000, -20000}}},
  PadOutlineCase{2, {{-10000, 4150}, {-4150, 10000}, {4150, 10000}, {10000, 4150},
                     {10000, -4150}, {4150, -10000}, {-4150, -10000}, {-10000, -4150}}},
  PadOutlineCase{5, {{-20000, 4150}, {-14150, 10000}, {14150, 10000}, {20000, 4150},
                     {20000, -4150}, {14150, -10000}, {-14150, -10000}, {-20000, -4150}}},
  PadOutlineCase{8, {{-10000, 14150}, {-4150, 20000}, {4150, 20000}, {10000, 14150},
                     {10000, -14150}, {4150, -20000}, {-4150, -20000}, {-10000, -14150}}},
  PadOutlineCase{0, {}},
  PadOutlineCase{10, {}}));
// clang-format on

TEST_P(PadOutlineTest, MatchesTheShapeTable) {
  EXPECT_EQ(padOutline({0, 0}, 10000, GetParam().shape, 0), GetParam().expected);
}

TEST(PadOutline, EnlargementGrowsAllButTheOvalCapCentres) {
  // R = 10500, T = 20500, chamfer round(10500 * 0.585) = round(6142.5) = 6142 (half to even).
  auto octagon = padOutline({0, 0}, 10000, kPadOctagonH, 500);
  EXPECT_EQ(octagon[0], (FPoint{-20500, 10500 - 6142}));
  EXPECT_EQ(padOutline({0, 0}, 10000, kPadRoundedH, 500),
            (std::vector<FPoint>{{-10000, 0}, {10000, 0}}));
  EXPECT_EQ(padOutline({0, 0}, 10000, kPadCircular, 500),
            (std::vector<FPoint>{{-10500, 0}, {10500, 0}}));
}

TEST(Object, SmdPadCornersRunClockwiseFromTopLeft) {
  TObjekt o = newObject();
  initSmdPad(o, {0, 0}, 20000, kLayerC1, 10000);
  EXPECT_EQ(o.points,
            (std::vector<FPoint>{{-10000, 5000}, {10000, 5000}, {10000, -5000}, {-10000, -5000}}));
  EXPECT_EQ(o.paramA, 85);
}

TEST(Object, CopiedTextOwnsItsChildren) {
  TObjekt source = newObject();
  initText(source, {0, 0}, "R1", 0, 0, kLayerS1, 1, 1, 20000, 0);
  TObjekt child = newObject();
  initTrack(child, 1000, kLayerS1);
  addPoint(child, {1, 2});
  addPoint(child, {3, 4});
  source.children.push_back(child);

  TObjekt copy = newObject();
  copyObject(source, copy);
  copy.children[0].points[0] = {99, 99};
  EXPECT_EQ(source.children[0].points[0], (FPoint{1, 2}));
  EXPECT_EQ(source.copyMark, 1);
  EXPECT_EQ(copy.copyMark, 0);
}

TEST(Object, CopiedPadKeepsTheSourcePartnersAndGroups) {
  TObjekt partner = newObject();
  initPad(partner, {0, 0}, kLayerC1, kPadSquare, 1000, 5000);
  TObjekt pad = newObject();
  initPad(pad, {50000, 0}, kLayerC1, kPadSquare, 1000, 5000);
  pad.connections.push_back(&partner);
  pushGroup(pad, 3);
  pushGroup(pad, 7);

  TObjekt copy = newObject();
  copyObject(pad, copy);
  ASSERT_EQ(copy.connections.size(), 1u);
  EXPECT_EQ(copy.connections[0], &partner);
  EXPECT_EQ(copy.groups, (std::vector<std::int32_t>{3, 7}));
}

TEST(Object, CopyCarriesComponentDataOnlyForIdTexts) {
  TObjekt id = newObject();
  initText(id, {0, 0}, "R1", 0, 0, kLayerS1, 1, 1, 20000, 0);
  id.variant = kComponentIdText;
  id.component.package = "0805";
  TObjekt copy = newObject();
  copyObject(id, copy);
  EXPECT_EQ(copy.component.package, "0805");

  id.variant = kPlainText;
  TObjekt plain = newObject();
  copyObject(id, plain);
  EXPECT_TRUE(plain.component.package.empty());
}

TEST(Object, CopiedZoneIsClosed) {
  TObjekt zone = newObject();
  initZone(zone, 500, kLayerC1);
  zone.closed = 0;
  TObjekt copy = newObject();
  copyObject(zone, copy);
  EXPECT_EQ(copy.closed, 1);
  EXPECT_EQ(copy.optC, 1);
  EXPECT_EQ(copy.paramB, 500);
}

}  // namespace
}  // namespace pravelo
