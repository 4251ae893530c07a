#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/bounding_box.h"
#include "project/drawing_frame.h"
#include "project/polygon_shape.h"
#include "project/spiral_shape.h"

namespace pravelo {
namespace {

int shapeKindCount(const ObjectList& objects, int kind) {
  int n = 0;
  for (const auto& o : objects) n += o->kind == kind ? 1 : 0;
  return n;
}

TEST(PolygonShape, HexagonIsOneClosedTrack) {
  ObjectList out;
  generatePolygon({}, kLayerS1, 3000, out);
  ASSERT_EQ(out.size(), 1U);
  const TObjekt& t = *out[0];
  EXPECT_EQ(t.kind, kTrack);
  EXPECT_EQ(t.width, 4000);
  EXPECT_EQ(t.layer, kLayerS1);
  EXPECT_EQ(t.clearance, 3000);
  ASSERT_EQ(t.points.size(), 7U);
  EXPECT_EQ(t.points.front(), (FPoint{120000, 0}));
  EXPECT_EQ(t.points.back(), (FPoint{120000, 0}));
  EXPECT_EQ(t.points[1], (FPoint{60000, 103923}));
}

TEST(PolygonShape, FilledWithRays) {
  PolygonValues v;
  v.filled = true;
  v.rays = true;
  v.angleOffset = 90;
  ObjectList out;
  generatePolygon(v, kLayerC1, 0, out);
  ASSERT_EQ(out.size(), 7U);
  EXPECT_EQ(out[0]->kind, kZone);
  ASSERT_EQ(out[0]->points.size(), 6U);
  EXPECT_EQ(out[0]->points[0], (FPoint{0, 120000}));
  for (std::size_t i = 1; i < out.size(); ++i) {
    EXPECT_EQ(out[i]->kind, kTrack);
    ASSERT_EQ(out[i]->points.size(), 2U);
    EXPECT_EQ(out[i]->points[0], (FPoint{0, 0}));
    EXPECT_EQ(out[i]->points[1], out[0]->points[i - 1]);
  }
}

TEST(SpiralShape, TurnsAreTakenInQuarters) {
  EXPECT_EQ(roundSpiralTurns(6.1), 6.0);
  EXPECT_EQ(roundSpiralTurns(6.13), 6.25);
  EXPECT_EQ(roundSpiralTurns(1), 1.0);
}

// The point where a quarter arc starts or stops, on its middle radius.
FPoint arcEnd(const TObjekt& arc, std::int32_t millidegrees) {
  const double r = (arc.dim.x + arc.dim.y) / 2;
  const double a = millidegrees / 1000.0 * std::numbers::pi / 180;
  return {static_cast<float>(arc.pos.x + r * std::cos(a)),
          static_cast<float>(arc.pos.y + r * std::sin(a))};
}

TEST(SpiralShape, RoundSpiralIsQuarterArcsJoinedEndToEnd) {
  ObjectList out;
  generateSpiral({}, kLayerC1, 2500, out);
  ASSERT_EQ(out.size(), 24U);
  // Step b = 6000 units, first middle radius 20000 / 2 - b / 2, 0.4 mm wide.
  EXPECT_EQ(out[0]->dim.x, 9000);
  EXPECT_EQ(out[0]->dim.y, 5000);
  for (std::size_t i = 0; i < out.size(); ++i) {
    EXPECT_EQ(out[i]->kind, kCircle);
    EXPECT_EQ(out[i]->clearance, 2500);
    EXPECT_EQ(out[i]->paramA, static_cast<std::int32_t>(i % 4) * 90000);
    EXPECT_EQ(out[i]->width, static_cast<std::int32_t>((i + 1) % 4) * 90000);
    if (i + 1 < out.size()) {
      const FPoint stop = arcEnd(*out[i], out[i]->width);
      const FPoint start = arcEnd(*out[i + 1], out[i + 1]->paramA);
      EXPECT_NEAR(stop.x, start.x, 0.5) << i;
      EXPECT_NEAR(stop.y, start.y, 0.5) << i;
    }
  }
  // A full turn further out by the pitch of width and gap.
  EXPECT_EQ(out[4]->dim.x - out[0]->dim.x, 24000);
}

TEST(SpiralShape, RoundSpiralNeverHasANegativeInnerRadius) {
  SpiralValues v;
  v.startRadiusMm = 0.1;
  v.widthMm = 2;
  v.gapMm = 0.1;
  v.turns = 1;
  ObjectList out;
  generateSpiral(v, kLayerC1, 0, out);
  ASSERT_EQ(out.size(), 4U);
  // Middle radii 2125, 7375, 12625 … units for a track 20000 units wide.
  EXPECT_EQ(out[0]->dim.y, 0);
  EXPECT_EQ(out[1]->dim.y, 0);
  EXPECT_EQ(out[2]->dim.y, 2625);
  EXPECT_EQ(out[0]->dim.x, 12125);
}

TEST(SpiralShape, SquareSpiralEndsShort) {
  SpiralValues v;
  v.form = SpiralForm::Square;
  ObjectList out;
  generateSpiral(v, kLayerC2, 1000, out);
  ASSERT_EQ(out.size(), 1U);
  const TObjekt& t = *out[0];
  EXPECT_EQ(t.kind, kTrack);
  EXPECT_EQ(t.width, 4000);
  ASSERT_EQ(t.points.size(), 25U);
  EXPECT_EQ(t.points[0], (FPoint{0, 0}));
  EXPECT_EQ(t.points[1], (FPoint{-20000, 0}));
  EXPECT_EQ(t.points[2], (FPoint{-20000, 32000}));
  // Sides grow by b = 12000; the last one is 2b shorter than its turn would give.
  const FPoint a = t.points[23];
  const FPoint b = t.points[24];
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y - b.y, 20000 + 23 * 12000 - 2 * 12000);
}

std::vector<std::string> frameLabelTexts(const ObjectList& objects) {
  std::vector<std::string> result;
  for (const auto& o : objects) {
    if (o->kind == kText) result.push_back(o->text);
  }
  return result;
}

TEST(DrawingFrame, ColumnLabelsAndDividers) {
  struct Case {
    int columns;
    FrameLabels style;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {8, FrameLabels::Letters, {"A", "B", "C", "D", "E", "F", "G", "H"}},
      {-8, FrameLabels::Letters, {"H", "G", "F", "E", "D", "C", "B", "A"}},
      {3, FrameLabels::Numbers, {"1", "2", "3"}},
      {0, FrameLabels::Letters, {}},
  };
  for (const Case& c : cases) {
    FrameValues v;
    v.columns = c.columns;
    v.columnLabels = c.style;
    v.columnBands = FrameBands::First;
    v.rowBands = FrameBands::None;
    ObjectList out;
    generateFrame(v, kLayerS1, out);
    EXPECT_EQ(frameLabelTexts(out), c.expected) << c.columns;
    const int n = std::abs(c.columns);
    // Outline, band line, dividers between the cells.
    EXPECT_EQ(shapeKindCount(out, kTrack), 2 + (n > 0 ? n - 1 : 0)) << c.columns;
  }
}

TEST(DrawingFrame, TwentySeventhLetterStartsAgain) {
  EXPECT_EQ(frameLabel(FrameLabels::Letters, 26), "Z");
  EXPECT_EQ(frameLabel(FrameLabels::Letters, 27), "A");
  EXPECT_EQ(frameLabel(FrameLabels::Numbers, 27), "27");
}

TEST(DrawingFrame, AllBandsLabelEveryCellInsideIt) {
  FrameValues v;  // 8 x 8, all four bands, 90 x 50 mm
  ObjectList out;
  generateFrame(v, kLayerS1, out);
  // Outline, four band lines, seven dividers in each band, eight labels in each.
  EXPECT_EQ(shapeKindCount(out, kTrack), 1 + 4 + 4 * 7);
  EXPECT_EQ(shapeKindCount(out, kText), 4 * 8);
  const auto& outline = *out[0];
  EXPECT_EQ(outline.width, 4000);
  EXPECT_EQ(outline.points[2], (FPoint{900000, -500000}));
  for (const auto& o : out) {
    EXPECT_EQ(o->clearance, 0);
    EXPECT_EQ(o->layer, kLayerS1);
    if (o->kind != kText) continue;
    const TRect box = objectBounds(*o);
    // Every label stays within one band, clear of the outline.
    const bool inTopOrBottom = box.bottom < -500000 + 38100 || box.top > -38100;
    const bool inLeftOrRight = box.right < 38100 || box.left > 900000 - 38100;
    EXPECT_TRUE(inTopOrBottom || inLeftOrRight) << o->text;
    EXPECT_GT(box.left, 0);
    EXPECT_LT(box.right, 900000);
    EXPECT_LT(box.bottom, 0);
    EXPECT_GT(box.top, -500000);
  }
  // The first top label sits in the middle of the first cell, right of the left band.
  const TObjekt* a = nullptr;
  for (const auto& o : out) {
    if (o->kind == kText && o->text == "A" && !a) a = o.get();
  }
  ASSERT_NE(a, nullptr);
  const TRect box = objectBounds(*a);
  const double cellWidth = (900000 - 2 * 38100) / 8.0;
  EXPECT_NEAR((box.left + box.right) / 2.0, 38100 + cellWidth / 2, 1500);
  EXPECT_NEAR((box.top + box.bottom) / 2.0, (-2000 + -38100 + 1000) / 2.0, 1500);
}

TEST(DrawingFrame, AutosizeLeavesABorder) {
  FrameValues v;
  BoardHeader board;
  board.width = 1000000;
  board.height = 800000;
  fitFrameToBoard(v, board);
  EXPECT_NEAR(v.widthMm, 94.92, 1e-9);
  EXPECT_NEAR(v.heightMm, 74.92, 1e-9);
}

}  // namespace
}  // namespace pravelo
