#include "ui/new_board_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "base/text.h"
#include "support/scripted_host.h"
#include "ui/pvb_spin_edit.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::onNextDialog;
using testing::ScriptedHost;

// Types a value into a length field and leaves it with Enter.
void type(QWidget& dialog, const char* field, const char* text) {
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* edit = dialog.findChild<TPvbSpinEdit*>(field)->findChild<QLineEdit*>("E_Edit");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

TEST(NewBoardDialog, TooBigAWorkingAreaTurnsRedAndKeepsTheDialogOpen) {
  setLanguage(Language::English);
  ScriptedHost host;
  TNeuDlg dlg(host);
  bool stayedOpen = false;
  onNextDialog<TNeuDlg>([&](TNeuDlg& d) {
    d.findChild<QToolButton*>("SpeedButton2")->click();
    type(d, "SE_Rect_X", "480");
    auto* width = d.findChild<QLabel*>("L_Rect_X");
    EXPECT_EQ(width->text(), "520.00 mm");
    EXPECT_TRUE(width->styleSheet().contains("red"));
    EXPECT_EQ(d.findChild<QLabel*>("L_Rect_Y")->text(), "140.00 mm");
    d.findChild<QPushButton*>("B_OK")->click();
    stayedOpen = d.isVisible();
    type(d, "SE_Rect_X", "460");
    d.findChild<QPushButton*>("B_OK")->click();
  });
  EXPECT_TRUE(dlg.execute(false));
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The board is too big!");
  EXPECT_EQ(dlg.values().mode, NewBoardMode::Rectangular);
  EXPECT_EQ(newBoardSize(dlg.values()), (BoardSize{5000000, 1400000}));
  setLanguage(Language::German);
}

TEST(NewBoardDialog, KeepsItsValuesBetweenUses) {
  ScriptedHost host;
  TNeuDlg dlg(host);
  onNextDialog<TNeuDlg>([](TNeuDlg& d) {
    type(d, "SE_Leer_X", "55.55");
    d.findChild<QPushButton*>("B_OK")->click();
  });
  ASSERT_TRUE(dlg.execute(false));
  onNextDialog<TNeuDlg>([](TNeuDlg& d) { d.findChild<QPushButton*>("B_OK")->click(); });
  ASSERT_TRUE(dlg.execute(true));
  EXPECT_EQ(newBoardSize(dlg.values()), (BoardSize{555500, 1000000}));
}

TEST(NewBoardDialog, HelpAsksForTopicSix) {
  ScriptedHost host;
  TNeuDlg dlg(host);
  int topic = 0;
  QObject::connect(&dlg, &TNeuDlg::helpRequested, [&](int t) { topic = t; });
  dlg.findChild<QPushButton*>("B_Help")->click();
  EXPECT_EQ(topic, 6);
}

// In mil mode the fields and the resulting sizes show mil; a width of 6000 mil is 152.4 mm.
TEST(NewBoardDialog, FieldsFollowTheUnitSwitch) {
  ScriptedHost host;
  TNeuDlg dlg(host);
  onNextDialog<TNeuDlg>([](TNeuDlg& d) {
    EXPECT_EQ(d.findChild<TPvbSpinEdit*>("SE_Leer_X")->text(), "6299.2");
    EXPECT_EQ(d.findChild<QLabel*>("L_Rect_X")->text(), "7874.02 mil");
    type(d, "SE_Leer_X", "6000");
    d.findChild<QPushButton*>("B_OK")->click();
  });
  ASSERT_TRUE(dlg.execute(false, LengthUnit::Mil));
  EXPECT_EQ(newBoardSize(dlg.values()).width, 1524003);
}

}  // namespace
}  // namespace pravelo
