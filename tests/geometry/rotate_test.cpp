#include "geometry/rotate.h"

#include <gtest/gtest.h>

#include "geometry/bounding_box.h"
#include "geometry/pad_geometry.h"
#include "geometry/point.h"
#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

void expectNear(FPoint actual, FPoint expected) {
  EXPECT_NEAR(actual.x, expected.x, 0.01);
  EXPECT_NEAR(actual.y, expected.y, 0.01);
}

TObjekt makeText(std::int32_t rotation, TextRole role = kPlainText) {
  TObjekt t = newObject();
  initText(t, {10000, -20000}, "R12", 0, 0, kLayerS1, 1, 1, 20000, rotation);
  t.variant = role;
  buildTextStrokes(t, false);
  return t;
}

TEST(RotateObject, PadAboutItsOwnCentreKeepsPosAndTurnsItsOutline) {
  TObjekt pad = newObject();
  initPad(pad, {5000, -5000}, kLayerC1, kPadRectangleH, 2000, 10000);
  rotateObject(pad, pad.pos, 90);
  expectNear(pad.pos, {5000, -5000});
  EXPECT_NEAR(padRotation(pad), 90, 1e-9);
  // The horizontal bar now stands upright: 20000 wide becomes 20000 high.
  const TRect box = pointListBounds(pad.points);
  EXPECT_EQ(rectWidth(box), 20000);
  EXPECT_EQ(rectHeight(box), 40000);
}

TEST(RotateObject, PositiveAnglesTurnClockwiseAndNegativeOnesBack) {
  TObjekt track = newObject();
  initTrack(track, 1000, kLayerC1);
  addPoint(track, {10000, 0});
  addPoint(track, {20000, 0});
  rotateObject(track, {0, 0}, 90);
  // Clockwise on the board, with y pointing up: +x turns to -y.
  expectNear(track.points[0], {0, -10000});
  rotateObject(track, {0, 0}, -45);
  expectNear(track.points[1], {static_cast<float>(20000 * std::sqrt(0.5)),
                               static_cast<float>(-20000 * std::sqrt(0.5))});
}

struct CircleCase {
  std::int32_t start, stop;
  double degrees;
  std::int32_t newStart, newStop;
};

// clang-format off
constexpr CircleCase kCircleCases[] = {
  {0, 90000, 90, 270000, 0},
  {0, 0, 45, 315000, 315000},           // a full circle stays full
  {10000, 20000, 22.5, 347500, 357500},
  // Turning back (Shift) and turning more than once stay within one turn.
  {350000, 10000, -45, 35000, 55000},
  {0, 90000, 400, 320000, 50000},
  {0, 90000, -720, 0, 90000},
};
// clang-format on

TEST(RotateObject, CircleAnglesStayWithinOneTurn) {
  for (const CircleCase& c : kCircleCases) {
    TObjekt circle = newObject();
    initCircle(circle, {1000, 2000}, 5000, kLayerC1, 4000);
    circle.paramA = c.start;
    circle.width = c.stop;
    rotateObject(circle, {0, 0}, c.degrees);
    EXPECT_EQ(circle.paramA, c.newStart) << c.start << " by " << c.degrees;
    EXPECT_EQ(circle.width, c.newStop) << c.stop << " by " << c.degrees;
  }
}

TEST(RotateObject, TextRotationCountsWholeDegreesWithinOneTurn) {
  // clang-format off
  const struct { std::int32_t rotation; double degrees; std::int32_t expected; } cases[] = {
    {0, 90, 90}, {300, 90, 30}, {10, -45, 325}, {0, 22.5, 22}, {0, 23.5, 24}, {90, -450, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    TObjekt text = makeText(c.rotation);
    rotateObject(text, {0, 0}, c.degrees);
    EXPECT_EQ(text.paramB, c.expected) << c.rotation << " by " << c.degrees;
  }
}

TEST(RotateObject, TextStrokesTurnAboutTheCentreLikeRebuiltOnes) {
  TObjekt text = makeText(0);
  rotateObject(text, {0, 0}, 90);
  TObjekt rebuilt = text;
  buildTextStrokes(rebuilt, false);
  ASSERT_EQ(rebuilt.children.size(), text.children.size());
  for (std::size_t i = 0; i < text.children.size(); ++i) {
    for (std::size_t j = 0; j < text.children[i].points.size(); ++j) {
      expectNear(text.children[i].points[j], rebuilt.children[i].points[j]);
    }
  }
}

TEST(RotateObject, LegacyFontTextTurnsAQuarterWhateverTheAngle) {
  TObjekt legacy = newObject();
  legacy.kind = kLegacyText;
  legacy.layer = kLayerS1;
  legacy.pos = {0, 0};
  legacy.dim = {30000, -10000};
  legacy.paramA = 270;
  rotateObject(legacy, {0, 0}, 45);
  EXPECT_EQ(legacy.paramA, 0);
  expectNear(legacy.dim, {-10000, -30000});
}

TEST(LabelReadability, UpsideDownRangesDependOnMirroring) {
  // clang-format off
  const struct { std::int32_t rotation; std::uint8_t mirrorH, mirrorV; bool upsideDown; } cases[] = {
    {0, 0, 0, false}, {45, 0, 0, false}, {46, 0, 0, true}, {224, 0, 0, true}, {225, 0, 0, false},
    {180, 1, 1, true}, {-180, 0, 0, true}, {540, 0, 0, true},
    {134, 1, 0, false}, {135, 1, 0, true}, {314, 0, 1, true}, {315, 0, 1, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    TObjekt label = makeText(c.rotation, kComponentIdText);
    label.optB = c.mirrorH;
    label.optC = c.mirrorV;
    EXPECT_EQ(labelUpsideDown(label), c.upsideDown)
        << c.rotation << " " << +c.mirrorH << +c.mirrorV;
  }
}

TEST(LabelReadability, AnUpsideDownLabelTurnsBackInPlace) {
  TObjekt label = makeText(0, kComponentIdText);
  const TRect upright = objectBounds(label);
  rotateObject(label, {0, 0}, 180);
  EXPECT_EQ(label.paramB, 180);
  const TRect turned = objectBounds(label);
  ASSERT_TRUE(turnLabelReadable(label));
  EXPECT_EQ(label.paramB, 0);
  // Back upright, same size, centred where the turned label was.
  EXPECT_EQ(rectWidth(objectBounds(label)), rectWidth(upright));
  EXPECT_NEAR(objectBounds(label).left + objectBounds(label).right, turned.left + turned.right, 2);
  EXPECT_NEAR(objectBounds(label).top + objectBounds(label).bottom, turned.top + turned.bottom, 2);
}

TEST(LabelReadability, PlainTextsAndReadableLabelsStay) {
  TObjekt plain = makeText(180);
  EXPECT_FALSE(turnLabelReadable(plain));
  EXPECT_EQ(plain.paramB, 180);
  TObjekt value = makeText(30, kComponentValueText);
  EXPECT_FALSE(turnLabelReadable(value));
  EXPECT_EQ(value.paramB, 30);
}

TEST(RotatePlacement, OffsetTurnsWithTheObjectsAndRotationCountsBySide) {
  // clang-format off
  const struct { double rotation, degrees; bool top; double expected; } cases[] = {
    {0, 90, true, 270}, {0, 90, false, 90}, {350, -20, true, 10}, {10, -20, false, 350},
    {90, 720, true, 90}, {0, 1e-15, true, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    ComponentData data;
    data.placeRotation = c.rotation;
    rotatePlacement(data, c.degrees, c.top);
    EXPECT_NEAR(data.placeRotation, c.expected, 1e-9) << c.rotation << " by " << c.degrees;
    EXPECT_GE(data.placeRotation, 0);
    EXPECT_LT(data.placeRotation, 360);
  }
  // The offset's y counts downwards: an offset to the right turns downwards on the board,
  // which is +y in its own numbers.
  ComponentData data;
  data.placeOffset = {1000, 0};
  rotatePlacement(data, 90, true);
  expectNear(data.placeOffset, {0, 1000});
}

}  // namespace
}  // namespace pravelo
