#include "ui/autorouter_panel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "base/text.h"
#include "support/scripted_host.h"
#include "ui/main_window.h"
#include "ui/pvb_spin_edit.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

TEST(AutorouterPanel, GridLabelFollowsTheValues) {
  setLanguage(Language::English);
  AutorouterSettings settings;
  TAutoRouter panel(settings);
  const auto label = [&panel] { return panel.findChild<QLabel*>("L_Raster")->text(); };
  panel.showGrid(12700, false);
  EXPECT_EQ(label(), "0.635 mm");
  panel.findChild<QCheckBox*>("CB_Raster")->setChecked(false);
  EXPECT_FALSE(settings.Raster);
  EXPECT_EQ(label(), "0.8 mm");
  panel.showGrid(12700, true);
  EXPECT_EQ(label(), "31.5 mil");
  EXPECT_EQ(panel.findChild<QLabel*>("L_Status")->text(), " Ready");
}

TEST(AutorouterPanel, ShownWhileTheAutorouteToolIsActive) {
  testing::TempConfig config;
  testing::ScriptedHost host;
  MainWindow window(config.start(), &host);
  auto* panel = window.findChild<TAutoRouter*>("TAutoRouter");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isHidden());
  window.findChild<QAction*>("SB_AutoRoute")->trigger();
  EXPECT_FALSE(panel->isHidden());
  panel->findChild<QPushButton*>("B_Close")->click();
  EXPECT_TRUE(panel->isHidden());
  EXPECT_TRUE(window.findChild<QAction*>("SB_Standard")->isChecked());
}

}  // namespace
}  // namespace pravelo
