#include "ui/pvb_spin_edit.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace pravelo {
namespace {

class PvbSpinEditTest : public ::testing::Test {
 protected:
  PvbSpinEditTest() {
    field.show();
    field.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&field));
  }

  QLineEdit* edit() { return field.findChild<QLineEdit*>("E_Edit"); }
  QWidget* wheel() { return field.findChild<QWidget*>("PB_Rad"); }

  TPvbSpinEdit field;
  QSignalSpy backups{&field, &TPvbSpinEdit::OnBackup};
  QSignalSpy changes{&field, &TPvbSpinEdit::OnEditChange};
  QSignalSpy exits{&field, &TPvbSpinEdit::OnEditExit};
};

TEST_F(PvbSpinEditTest, TypedCommaIsTheDecimalPointAndEnterCommits) {
  field.setNachkommaStellen(2);
  edit()->setFocus();
  ASSERT_TRUE(edit()->hasFocus());
  edit()->selectAll();
  QTest::keyClicks(edit(), "12,375");
  EXPECT_EQ(backups.count(), 1);  // once, at the first key
  EXPECT_EQ(changes.count(), 0);
  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_FALSE(edit()->hasFocus());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(exits.count(), 1);
  EXPECT_EQ(field.text(), "12.38");
  EXPECT_DOUBLE_EQ(field.value(), 12.38);  // the value is the one shown
  // Leaving the box commits too; beyond the limit the value is clamped.
  edit()->setFocus();
  edit()->selectAll();
  QTest::keyClicks(edit(), "150");
  edit()->clearFocus();
  EXPECT_EQ(field.text(), "99.90");
  EXPECT_EQ(changes.count(), 2);
}

TEST_F(PvbSpinEditTest, WheelClicksStepAndSnapToCoarseSteps) {
  field.setNachkommaStellen(2);
  field.setStep(0.01f);
  field.setMax(99.99f);
  struct Click {
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    const char* shown;
  };
  // clang-format off
  const Click clicks[] = {
      {Qt::LeftButton,  Qt::NoModifier,      "1.05"},  // coarse: 5 steps, snapped to 0.05
      {Qt::LeftButton,  Qt::ControlModifier, "1.06"},  // fine with Ctrl
      {Qt::RightButton, Qt::NoModifier,      "1.00"},  // 1.01 snapped down to a multiple of 0.05
      {Qt::RightButton, Qt::ControlModifier, "0.99"},
  };
  // clang-format on
  field.setValue(1.0);
  int expectedChanges = 0;
  for (const Click& c : clicks) {
    QTest::mouseClick(wheel(), c.button, c.modifiers, QPoint(5, 5));
    EXPECT_EQ(field.text(), c.shown);
    EXPECT_EQ(backups.count(), ++expectedChanges) << c.shown;  // one undo step per click
    EXPECT_EQ(changes.count(), expectedChanges) << c.shown;
  }
  EXPECT_EQ(exits.count(), 0);
}

TEST_F(PvbSpinEditTest, DraggingTheWheelUpStepsFasterTheFurtherItMoves) {
  field.setValue(10.0);  // one decimal, Max 99.9: no coarse steps
  QTest::mousePress(wheel(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 40));
  QTest::mouseMove(wheel(), QPoint(5, 24));  // 16 pixels: 2 steps counting as 4
  EXPECT_EQ(field.text(), "10.4");
  QTest::mouseMove(wheel(), QPoint(5, 16));  // 1 step
  QTest::mouseRelease(wheel(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 16));
  EXPECT_EQ(field.text(), "10.5");  // the release after a drag does not step
  EXPECT_EQ(backups.count(), 1);    // one for the whole drag
  EXPECT_EQ(changes.count(), 2);
}

TEST_F(PvbSpinEditTest, MilModeShowsMilAndStillDeliversMillimetres) {
  field.setMitEinheit(true);
  field.setNachkommaStellen(2);
  field.setValue(2.54);
  field.setMIL(true);
  EXPECT_EQ(field.text(), "100.0");
  EXPECT_FLOAT_EQ(field.max(), 3933.0f);
  EXPECT_EQ(field.findChild<QLabel*>("L_Einheit")->text(), "mil");
  EXPECT_NEAR(field.value(), 2.54, 1e-4);
  edit()->setFocus();
  edit()->selectAll();
  QTest::keyClicks(edit(), "50");
  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_DOUBLE_EQ(field.value(), 50 / 39.37);
  field.setMIL(false);
  EXPECT_EQ(field.text(), "1.27");
  EXPECT_FLOAT_EQ(field.max(), 99.9f);
  EXPECT_EQ(field.findChild<QLabel*>("L_Einheit")->text(), "mm");
}

// Seven characters cut a typed board side of 123.4567 mm to 123.456; the box takes what the
// limits and decimals need.
TEST_F(PvbSpinEditTest, TheBoxHoldsEveryValueWithinTheLimits) {
  field.setMin(1);
  field.setMax(500);
  field.setNachkommaStellen(4);
  edit()->setFocus();
  edit()->selectAll();
  QTest::keyClicks(edit(), "123.4567");
  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_EQ(field.text(), "123.4567");
  EXPECT_DOUBLE_EQ(field.value(), 123.4567);
  field.setMin(-9999);
  EXPECT_EQ(edit()->maxLength(), 10);  // "-9999.0000"
}

TEST_F(PvbSpinEditTest, ABlankFieldStaysBlankUntilSomethingIsTyped) {
  field.setNachkommaStellen(2);
  field.setValue(1.5);
  field.setBlank();
  EXPECT_TRUE(edit()->text().isEmpty());
  edit()->setFocus();
  edit()->clearFocus();
  EXPECT_TRUE(field.isBlank());
  EXPECT_EQ(changes.count(), 0);
  edit()->setFocus();
  QTest::keyClicks(edit(), "2");
  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_FALSE(field.isBlank());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_DOUBLE_EQ(field.value(), 2);
}

}  // namespace
}  // namespace pravelo
