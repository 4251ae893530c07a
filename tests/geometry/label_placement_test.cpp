#include "geometry/label_placement.h"

#include <gtest/gtest.h>

#include <vector>

#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

TObjekt label(TextRole role, float height, std::uint8_t layer, FPoint at = {}) {
  TObjekt t = newObject();
  initText(t, at, role == kComponentIdText ? "R1" : "4k7", 0, 0, layer, 1, 1, 0, 0);
  t.dim.x = height;
  t.variant = role;
  return t;
}

// Boxes as world rectangles: `top` holds the smaller y.
constexpr TRect kWide{0, -40000, 100000, 0};   // 10 mm wide, 4 mm high
constexpr TRect kTall{0, -100000, 40000, 0};   // the same turned by 90 degrees
constexpr TRect kSquare{0, -50000, 50000, 0};  // counts as wide

// clang-format off
struct AnchorCase {
  const char* name; TRect box; float idHeight; std::uint8_t idLayer; float valueHeight;
  std::uint8_t valueLayer; LabelAnchors expected;
};
const AnchorCase kAnchorCases[] = {
  {"wide on S1", kWide, 13000, kLayerS1, 13000, kLayerS1, {{0, 26000}, {0, 6500}}},
  {"tall on S1", kTall, 13000, kLayerS1, 13000, kLayerS1, {{46500, -13000}, {46500, -32500}}},
  {"square is wide", kSquare, 13000, kLayerS1, 13000, kLayerS1, {{0, 26000}, {0, 6500}}},
  {"wide on S2 anchors at the right edge", kWide, 13000, kLayerS2, 13000, kLayerS2,
   {{100000, 26000}, {100000, 6500}}},
  {"tall on S2 stands left of the box", kTall, 13000, kLayerS2, 13000, kLayerS2,
   {{-6500, -13000}, {-6500, -32500}}},
  {"only the mirrored label moves", kWide, 13000, kLayerC2, 13000, kLayerS1,
   {{100000, 26000}, {0, 6500}}},
  {"different heights", kWide, 10000, kLayerS1, 15000, kLayerS1, {{0, 27500}, {0, 6250}}},
  {"heights round half to even", kWide, 13000.5f, kLayerS1, 12999.5f, kLayerS1,
   {{0, 26000}, {0, 6500}}},
  {"tall, different heights", kTall, 10000, kLayerS1, 15000, kLayerS1,
   {{46250, -10000}, {46250, -31250}}},
};
// clang-format on

TEST(LabelPlacement, AnchorsBesideTheBox) {
  for (const AnchorCase& c : kAnchorCases) {
    const TObjekt id = label(kComponentIdText, c.idHeight, c.idLayer);
    const TObjekt value = label(kComponentValueText, c.valueHeight, c.valueLayer);
    const LabelAnchors a = automaticLabelAnchors(c.box, id, value);
    EXPECT_EQ(a.id, c.expected.id) << c.name;
    EXPECT_EQ(a.value, c.expected.value) << c.name;
  }
}

TEST(LabelPlacement, PlacingMovesBothAndBuildsTheirStrokes) {
  TObjekt id = label(kComponentIdText, 13000, kLayerS1, {5, 5});
  TObjekt value = label(kComponentValueText, 13000, kLayerS1, {5, 5});
  placeLabelsAutomatically(id, value, kWide);
  EXPECT_EQ(id.pos, (FPoint{0, 26000}));
  EXPECT_EQ(value.pos, (FPoint{0, 6500}));
  EXPECT_FALSE(id.children.empty());
  EXPECT_FALSE(value.children.empty());
  EXPECT_TRUE(labelsAtAutomaticPositions(id, value, kWide));
}

TEST(LabelPlacement, AlignedWithinAThousandUnitsOnEachAxis) {
  // clang-format off
  struct Case { FPoint idShift; FPoint valueShift; bool aligned; };
  const Case cases[] = {
    {{0, 0}, {0, 0}, true},
    {{1000, -1000}, {-1000, 1000}, true},
    {{1001, 0}, {0, 0}, false},
    {{0, 0}, {0, -1001}, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    TObjekt id = label(kComponentIdText, 13000, kLayerS1, {c.idShift.x, 26000 + c.idShift.y});
    TObjekt value =
        label(kComponentValueText, 13000, kLayerS1, {c.valueShift.x, 6500 + c.valueShift.y});
    EXPECT_EQ(labelsAtAutomaticPositions(id, value, kWide), c.aligned)
        << c.idShift.x << " " << c.idShift.y << " " << c.valueShift.x << " " << c.valueShift.y;
  }
}

TEST(LabelPlacement, ComponentBoxLeavesTheLabelsOut) {
  TObjekt pad = newObject();
  initSmdPad(pad, {10000, -10000}, 20000, kLayerC1, 10000);
  pad.clearance = 0;
  TObjekt id = label(kComponentIdText, 13000, kLayerS1, {500000, 500000});
  TObjekt value = label(kComponentValueText, 13000, kLayerS1, {-500000, -500000});
  TObjekt plain = label(kComponentIdText, 13000, kLayerS1, {0, 0});
  plain.variant = kPlainText;
  plain.text = "X";
  id.text = value.text = "WIDE";
  for (TObjekt* t : {&id, &value, &plain}) buildTextStrokes(t[0], false);
  const std::vector<const TObjekt*> members = {&pad, &id, &value};
  // No clearance widens by 20 units.
  EXPECT_EQ(componentBox(members), (TRect{-20, -15020, 20020, -4980}));
  const std::vector<const TObjekt*> withPlain = {&pad, &id, &value, &plain};
  EXPECT_NE(componentBox(withPlain), componentBox(members));
  const std::vector<const TObjekt*> labelsAlone = {&id, &value};
  EXPECT_FALSE(componentBox(labelsAlone)) << "nothing to place labels beside";
}

}  // namespace
}  // namespace pravelo
