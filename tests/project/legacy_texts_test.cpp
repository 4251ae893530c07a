#include "project/legacy_texts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "geometry/bounding_box.h"

namespace pravelo {
namespace {

std::unique_ptr<TObjekt> legacyText(const std::string& content, std::int32_t fontHeight,
                                    std::int32_t orientation, FPoint anchor) {
  auto o = std::make_unique<TObjekt>(newObject());
  o->kind = kLegacyText;
  o->layer = kLayerS2;
  o->text = content;
  o->width = fontHeight;
  o->paramA = orientation;
  o->pos = anchor;
  o->dim = {anchor.x + 50000, anchor.y - 20000};
  o->clearance = 3000;
  o->groups = {4, 9};
  return o;
}

std::unique_ptr<TObjekt> track() {
  auto o = std::make_unique<TObjekt>(newObject());
  initTrack(*o, 2000, kLayerC1);
  addPoint(*o, {0, 0});
  addPoint(*o, {1000, 0});
  return o;
}

TEST(LegacyTexts, BecomeBoldStrokeTextsInPlace) {
  ObjectList objects;
  objects.push_back(track());
  objects.push_back(legacyText("R12", -20000, 0, {100000, -200000}));
  objects.push_back(track());
  replaceLegacyTexts(objects, kStandardPixelsPerInch);

  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0]->kind, kTrack);
  EXPECT_EQ(objects[2]->kind, kTrack);
  const TObjekt& t = *objects[1];
  EXPECT_EQ(t.kind, kText);
  EXPECT_EQ(t.text, "R12");
  EXPECT_EQ(t.layer, kLayerS2);
  EXPECT_EQ(t.groups, (std::vector<std::int32_t>{4, 9}));
  EXPECT_EQ(t.clearance, 3000);
  // 20000 * 72 / 96 / 10000 * 0.9 = 1.35 mm
  EXPECT_EQ(t.dim.x, 13500);
  EXPECT_EQ(t.dim.y, 2);  // bold
  EXPECT_EQ(t.width, 1);  // normal style
  EXPECT_EQ(t.paramB, 0);
  EXPECT_EQ(t.optB, 0);
  EXPECT_EQ(t.optC, 0);
  EXPECT_FALSE(t.children.empty());
}

// The corner of the new text's bounds that lies on the legacy anchor depends on the turn.
TEST(LegacyTexts, BoundsCornerLandsOnTheAnchor) {
  const FPoint anchor{100000, -200000};
  for (const std::int32_t orientation : {0, 90, 180, 270}) {
    ObjectList objects;
    objects.push_back(legacyText("Ab", -20000, orientation, anchor));
    replaceLegacyTexts(objects, kStandardPixelsPerInch);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0]->paramB, orientation);
    const TRect box = objectBounds(*objects[0]);
    const bool right = orientation == 90 || orientation == 180;
    const bool lower = orientation == 180 || orientation == 270;
    EXPECT_NEAR(right ? box.right : box.left, anchor.x, 1) << orientation;
    EXPECT_NEAR(lower ? box.top : box.bottom, anchor.y, 1) << orientation;
  }
}

TEST(LegacyTexts, OddOrientationsAndPositiveHeights) {
  ObjectList objects;
  objects.push_back(legacyText("X", 20000, 45, {0, 0}));
  replaceLegacyTexts(objects, kStandardPixelsPerInch);
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->paramB, 0);
  // A cell height counts like a character height: the text is never built upside down.
  EXPECT_EQ(objects[0]->dim.x, 13500);
}

TEST(LegacyTexts, WithoutVisibleContentAreRemoved) {
  ObjectList objects;
  objects.push_back(legacyText("", -20000, 0, {0, 0}));
  objects.push_back(track());
  objects.push_back(legacyText("  ", -20000, 0, {0, 0}));
  replaceLegacyTexts(objects, kStandardPixelsPerInch);
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->kind, kTrack);
}

}  // namespace
}  // namespace pravelo
