#include "geometry/length_field.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

// A field as the size fields use it: 2 decimals, step 0.01, up to 99.99 mm.
LengthField fineField(double mm) {
  LengthField f;
  f.setDecimals(2);
  f.setStep(0.01f);
  f.setMax(99.99f);
  f.setValueMm(mm);
  return f;
}

TEST(LengthField, DefaultsClampAndShowTheDecimals) {
  LengthField f;
  EXPECT_EQ(f.min(), 0);
  EXPECT_FLOAT_EQ(f.max(), 99.9f);
  EXPECT_FLOAT_EQ(f.step(), 0.1f);
  EXPECT_EQ(f.decimals(), 1);
  f.setValueMm(12.34);
  EXPECT_EQ(f.text(), "12.3");
  EXPECT_DOUBLE_EQ(f.valueMm(), 12.3);
  f.setValueMm(150);
  EXPECT_EQ(f.text(), "99.9");
  f.setValueMm(-1);
  EXPECT_EQ(f.text(), "0.0");
}

TEST(LengthField, MilModeConvertsLimitsToWholeMilAndKeepsTheValue) {
  LengthField f;
  f.setValueMm(1.27);
  f.setMil(true);
  EXPECT_EQ(f.max(), 3933);  // 99.9 x 39.37 x 10 = 39330.63 -> 39331, divided by 10
  EXPECT_FLOAT_EQ(f.step(), 0.1f);
  // The field holds what it shows: 1.3 mm, which is 51.18 mil.
  EXPECT_EQ(f.text(), "51.2");
}

TEST(LengthField, UnitSwitchRoundTrip) {
  LengthField f = fineField(1.27);
  f.setMin(0.05f);
  f.setMil(true);
  EXPECT_EQ(f.min(), 2);     // 19.685 -> 20 -> 2
  EXPECT_EQ(f.max(), 3936);  // 39366.06 -> 39366 -> 3936
  EXPECT_EQ(f.decimals(), 1);
  EXPECT_EQ(f.text(), "50.0");
  // Typed mil are read back by dividing by 39.37.
  EXPECT_DOUBLE_EQ(f.valueMm(), 50 / 39.37);
  f.setMil(false);
  EXPECT_FLOAT_EQ(f.min(), 0.05f);
  EXPECT_FLOAT_EQ(f.max(), 99.99f);
  EXPECT_FLOAT_EQ(f.step(), 0.01f);
  EXPECT_EQ(f.decimals(), 2);
  EXPECT_EQ(f.text(), "1.27");
}

TEST(LengthField, CoarseSteppingRule) {
  struct Case {
    int decimals;
    float max;
    float step;
    bool coarse;
  };
  const Case cases[] = {{0, 1000, 1, false},       {1, 99.9f, 0.1f, false},  {1, 100, 0.1f, true},
                        {2, 99.99f, 0.25f, false}, {2, 99.99f, 0.01f, true}, {3, 5, 0.001f, true}};
  for (const Case& c : cases) {
    LengthField f;
    f.setDecimals(c.decimals);
    f.setMax(c.max);
    f.setStep(c.step);
    EXPECT_EQ(f.coarseStepping(), c.coarse) << c.decimals << " " << c.max << " " << c.step;
  }
}

TEST(LengthField, WheelClicksStepCoarselyAndSnapUnlessCtrl) {
  struct Case {
    WheelButton button;
    bool ctrl;
    const char* expected;
  };
  const Case cases[] = {{WheelButton::Left, false, "1.30"},   // 1.28 snapped to 0.05
                        {WheelButton::Right, false, "1.20"},  // 1.18 snapped to 0.05
                        {WheelButton::Left, true, "1.24"},
                        {WheelButton::Right, true, "1.22"}};
  for (const Case& c : cases) {
    LengthField f = fineField(1.23);
    f.pressWheel(50, c.button);
    const LengthFieldEvents e = f.releaseWheel(c.ctrl);
    EXPECT_EQ(f.text(), c.expected);
    EXPECT_TRUE(e.backup);
    EXPECT_TRUE(e.changed);
  }
}

TEST(LengthField, PlainFieldStepsByOneStep) {
  LengthField f;
  f.setValueMm(1.3);
  f.pressWheel(0, WheelButton::Left);
  f.releaseWheel(false);
  EXPECT_EQ(f.text(), "1.4");
}

TEST(LengthField, NoEventsWhenTheLimitStopsAStep) {
  LengthField f = fineField(99.99);
  f.pressWheel(0, WheelButton::Left);
  const LengthFieldEvents e = f.releaseWheel(true);
  EXPECT_FALSE(e.backup);
  EXPECT_FALSE(e.changed);
  EXPECT_EQ(f.text(), "99.99");
}

TEST(LengthField, DraggingStepsEveryEightPixelsAndAccelerates) {
  LengthField f = fineField(1.23);
  f.pressWheel(100, WheelButton::Left);
  EXPECT_FALSE(f.dragWheel(95, false).changed);  // less than 8 pixels
  LengthFieldEvents e = f.dragWheel(92, false);  // one coarse step of 0.1, snapped
  EXPECT_TRUE(e.backup);
  EXPECT_TRUE(e.changed);
  EXPECT_EQ(f.text(), "1.30");
  e = f.dragWheel(76, false);  // two steps count as four
  EXPECT_FALSE(e.backup);      // once per gesture
  EXPECT_TRUE(e.changed);
  EXPECT_EQ(f.text(), "1.70");
  f.dragWheel(84, false);  // one step down
  EXPECT_EQ(f.text(), "1.60");
  EXPECT_FALSE(f.releaseWheel(false).changed);  // a drag is not a click
  EXPECT_EQ(f.text(), "1.60");
}

TEST(LengthField, DraggingWithCtrlUsesThePlainStep) {
  LengthField f = fineField(1.23);
  f.pressWheel(100, WheelButton::Left);
  f.dragWheel(92, true);
  EXPECT_EQ(f.text(), "1.24");
  f.dragWheel(68, true);  // 3 steps count as 9
  EXPECT_EQ(f.text(), "1.33");
}

TEST(LengthField, RightButtonDoesNotDrag) {
  LengthField f = fineField(1.25);
  f.pressWheel(100, WheelButton::Right);
  EXPECT_FALSE(f.dragWheel(50, false).changed);
  f.releaseWheel(false);
  EXPECT_EQ(f.text(), "1.20");
}

TEST(LengthField, TypingFiresBackupOnceAndCommitsClamped) {
  LengthField f;
  f.enter();
  EXPECT_TRUE(f.keyTyped());
  EXPECT_FALSE(f.keyTyped());
  f.setTypedText("12,5");
  LengthFieldEvents e = f.commit();
  EXPECT_TRUE(e.changed);
  EXPECT_TRUE(e.exited);
  EXPECT_EQ(f.text(), "12.5");
  f.setTypedText("500");
  f.commit();
  EXPECT_EQ(f.text(), "99.9");
  f.enter();
  EXPECT_TRUE(f.keyTyped());
}

TEST(LengthField, UnreadableTextRestoresTheLastValue) {
  LengthField f;
  f.setValueMm(3.2);
  f.setTypedText("3.2.1");
  EXPECT_DOUBLE_EQ(f.valueMm(), 3.2);
  const LengthFieldEvents e = f.commit();
  EXPECT_FALSE(e.changed);
  EXPECT_TRUE(e.exited);
  EXPECT_EQ(f.text(), "3.2");
}

}  // namespace
}  // namespace pravelo
