#include "copper/object_outline.h"

#include <gtest/gtest.h>

#include <vector>

namespace pravelo {
namespace {

std::vector<std::size_t> outlineSizes(const TPolygon32& p) {
  std::vector<std::size_t> s;
  for (const auto& o : p.outlines) s.push_back(o.size());
  return s;
}

TObjekt zone(std::uint8_t layer) {
  TObjekt z = newObject();
  initZone(z, 3000, layer);
  z.points = {{0, 0}, {100000, 0}, {100000, 100000}};
  return z;
}

SpokeLayer planeOn(int layer) {
  SpokeLayer s;
  s.layer = layer;
  s.groundPlane[layer - 1] = 1;
  return s;
}

TEST(ObjectOutline, FixedPointIsMillimetresTimes65536) {
  EXPECT_EQ(toFixed(10000, 1), 65536);
  EXPECT_EQ(toFixed(-5000, 1), -32768);
  EXPECT_EQ(toFixed(1, 1), 7);  // 6.5536 rounds to 7
  EXPECT_EQ(toFixed(10000, 0.5), 32768);
  EXPECT_EQ(toFixed(1e12, 1), 2147483647);  // saturates instead of wrapping
}

TEST(ObjectOutline, ZoneFillComesFirst) {
  const TPolygon32 p = objectOutline(zone(kLayerC1), {}, 1);
  ASSERT_EQ(outlineSizes(p), (std::vector<std::size_t>{3, 10, 10, 10}));
  EXPECT_EQ(p.outlines[0][1], (Point32{655360, 0}));
}

TEST(ObjectOutline, MaskOnlyZoneIsOnlyItsFill) {
  TObjekt z = zone(kLayerC1);
  z.maskOnly = 1;
  EXPECT_EQ(outlineSizes(objectOutline(z, {}, 1)), (std::vector<std::size_t>{3, 0}));
}

TEST(ObjectOutline, HiddenLabelsHaveNone) {
  TObjekt t = newObject();
  initText(t, {0, 0}, "R1", 0, 0, kLayerC1, 1, 1, 10000, 0);
  TObjekt stroke = newObject();
  initTrack(stroke, 1000, kLayerC1);
  stroke.points = {{0, 0}, {0, 1000}};
  t.children = {stroke};
  t.variant = kComponentIdText;
  EXPECT_EQ(outlineSizes(objectOutline(t, {}, 1)), (std::vector<std::size_t>{8}));
  t.optA = 0;
  EXPECT_FALSE(hasPoints(objectOutline(t, {}, 1)));
}

TEST(ObjectOutline, ThermalSpokesOnlyWhereThePlaneIsOn) {
  TObjekt pad = newObject();
  initPad(pad, {0, 0}, kLayerC1, kPadSquare, 3000, 10000);
  pad.clearance = 4000;
  pad.optB = 1;
  EXPECT_EQ(outlineSizes(objectOutline(pad, {}, 1)), (std::vector<std::size_t>{4}));
  EXPECT_EQ(outlineSizes(objectOutline(pad, {planeOn(kLayerC1)}, 1)),
            (std::vector<std::size_t>{4, 4, 4, 4, 4}));
  EXPECT_EQ(outlineSizes(objectOutline(pad, {planeOn(kLayerC2)}, 1)),
            (std::vector<std::size_t>{4}));
  pad.via = 1;  // plated through: present on C2 as well
  EXPECT_EQ(objectOutline(pad, {planeOn(kLayerC2)}, 1).outlines.size(), 5u);
  // The outline leaves the pad's own fields alone.
  EXPECT_EQ(pad.width, 0);
}

TEST(ObjectOutline, ConductsTable) {
  TObjekt track = newObject();
  initTrack(track, 1000, kLayerC1);
  track.points = {{0, 0}, {10, 0}};
  TObjekt padOk = newObject();
  initPad(padOk, {0, 0}, kLayerC1, kPadCircular, 3000, 8000);
  TObjekt hole = padOk;
  hole.dim.y = 8000;
  TObjekt badShape = padOk;
  badShape.variant = 0;
  TObjekt cutout = track;
  cutout.cutout = 1;
  TObjekt emptyTrack = track;
  emptyTrack.points.clear();
  TObjekt maskZone = zone(kLayerC2);
  maskZone.maskOnly = 1;
  TObjekt maskFlagOnSilk = zone(kLayerS1);
  maskFlagOnSilk.maskOnly = 1;
  TObjekt label = newObject();
  initText(label, {0, 0}, "R1", 0, 0, kLayerC1, 1, 1, 10000, 0);
  label.children = {track};
  label.variant = kComponentValueText;
  TObjekt hiddenLabel = label;
  hiddenLabel.optA = 0;
  TObjekt emptyText = label;
  emptyText.children.clear();
  TObjekt legacy = newObject();
  legacy.kind = kLegacyText;
  // clang-format off
  const struct { const char* name; const TObjekt& o; bool conducts; } cases[] = {
    {"track", track, true}, {"pad", padOk, true}, {"pure hole", hole, false},
    {"pad without shape", badShape, false}, {"cut-out", cutout, false},
    {"track without vertices", emptyTrack, false}, {"mask-only zone", maskZone, false},
    {"mask flag off copper", maskFlagOnSilk, true}, {"shown label", label, true},
    {"hidden label", hiddenLabel, false}, {"text without strokes", emptyText, false},
    {"legacy text", legacy, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(conducts(c.o), c.conducts) << c.name;
    // Whatever conducts has an outline to test.
    if (c.conducts) {
      EXPECT_TRUE(hasPoints(objectOutline(c.o, {}, 1))) << c.name;
    }
  }
}

}  // namespace
}  // namespace pravelo
