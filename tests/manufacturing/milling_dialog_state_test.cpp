#include "manufacturing/milling_dialog_state.h"

#include <gtest/gtest.h>

#include "support/gerber_boards.h"

namespace pravelo {
namespace {

using testing::GerberBoard;

MillingOptions everythingChecked() {
  MillingOptions o;
  o.millC1 = o.millC2 = true;
  o.punchC1 = true;
  o.selectedOnly = true;
  o.drill = MillSide::Top;
  o.outline = MillSide::Top;
  return o;
}

TEST(MillingDialogStateTest, AnEmptyBoardDisablesAndUnchecksEverything) {
  GerberBoard b;
  const MillingDialogState s = millingDialogState(b.board, everythingChecked());
  EXPECT_FALSE(s.selectedOnlyEnabled || s.millC1Enabled || s.millC2Enabled || s.punchC1Enabled ||
               s.drillingsAvailable || s.outlineAvailable || s.okEnabled);
  EXPECT_FALSE(s.options.millC1 || s.options.millC2 || s.options.punchC1 || s.options.selectedOnly);
}

TEST(MillingDialogStateTest, LayersAreMillableOnlyWithObjectsTakingPart) {
  struct Case {
    const char* name;
    bool plane;
    std::int32_t clearance;
    bool thermal;
    bool cutout;
    bool enabled;
  };
  // clang-format off
  const Case cases[] = {
      {"plain track", false, 4000, false, false, true},
      {"cut-out", false, 4000, false, true, false},
      {"plane, with gap", true, 4000, false, false, true},
      {"plane, merged", true, 0, false, false, false},
      {"plane, thermal pad", true, 4000, true, false, false},
      {"no plane, thermal pad", false, 4000, true, false, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    GerberBoard b;
    b.board.header.groundPlane[kLayerC1 - 1] = c.plane ? 1 : 0;
    TObjekt& o = c.thermal ? b.pad({50000, -50000}, kPadCircular, 8000, 4000)
                           : b.zone({{10000, -10000}, {50000, -10000}, {50000, -50000}}, 1000);
    o.clearance = c.clearance;
    o.optB = c.thermal ? 1 : 0;
    o.cutout = c.cutout ? 1 : 0;
    if (c.thermal) o.via = 0;
    const MillingDialogState s = millingDialogState(b.board, everythingChecked());
    EXPECT_EQ(s.millC1Enabled, c.enabled) << c.name;
    EXPECT_EQ(s.options.millC1, c.enabled) << c.name;
  }
}

TEST(MillingDialogStateTest, SelectionFilterNarrowsEveryJob) {
  GerberBoard b;
  b.track({{10000, -10000}, {50000, -10000}}, 5000, 0, kLayerC2).selected = 1;
  b.track({{10000, -50000}, {50000, -50000}}, 5000, 0, kLayerC1);
  b.pad({80000, -80000}, kPadCircular, 8000, 4000);
  MillingOptions o = everythingChecked();
  MillingDialogState s = millingDialogState(b.board, o);
  EXPECT_TRUE(s.selectedOnlyEnabled);
  EXPECT_FALSE(s.millC1Enabled);  // its only object is not selected
  EXPECT_TRUE(s.millC2Enabled);
  EXPECT_FALSE(s.drillingsAvailable);
  o.selectedOnly = false;
  s = millingDialogState(b.board, o);
  EXPECT_TRUE(s.millC1Enabled && s.drillingsAvailable && s.punchC1Enabled && s.punchC2Enabled);
}

TEST(MillingDialogStateTest, PunchingNeedsHolesAndThatSideMilled) {
  GerberBoard b;
  b.pad({80000, -80000}, kPadCircular, 8000, 4000).via = 1;  // on both sides
  MillingOptions o;
  o.millC2 = true;
  o.punchC1 = true;
  MillingDialogState s = millingDialogState(b.board, o);
  EXPECT_FALSE(s.punchC1Enabled);
  EXPECT_TRUE(s.punchC2Enabled);
  EXPECT_FALSE(s.options.punchC1);
  choosePunchSide(o, kLayerC2, true);
  EXPECT_TRUE(o.punchC2);
  EXPECT_FALSE(o.punchC1);
  choosePunchSide(o, kLayerC1, true);
  EXPECT_TRUE(o.punchC1);
  EXPECT_FALSE(o.punchC2);
}

TEST(MillingDialogStateTest, TextChoicesFollowTheTextsOfMilledLayers) {
  GerberBoard b;
  b.text({10000, -50000}, "A", 20000, kLayerC2);
  b.text({10000, -90000}, "B", 20000, kLayerC1).selected = 1;
  MillingOptions o;
  o.millC2 = true;
  MillingDialogState s = millingDialogState(b.board, o);
  EXPECT_TRUE(s.normalTextsEnabled);
  EXPECT_FALSE(s.selectedTextsEnabled);
  o.millC1 = true;
  s = millingDialogState(b.board, o);
  EXPECT_TRUE(s.selectedTextsEnabled);
}

TEST(MillingDialogStateTest, OkNeedsAJobAndOverlapMoreThanOnePass) {
  GerberBoard b;
  b.track({{0, 0}, {300000, 0}}, 1000, 0, kLayerO);
  MillingOptions o;
  EXPECT_FALSE(millingDialogState(b.board, o).okEnabled);
  EXPECT_TRUE(millingDialogState(b.board, o).outlineAvailable);
  o.outline = MillSide::Bottom;
  EXPECT_TRUE(millingDialogState(b.board, o).okEnabled);
  o.outline = MillSide::None;
  o.referenceHoles[3] = true;
  EXPECT_TRUE(millingDialogState(b.board, o).okEnabled);
  EXPECT_FALSE(millingDialogState(b.board, o).overlapEnabled);
  o.passes = 2;
  EXPECT_TRUE(millingDialogState(b.board, o).overlapEnabled);
}

}  // namespace
}  // namespace pravelo
