#include "ui/drc_panel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "base/text.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::add;
using testing::strokeTrack;

// Two tracks of different nets 0.1 mm apart.
class DrcPanelTest : public ::testing::Test {
 protected:
  DrcPanelTest() {
    setLanguage(Language::English);
    board.header = newBoardHeader(1000000, 1000000);
    add(board, strokeTrack(100000, -100000, 200000, -100000, kLayerC1));
    add(board, strokeTrack(100000, -97000, 200000, -97000, kLayerC1));
    panel.showBoard(&board, LengthUnit::Mm, ColourScheme{});
    panel.show();
  }

  QString count() const { return panel.findChild<QLabel*>("L_Count")->text(); }
  QListWidget* list() const { return panel.findChild<QListWidget*>("LB_Errors"); }

  Board board;
  DrcSettings settings;
  TDRC_Dlg panel{settings};
};

TEST_F(DrcPanelTest, RunListsTheFindingsAllSelected) {
  EXPECT_EQ(panel.objectName(), "P_DRC");
  EXPECT_EQ(panel.windowTitle(), "DRC");
  QSignalSpy complete(&panel, &TDRC_Dlg::completeRequested);
  QTest::mouseClick(panel.findChild<QPushButton*>("B_Komplett"), Qt::LeftButton);
  EXPECT_EQ(complete.count(), 1);

  panel.run(completeDrcArea());
  ASSERT_EQ(list()->count(), 1);
  EXPECT_EQ(list()->item(0)->text(), "Distance");
  EXPECT_EQ(count(), "1 Entries");
  EXPECT_EQ(panel.selectedFindings().size(), 1u);
  EXPECT_TRUE(panel.findChild<QPushButton*>("B_SelectAll")->isEnabled());

  QSignalSpy chosen(&panel, &TDRC_Dlg::entryChosen);
  const QPoint at = list()->visualItemRect(list()->item(0)).center();
  QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen[0][0].value<TRect>(), panel.findings()[0].marker);
}

TEST_F(DrcPanelTest, EveryCheckOffGivesNoEntries) {
  for (QCheckBox* box : panel.findChildren<QCheckBox*>()) box->setChecked(false);
  EXPECT_FALSE(settings.Kupfer);
  EXPECT_FALSE(settings.LSFremd);
  panel.run(completeDrcArea());
  EXPECT_EQ(list()->count(), 0);
  EXPECT_EQ(count(), "0 Entries");
  EXPECT_FALSE(panel.findChild<QPushButton*>("B_SelectAll")->isEnabled());
}

TEST_F(DrcPanelTest, AnotherBoardEmptiesTheList) {
  panel.run(completeDrcArea());
  Board other;
  panel.showBoard(&other, LengthUnit::Mil, ColourScheme{});
  EXPECT_EQ(list()->count(), 0);
  EXPECT_TRUE(panel.findings().empty());
}

TEST(DrcPanelWindow, TheCommandTogglesThePanel) {
  testing::TempConfig config;
  testing::ScriptedHost host;
  MainWindow window(config.start(), &host);
  auto* panel = window.findChild<TDRC_Dlg*>("P_DRC");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isHidden());
  window.findChild<QAction*>("TB_DRC")->trigger();
  EXPECT_FALSE(panel->isHidden());
  window.findChild<QAction*>("DRCCheck1")->trigger();
  EXPECT_TRUE(panel->isHidden());
}

}  // namespace
}  // namespace pravelo
