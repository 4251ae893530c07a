#include "ui/new_board_dialog.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "base/text.h"
#include "support/scripted_host.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::onNextDialog;
using testing::ScriptedHost;

TEST(NewBoardDialog, TooBigAWorkingAreaTurnsRedAndKeepsTheDialogOpen) {
  setLanguage(Language::English);
  ScriptedHost host;
  TNeuDlg dlg(host);
  bool stayedOpen = false;
  onNextDialog<TNeuDlg>([&](TNeuDlg& d) {
    d.findChild<QToolButton*>("SpeedButton2")->click();
    d.findChild<QDoubleSpinBox*>("SE_Rect_X")->setValue(480);
    auto* width = d.findChild<QLabel*>("L_Rect_X");
    EXPECT_EQ(width->text(), "520.00 mm");
    EXPECT_TRUE(width->styleSheet().contains("red"));
    EXPECT_EQ(d.findChild<QLabel*>("L_Rect_Y")->text(), "140.00 mm");
    d.findChild<QPushButton*>("B_OK")->click();
    stayedOpen = d.isVisible();
    d.findChild<QDoubleSpinBox*>("SE_Rect_X")->setValue(460);
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
    d.findChild<QDoubleSpinBox*>("SE_Leer_X")->setValue(55.55);
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

}  // namespace
}  // namespace pravelo
