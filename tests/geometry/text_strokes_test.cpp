#include "geometry/text_strokes.h"

#include <gtest/gtest.h>

#include <string>

#include "geometry/bounding_box.h"

namespace pravelo {
namespace {

TObjekt makeText(const std::string& content, std::int32_t height, std::int32_t thickness,
                 std::int32_t style, FPoint anchor = {0, 0}) {
  TObjekt t = newObject();
  initText(t, anchor, content, 0, 0, kLayerS1, style, thickness, height, 0);
  t.clearance = 4000;
  return t;
}

// clang-format off
struct ThicknessCase { std::int32_t thickness; std::int32_t strokeWidth; double gap; };
// 2 mm text: r = 20000 / 90 units per grid step.
constexpr ThicknessCase kThicknesses[] = {
  {0, 1235, 3556},  // thin: r / 1.8 * 10, gap r * 16
  {1, 2222, 4889},  // normal: r * 10, gap r * 22
  {2, 3175, 6222},  // bold: r / 0.7 * 10, gap r * 28
};
// clang-format on

TEST(TextStrokes, StrokeWidthAndAdvanceFollowTheThickness) {
  for (const ThicknessCase& c : kThicknesses) {
    TObjekt t = makeText("II", 20000, c.thickness, 1);
    buildTextStrokes(t, false);
    ASSERT_EQ(t.children.size(), 2u);
    EXPECT_EQ(t.children[0].width, c.strokeWidth) << c.thickness;
    EXPECT_EQ(textStrokeWidth(20000, c.thickness), c.strokeWidth);
    // "I" has no width, so the second one starts one gap further.
    EXPECT_FLOAT_EQ(t.children[1].points[0].x, static_cast<float>(c.gap)) << c.thickness;
  }
}

TEST(TextStrokes, StyleStretchesOnlyX) {
  const double r = 9000 / 90.0;
  for (const auto& [style, factor] : {std::pair{0, 0.8}, {1, 1.2}, {2, 1.6}}) {
    TObjekt t = makeText("AA", 9000, 1, style, {1000, -500});
    buildTextStrokes(t, false);
    ASSERT_EQ(t.children.size(), 4u);
    const TObjekt& legs = t.children[0];
    EXPECT_FLOAT_EQ(legs.points[1].x, static_cast<float>(1000 + 25 * r * factor));
    EXPECT_FLOAT_EQ(legs.points[1].y, static_cast<float>(-500 + 80 * r));
    EXPECT_EQ(legs.width, 1000);
    const double advance = std::nearbyint(50 * r * factor) + std::nearbyint(r * 22);
    EXPECT_FLOAT_EQ(t.children[2].points[0].x, static_cast<float>(1000 + advance)) << style;
  }
}

TEST(TextStrokes, StrokesAreTracksOfTheText) {
  TObjekt t = makeText("Hi", 9000, 1, 1);
  buildTextStrokes(t, false);
  ASSERT_EQ(t.children.size(), 5u);
  for (const TObjekt& stroke : t.children) {
    EXPECT_EQ(stroke.kind, kTrack);
    EXPECT_EQ(stroke.layer, kLayerS1);
    EXPECT_EQ(stroke.clearance, 4000);
  }
  // The dot of the "i" repeats its vertex.
  EXPECT_EQ(t.children[4].points.size(), 2u);
  EXPECT_EQ(t.children[4].points[0], t.children[4].points[1]);
}

TEST(TextStrokes, BlankAndUnknownContentBecomesADot) {
  for (const std::string content : {"", "   ", "["}) {
    TObjekt t = makeText(content, 9000, 1, 1, {300, 400});
    buildTextStrokes(t, false);
    ASSERT_EQ(t.children.size(), 1u) << '"' << content << '"';
    EXPECT_EQ(t.children[0].points, (std::vector<FPoint>{{300, 400}, {300, 400}}));
  }
  // Blanks inside a content advance the pen like any glyph.
  TObjekt t = makeText(" I", 9000, 1, 1);
  buildTextStrokes(t, false);
  ASSERT_EQ(t.children.size(), 1u);
  EXPECT_FLOAT_EQ(t.children[0].points[0].x, static_cast<float>(std::nearbyint(1.2 * 100) + 2200));
}

TEST(TextStrokes, CodePageCharactersHaveTheirGlyphs) {
  TObjekt t = makeText("\xc4", 9000, 1, 1);  // A with umlaut
  buildTextStrokes(t, false);
  EXPECT_EQ(t.children.size(), 4u);
}

// "L" 90 units high: its top (0, 80) and its foot end (35, 0) in grid steps of 100 units.
TEST(TextStrokes, MirrorsAboutTheAnchorThenTurnsClockwise) {
  struct Case {
    std::uint8_t mirrorH, mirrorV;
    std::int32_t rotation;
    FPoint top, foot;
  };
  const FPoint a{1000, 2000};
  const float foot = 35 * 100 * 1.2f;
  // clang-format off
  const Case cases[] = {
    {0, 0, 0,  {1000, 10000}, {1000 + foot, 2000}},
    {1, 0, 0,  {1000, 10000}, {1000 - foot, 2000}},
    {0, 1, 0,  {1000, -6000}, {1000 + foot, 2000}},
    {0, 0, 90, {9000, 2000},  {1000, 2000 - foot}},
    {1, 0, 90, {9000, 2000},  {1000, 2000 + foot}},
  };
  // clang-format on
  for (const Case& c : cases) {
    TObjekt t = makeText("L", 9000, 1, 1, a);
    t.optB = c.mirrorH;
    t.optC = c.mirrorV;
    t.paramB = c.rotation;
    buildTextStrokes(t, false);
    ASSERT_EQ(t.children.size(), 1u);
    const std::vector<FPoint>& p = t.children[0].points;
    EXPECT_NEAR(p[0].x, c.top.x, 0.01) << int{c.mirrorH} << int{c.mirrorV} << c.rotation;
    EXPECT_NEAR(p[0].y, c.top.y, 0.01) << int{c.mirrorH} << int{c.mirrorV} << c.rotation;
    EXPECT_NEAR(p[2].x, c.foot.x, 0.01) << int{c.mirrorH} << int{c.mirrorV} << c.rotation;
    EXPECT_NEAR(p[2].y, c.foot.y, 0.01) << int{c.mirrorH} << int{c.mirrorV} << c.rotation;
    EXPECT_EQ(t.pos, a);
  }
}

TEST(TextStrokes, KeepCentreKeepsTheMiddleOfTheStrokes) {
  TObjekt t = makeText("AB", 20000, 1, 1, {5000, 5000});
  buildTextStrokes(t, false);
  const TRect before = objectBounds(t);
  t.dim.x = 40000;
  buildTextStrokes(t, true);
  const TRect after = objectBounds(t);
  EXPECT_NEAR(before.left + before.right, after.left + after.right, 2);
  EXPECT_NEAR(before.top + before.bottom, after.top + after.bottom, 2);
  EXPECT_GT(after.right - after.left, before.right - before.left);
  // The anchor moved with the strokes, so building again keeps them in place.
  const std::vector<FPoint> strokes = t.children[0].points;
  buildTextStrokes(t, false);
  for (std::size_t i = 0; i < strokes.size(); ++i) {
    EXPECT_NEAR(t.children[0].points[i].x, strokes[i].x, 0.01);
    EXPECT_NEAR(t.children[0].points[i].y, strokes[i].y, 0.01);
  }
}

}  // namespace
}  // namespace pravelo
