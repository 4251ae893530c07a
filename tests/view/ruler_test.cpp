#include "view/ruler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace pravelo {
namespace {

TEST(Ruler, LabelSpacingAtEveryBoundary) {
  struct Case {
    std::int64_t scale;
    std::int32_t spacing;
  };
  // clang-format off
  const Case cases[] = {
    {0, 50000}, {4, 50000}, {5, 10000}, {19, 10000}, {20, 5000}, {49, 5000}, {50, 1000},
    {199, 1000}, {200, 500}, {499, 500}, {500, 100}, {1999, 100}, {2000, 50}, {4999, 50},
    {5000, 10}, {19999, 10}, {20000, 5}, {49999, 5}, {50000, 1}, {50800, 1}};
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(rulerLabelSpacing(c.scale), c.spacing) << c.scale;
}

TEST(Ruler, LoopStepAndScale) {
  struct Case {
    std::int32_t spacing;
    std::int32_t step;
  };
  const Case cases[] = {{50000, 10000}, {10000, 1000}, {5000, 1000}, {1000, 100}, {500, 100},
                        {100, 10},      {50, 10},      {10, 1},      {5, 1},      {1, 1}};
  for (const Case& c : cases) EXPECT_EQ(rulerLoopStep(c.spacing), c.step) << c.spacing;
  EXPECT_EQ(rulerScale(0.001, LengthUnit::Mm), 10);
  EXPECT_EQ(rulerScale(0.001, LengthUnit::Mil), 25);  // 25.4 pixels per 100 mil
  EXPECT_EQ(rulerScale(2.0, LengthUnit::Mm), 20000);
  EXPECT_EQ(rulerScale(2.0, LengthUnit::Mil), 50800);
  EXPECT_EQ(rulerScale(0.00045, LengthUnit::Mm), 4);  // 4.5 rounds to even
}

TEST(Ruler, TickLengths) {
  struct Case {
    std::int64_t t;
    std::int32_t spacing;
    int horizontal;
    int vertical;
  };
  // clang-format off
  const Case cases[] = {
    {0, 10000, 14, 16}, {10000, 10000, 14, 16}, {-20000, 10000, 14, 16},
    {5000, 10000, 8, 8}, {-5000, 10000, 8, 8}, {1000, 10000, 4, 4}, {3000, 10000, 4, 4},
    {10000, 50000, 4, 4}, {25000, 50000, 0, 0},      // halves have no mark at 50000
    {100, 500, 4, 4}, {250, 500, 0, 0},
    {50, 100, 8, 8}, {10, 100, 4, 4}, {5, 100, 0, 0},
    {1, 5, 4, 4}, {5, 5, 14, 16}, {7, 1, 14, 16}};
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(rulerTickLength(c.t, c.spacing, RulerAxis::Horizontal), c.horizontal) << c.t;
    EXPECT_EQ(rulerTickLength(c.t, c.spacing, RulerAxis::Vertical), c.vertical) << c.t;
  }
}

TEST(Ruler, Labels) {
  EXPECT_EQ(rulerLabel(2500, LengthUnit::Mm, RulerAxis::Horizontal), "2.5");
  EXPECT_EQ(rulerLabel(-2500, LengthUnit::Mm, RulerAxis::Horizontal), "-2.5");
  EXPECT_EQ(rulerLabel(-2500, LengthUnit::Mm, RulerAxis::Vertical), "2.5");
  EXPECT_EQ(rulerLabel(5, LengthUnit::Mm, RulerAxis::Horizontal), "0.005");
  EXPECT_EQ(rulerLabel(0, LengthUnit::Mm, RulerAxis::Horizontal), "0");
  EXPECT_EQ(rulerLabel(9500000000, LengthUnit::Mm, RulerAxis::Horizontal), "9500000");
  EXPECT_EQ(rulerLabel(50, LengthUnit::Mil, RulerAxis::Horizontal), "5");
  EXPECT_EQ(rulerLabel(5000, LengthUnit::Mil, RulerAxis::Horizontal), "500");
}

std::optional<RulerTick> tickAt(const std::vector<RulerTick>& ticks, double position) {
  for (const RulerTick& t : ticks) {
    if (std::abs(t.position - position) < 1e-6) return t;
  }
  return std::nullopt;
}

TEST(Ruler, HorizontalAtDefaultZoomLabelsEveryTenMillimetres) {
  const RulerSpec spec{RulerAxis::Horizontal, LengthUnit::Mm, 0.001, 0, 0, 26, 25, 1026};
  const auto ticks = rulerTicks(spec);
  // One mark per millimetre (10 pixels) from 0 to 100 mm, and one before the range.
  EXPECT_EQ(ticks.size(), 102u);
  const auto zero = tickAt(ticks, 26);
  ASSERT_TRUE(zero);
  EXPECT_EQ(zero->length, 14);
  EXPECT_EQ(zero->label, "0");
  const auto ten = tickAt(ticks, 126);
  ASSERT_TRUE(ten);
  EXPECT_EQ(ten->label, "10");
  EXPECT_EQ(tickAt(ticks, 76)->length, 8);
  EXPECT_EQ(tickAt(ticks, 76)->label, "");
  EXPECT_EQ(tickAt(ticks, 36)->length, 4);
}

TEST(Ruler, HorizontalFollowsScrollAndOrigin) {
  // Origin 0.5 mm right of the board corner, scrolled by 100 pixels.
  const RulerSpec spec{RulerAxis::Horizontal, LengthUnit::Mm, 0.001, 100, 5000, 0, 0, 800};
  const auto ticks = rulerTicks(spec);
  const auto ten = tickAt(ticks, 5);  // (5000 + 10000 x 10) x 0.001 - 100
  ASSERT_TRUE(ten);
  EXPECT_EQ(ten->label, "10");
}

TEST(Ruler, VerticalCountsUpwardsFromTheOriginAndShowsAbsoluteValues) {
  // Origin at the bottom-left corner of a 100 mm board.
  const RulerSpec bottom{RulerAxis::Vertical, LengthUnit::Mm, 0.001, 0, -1000000, 2, 0, 1010};
  const auto ticks = rulerTicks(bottom);
  EXPECT_EQ(tickAt(ticks, 1002)->label, "0");
  EXPECT_EQ(tickAt(ticks, 1002)->length, 16);
  EXPECT_EQ(tickAt(ticks, 902)->label, "10");
  // Origin at the top: the board lies below it, labelled without a sign.
  const RulerSpec top{RulerAxis::Vertical, LengthUnit::Mm, 0.001, 0, 0, 2, 0, 1010};
  EXPECT_EQ(tickAt(rulerTicks(top), 102)->label, "10");
}

TEST(Ruler, MilRulerCountsTenthsOfAMil) {
  const RulerSpec spec{RulerAxis::Horizontal, LengthUnit::Mil, 0.001, 0, 0, 0, 0, 300};
  const auto ticks = rulerTicks(spec);
  // Scale 25: labels every 500 mil (127 pixels), marks every 100 mil (25.4 pixels).
  EXPECT_EQ(tickAt(ticks, 127)->label, "500");
  EXPECT_EQ(tickAt(ticks, 25.4)->length, 4);
  EXPECT_EQ(tickAt(ticks, 254)->label, "1000");
}

TEST(Ruler, FarScrollAtHighestZoom) {
  // 250 m into a board at zoom 2: 5e9 pixels, beyond 32-bit pixel positions.
  const RulerSpec spec{RulerAxis::Horizontal, LengthUnit::Mm, 2.0, 5000000000, 0, 0, 0, 1920};
  const auto ticks = rulerTicks(spec);
  EXPECT_EQ(ticks.size(), 97u);  // every micrometre (20 pixels)
  EXPECT_EQ(tickAt(ticks, 0)->label, "250000");
  EXPECT_EQ(tickAt(ticks, 100)->length, 14);
  EXPECT_EQ(tickAt(ticks, 100)->label, "250000");  // seven significant digits
  EXPECT_EQ(tickAt(ticks, 20)->length, 4);
}

// Seen from below the board lies mirrored: x grows to the left, from the board's right edge.
TEST(Ruler, MirroredHorizontalCountsLeftwardsFromTheRightEdge) {
  RulerSpec spec{RulerAxis::Horizontal, LengthUnit::Mm, 0.001, 0, 0, 26, 25, 1026};
  spec.mirrored = true;
  spec.boardWidth = 1000000;  // 100 mm: the right edge at viewport pixel 1000
  const auto ticks = rulerTicks(spec);
  EXPECT_EQ(ticks.size(), 102u);
  EXPECT_EQ(tickAt(ticks, 1026)->label, "0");
  EXPECT_EQ(tickAt(ticks, 926)->label, "10");
  EXPECT_EQ(tickAt(ticks, 26)->label, "100");
  EXPECT_EQ(tickAt(ticks, 976)->length, 8);
  EXPECT_EQ(tickAt(ticks, 1016)->length, 4);
}

// Whatever the view, each label names the distance from the user origin of the board point the
// view shows under its mark, as the pointer's read-out does.
TEST(Ruler, LabelsAgreeWithTheViewUnderThem) {
  struct Case {
    const char* what;
    ViewTransform view;
    IPoint origin;
    LengthUnit unit;
  };
  // clang-format off
  const Case cases[] = {
    {"plain",               {0.001, 0, 0, false, 0},           {0, -300000},  LengthUnit::Mm},
    {"scrolled, origin in", {0.0013, 517, 233, false, 0},      {12700, -5000}, LengthUnit::Mm},
    {"mirrored",            {0.001, 0, 0, true, 400000},       {0, -300000},  LengthUnit::Mm},
    {"mirrored, scrolled",  {0.0022, 345, 120, true, 1600000}, {25400, 0},    LengthUnit::Mm},
    {"mirrored, mil",       {0.0014, 80, 0, true, 1000000},    {0, -300000},  LengthUnit::Mil},
  };
  // clang-format on
  int labels = 0;
  for (const Case& c : cases) {
    for (RulerAxis axis : {RulerAxis::Horizontal, RulerAxis::Vertical}) {
      const bool horizontal = axis == RulerAxis::Horizontal;
      const double offset = horizontal ? kHorizontalMarkerOffset : kVerticalMarkerOffset;
      RulerSpec spec = rulerSpecOf(axis, c.view, c.origin, c.unit, offset);
      spec.from = 0;
      spec.to = 800;
      const double unitsPerLabel = c.unit == LengthUnit::Mil ? 254 : 10000;
      for (const RulerTick& tick : rulerTicks(spec)) {
        if (tick.label.empty()) continue;
        const double pixel = tick.position - offset;
        const DPoint world = screenToWorld(c.view, {pixel, pixel});
        const double shown = horizontal ? world.x - c.origin.x : std::abs(world.y - c.origin.y);
        EXPECT_NEAR(std::stod(tick.label) * unitsPerLabel, shown, 1e-3)
            << c.what << (horizontal ? " horizontal at " : " vertical at ") << tick.position;
        ++labels;
      }
    }
  }
  EXPECT_GT(labels, 40);
}

}  // namespace
}  // namespace pravelo
