#include "geometry/mirror.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "geometry/pad_geometry.h"
#include "geometry/point.h"
#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

void expectNear(FPoint actual, FPoint expected) {
  EXPECT_NEAR(actual.x, expected.x, 0.01);
  EXPECT_NEAR(actual.y, expected.y, 0.01);
}

struct CircleCase {
  MirrorAxis axis;
  std::int32_t start, stop;
  std::int32_t newStart, newStop;
};

constexpr MirrorAxis H = MirrorAxis::Horizontal;
constexpr MirrorAxis V = MirrorAxis::Vertical;

// clang-format off
constexpr CircleCase kCircleCases[] = {
  {H, 0, 0, 180000, 180000},          // a full circle stays full
  {H, 0, 90000, 90000, 180000},       // the upper right quarter becomes the upper left one
  {H, 270000, 0, 180000, 270000},
  {V, 0, 90000, 270000, 0},           // 0, never 360000
  {V, 0, 0, 0, 0},
  {V, 45000, 135000, 225000, 315000},
  // Angles out of range from a damaged file come back within one turn.
  {H, 400000, -10000, 190000, 140000},
};
// clang-format on

TEST(MirrorObject, CircleKeepsItsArcAndAnglesStayWithinOneTurn) {
  for (const CircleCase& c : kCircleCases) {
    TObjekt circle = newObject();
    initCircle(circle, {1000, -2000}, 5000, kLayerC1, 4000);
    circle.paramA = c.start;
    circle.width = c.stop;
    mirrorObject(circle, c.axis, 0);
    EXPECT_EQ(circle.paramA, c.newStart) << c.start << ".." << c.stop;
    EXPECT_EQ(circle.width, c.newStop) << c.start << ".." << c.stop;
    expectNear(circle.pos, c.axis == H ? FPoint{-1000, -2000} : FPoint{1000, 2000});
  }
}

TEST(MirroredSpokes, SwapsTheBitsOfEveryLayerByte) {
  // clang-format off
  const struct { int shape; std::int32_t pattern, mirrored; } cases[] = {
    {kPadCircular, 0x55555555, 0x55555555},          // four spokes map onto themselves
    {kPadCircular, 0x01020408, 0x10080402},          // 0<->4, 1<->3, 2 stays, 3<->1
    {kPadSquare, static_cast<std::int32_t>(0x80402010), 0x20408001},  // 4<->0, 5<->7, 6 stays
    {kPadRoundedV, 0x01020408, 0x01804020},          // 0 stays, 1<->7, 2<->6, 3<->5
    {kPadRoundedV, 0x00000010, 0x00000010},          // 4 stays
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(mirroredPadSpokes(c.pattern, c.shape), c.mirrored) << std::hex << c.pattern;
    EXPECT_EQ(mirroredPadSpokes(c.mirrored, c.shape), c.pattern) << std::hex << c.pattern;
  }
  // SMD pads use the low byte only.
  EXPECT_EQ(mirroredSmdSpokes(0x7F00FF02), 0x08);
}

// The board direction of spoke `bit`, in degrees clockwise from up: 45 degrees per bit from the
// pad's rotation.
double spokeDirection(const TObjekt& pad, int bit) {
  const double rotation = pad.kind == kPad ? padRotation(pad) : cornerRotation(pad.points);
  return std::fmod(rotation + 45.0 * bit + 720.0, 360.0);
}

double angleGap(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 360.0);
  return std::min(d, 360 - d);
}

// Independent of the swap tables: after a reflection each spoke must point where the
// reflection sends its old direction (-d for left-right, 180 - d for top-bottom).
TEST(MirrorObject, EverySpokeKeepsItsReflectedDirectionOnTheBoard) {
  int checked = 0;
  for (int shape = kPadCircular; shape <= kPadRectangleV + 1; ++shape) {
    for (const double turn : {0.0, 30.0, 90.0, 200.0}) {
      for (const MirrorAxis axis : {H, V}) {
        for (int bit = 0; bit < 8; ++bit) {
          TObjekt pad = newObject();
          if (shape > kPadRectangleV) {
            initSmdPad(pad, {3000, -4000}, 20000, kLayerC1, 10000);
          } else {
            initPad(pad, {3000, -4000}, kLayerC1, static_cast<std::uint8_t>(shape), 3000, 10000);
          }
          rotatePoints(pad.points, pad.pos, -turn);
          pad.paramA = 1 << bit;
          const double before = spokeDirection(pad, bit);
          mirrorObject(pad, axis, 1000);
          const int newBit = std::countr_zero(static_cast<std::uint32_t>(pad.paramA));
          ASSERT_LT(newBit, 8);
          const double expected = axis == H ? -before : 180 - before;
          EXPECT_LT(angleGap(spokeDirection(pad, newBit), expected), 0.02)
              << "shape " << shape << " turned " << turn << " bit " << bit;
          ++checked;
        }
      }
    }
  }
  EXPECT_EQ(checked, 10 * 4 * 2 * 8);
}

TEST(MirrorObject, PadsTracksAndZonesReflectTheirPoints) {
  TObjekt smd = newObject();
  initSmdPad(smd, {3000, -4000}, 2000, kLayerC1, 1000);
  smd.paramA = 0x5501;
  mirrorObject(smd, H, 1000);
  expectNear(smd.pos, {-1000, -4000});
  expectNear(smdPadCentre(smd), {-1000, -4000});
  EXPECT_EQ(smd.paramA, 0x10);

  TObjekt zone = newObject();
  initZone(zone, 1000, kLayerC1);
  addPoint(zone, {0, 0});
  addPoint(zone, {5000, -1000});
  mirrorObject(zone, V, -500);
  expectNear(zone.points[1], {5000, 0});
  // Tracks and zones keep no position of their own.
  expectNear(zone.pos, {0, 0});
}

TEST(MirrorObject, TextTogglesItsFlagAndMatchesRebuiltStrokes) {
  for (const MirrorAxis axis : {H, V}) {
    for (const std::int32_t rotation : {0, 30, 90, 270}) {
      TObjekt text = newObject();
      initText(text, {10000, -20000}, "Fg", 0, 0, kLayerS1, 1, 1, 20000, rotation);
      buildTextStrokes(text, false);
      mirrorObject(text, axis, 3000);
      EXPECT_EQ(axis == H ? text.optB : text.optC, 1);
      EXPECT_EQ(text.paramB, rotation == 0 ? 0 : 360 - rotation);
      TObjekt rebuilt = text;
      buildTextStrokes(rebuilt, false);
      ASSERT_EQ(rebuilt.children.size(), text.children.size());
      for (std::size_t i = 0; i < text.children.size(); ++i) {
        for (std::size_t j = 0; j < text.children[i].points.size(); ++j) {
          expectNear(text.children[i].points[j], rebuilt.children[i].points[j]);
        }
      }
      mirrorObject(text, axis, 3000);
      EXPECT_EQ(axis == H ? text.optB : text.optC, 0);
      EXPECT_EQ(text.paramB, rotation);
    }
  }
}

TEST(MirrorObject, LegacyFontTextKeepsItsCornerOrder) {
  TObjekt legacy = newObject();
  legacy.kind = kLegacyText;
  legacy.pos = {0, 0};
  legacy.dim = {30000, -10000};
  mirrorObject(legacy, H, 0);
  expectNear(legacy.pos, {-30000, 0});
  expectNear(legacy.dim, {0, -10000});
  mirrorObject(legacy, V, 0);
  expectNear(legacy.pos, {-30000, 10000});
  expectNear(legacy.dim, {0, 0});
}

}  // namespace
}  // namespace pravelo
