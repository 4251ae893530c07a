#include "geometry/bounding_box.h"

#include <gtest/gtest.h>

#include <memory>

namespace pravelo {
namespace {

TObjekt track(std::vector<FPoint> points, std::int32_t width, std::int32_t clearance) {
  TObjekt o = newObject();
  initTrack(o, width, kLayerC1);
  o.points = std::move(points);
  o.clearance = clearance;
  return o;
}

TObjekt pad(int shape, FPoint centre, float radius, std::int32_t clearance) {
  TObjekt o = newObject();
  initPad(o, centre, kLayerC1, static_cast<std::uint8_t>(shape), radius / 2, radius);
  o.clearance = clearance;
  return o;
}

TObjekt circle(std::int32_t outer, std::int32_t inner, std::int32_t start, std::int32_t stop,
               std::int32_t clearance) {
  TObjekt o = newObject();
  initCircle(o, {0, 0}, outer, kLayerC1, inner);
  o.paramA = start;
  o.width = stop;
  o.clearance = clearance;
  return o;
}

TObjekt smd(std::int32_t clearance) {
  TObjekt o = newObject();
  initSmdPad(o, {0, 0}, 2000, kLayerC1, 1000);
  o.clearance = clearance;
  return o;
}

struct BoundsCase {
  const char* name;
  TObjekt object;
  TRect expected;
};

// Rectangles are {left, top, right, bottom} with top the smaller y.
// clang-format off
std::vector<BoundsCase> boundsCases() {
  return {
    {"track: half width plus clearance", track({{0, 0}, {1000, -500}}, 400, 100), {-300, -800, 1300, 300}},
    {"track: integer halving of an odd width", track({{0, 0}, {1000, 0}}, 403, 0), {-201, -201, 1201, 201}},
    {"track of width 0 gets 200", track({{0, 0}, {1000, 0}}, 0, 50), {-250, -250, 1250, 250}},
    {"track of width 1 gets 200", track({{0, 0}, {1000, 0}}, 1, 0), {-200, -200, 1200, 200}},
    {"single vertex: empty box widened", track({{5000, 5000}}, 400, 0), {-200, -200, 200, 200}},
    {"vertices are rounded", track({{0.5f, 1.5f}, {10.4f, -3.5f}}, 0, 0), {-200, -204, 210, 202}},
    {"circular pad", pad(kPadCircular, {1000, -1000}, 5000, 400), {-4400, -6400, 6400, 4400}},
    {"circular pad without size gets 20", pad(kPadCircular, {0, 0}, 0, 0), {-20, -20, 20, 20}},
    {"square pad: 1.5 x clearance", pad(kPadSquare, {0, 0}, 5000, 400), {-5600, -5600, 5600, 5600}},
    {"square pad: 1.5 rounds to even 2", pad(kPadSquare, {0, 0}, 5000, 1), {-5002, -5002, 5002, 5002}},
    {"square pad without clearance gets 20", pad(kPadSquare, {0, 0}, 5000, 0), {-5020, -5020, 5020, 5020}},
    {"horizontal oval adds the radius", pad(kPadRoundedH, {0, 0}, 5000, 400), {-10600, -5600, 10600, 5600}},
    {"vertical oval adds the radius", pad(kPadRoundedV, {0, 0}, 5000, 400), {-5600, -10600, 5600, 10600}},
    {"octagon uses its outline", pad(kPadOctagonH, {0, 0}, 5000, 0), {-10020, -5020, 10020, 5020}},
    {"smd pad", smd(100), {-1150, -650, 1150, 650}},
    {"smd pad without clearance gets 20", smd(0), {-1020, -520, 1020, 520}},
    {"full circle", circle(1000, 600, 0, 0, 50), {-1050, -1050, 1050, 1050}},
    {"quarter arc pulls in three sides", circle(1000, 600, 0, 90000, 50), {-450, -450, 1450, 1050}},
    // 350..10 degrees: end points (984.8, -173.6) and (984.8, 173.6); the centre mark +-120 stays.
    {"arc through 0 degrees", circle(1000, 600, 350000, 10000, 0), {-120, -574, 1000, 574}},
  };
}
// clang-format on

TEST(ObjectBounds, EveryKind) {
  int checked = 0;
  for (const BoundsCase& c : boundsCases()) {
    EXPECT_EQ(objectBounds(c.object), c.expected) << c.name;
    ++checked;
  }
  EXPECT_EQ(checked, 19);
}

TEST(ObjectBounds, ZoneFollowsTheTrackRule) {
  TObjekt zone = newObject();
  initZone(zone, 403, kLayerC1);
  zone.points = {{0, 0}, {1000, 0}, {1000, -1000}};
  zone.clearance = 7;
  EXPECT_EQ(objectBounds(zone), (TRect{-208, -1208, 1208, 208}));
}

TEST(ObjectBounds, TextIsTheUnionOfItsStrokes) {
  TObjekt text = newObject();
  initText(text, {0, 0}, "AB", 0, 0, kLayerS1, 1, 1, 20000, 0);
  EXPECT_TRUE(isEmptyRect(objectBounds(text)));
  text.children.push_back(track({{0, 0}, {1000, 0}}, 400, 0));
  text.children.push_back(track({{2000, -3000}, {2500, -2000}}, 400, 0));
  text.clearance = 5000;  // the text's own clearance plays no part
  EXPECT_EQ(objectBounds(text), (TRect{-200, -3200, 2700, 200}));
}

TEST(ObjectBounds, LegacyTextIsItsCornerBoxWithClearance) {
  TObjekt legacy = newObject();
  legacy.kind = kLegacyText;
  legacy.pos = {100, 200};
  legacy.dim = {-50, 50};
  legacy.clearance = 10;
  EXPECT_EQ(objectBounds(legacy), (TRect{-60, 40, 110, 210}));
}

class ThermalBoundsTest : public testing::Test {
 protected:
  SpokeLayer spokes(int layer, int planeLayer, bool multilayer = false) {
    SpokeLayer s;
    s.layer = layer;
    s.groundPlane[planeLayer - 1] = 1;
    s.multilayer = multilayer;
    return s;
  }
  TObjekt thermalPad(std::uint8_t via) {
    TObjekt p = pad(kPadSquare, {0, 0}, 6000, 0);
    p.optB = 1;
    p.via = via;
    return p;
  }
  const TRect plain{-6020, -6020, 6020, 6020};
  const TRect widenedByRadius{-10020, -10020, 10020, 10020};  // + 6000 / 1.5
};

TEST_F(ThermalBoundsTest, PadOnTheSpokeLayerWithItsPlaneOn) {
  EXPECT_EQ(objectBounds(thermalPad(0), spokes(kLayerC1, kLayerC1)), widenedByRadius);
  EXPECT_EQ(objectBounds(thermalPad(0), spokes(kLayerC1, kLayerC2)), plain);  // plane off
  EXPECT_EQ(objectBounds(thermalPad(0), spokes(kLayerC2, kLayerC2)), plain);  // not on C2
  TObjekt noSpokes = thermalPad(0);
  noSpokes.optB = 0;
  EXPECT_EQ(objectBounds(noSpokes, spokes(kLayerC1, kLayerC1)), plain);
}

TEST_F(ThermalBoundsTest, PlatedThroughPadReachesTheOtherSidesAndInnerLayersWithMultilayer) {
  EXPECT_EQ(objectBounds(thermalPad(1), spokes(kLayerC2, kLayerC2)), widenedByRadius);
  EXPECT_EQ(objectBounds(thermalPad(1), spokes(kLayerI1, kLayerI1)), plain);
  EXPECT_EQ(objectBounds(thermalPad(1), spokes(kLayerI1, kLayerI1, true)), widenedByRadius);
}

TEST_F(ThermalBoundsTest, SmdPadWidensByAThirdOfItsSmallerSide) {
  TObjekt s = smd(0);
  s.optB = 1;
  EXPECT_EQ(objectBounds(s, spokes(kLayerC1, kLayerC1)), (TRect{-1353, -853, 1353, 853}));
}

TEST(ObjectListBounds, UnitesTheAcceptedObjects) {
  ObjectList objects;
  objects.push_back(std::make_unique<TObjekt>(track({{0, 0}, {1000, 0}}, 400, 0)));
  objects.push_back(std::make_unique<TObjekt>(track({{5000, -5000}, {6000, -5000}}, 400, 0)));
  objects[1]->selected = 1;
  EXPECT_EQ(objectListBounds(objects, {}), (TRect{-200, -5200, 6200, 200}));
  auto selected = [](const TObjekt& o) { return o.selected != 0; };
  EXPECT_EQ(objectListBounds(objects, {}, selected), (TRect{4800, -5200, 6200, -4800}));
  objects[1]->selected = 0;
  EXPECT_TRUE(isEmptyRect(objectListBounds(objects, {}, selected)));
}

}  // namespace
}  // namespace pravelo
