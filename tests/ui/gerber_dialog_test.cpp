#include "ui/gerber_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "base/text.h"
#include "settings/app_folders.h"
#include "support/gerber_boards.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::onNextDialog;
using testing::ScriptedHost;

TEST(GerberDialog, OffersWhatTheBoardHasAndWritesTheCheckedFiles) {
  setLanguage(Language::English);
  testing::TempFolder folder;
  ScriptedHost host;
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  settings.ordner.EqualDir = true;
  settings.ordner.Layout_Last = folder.path().string();
  SettingsStore store(folder.file("PRAVEL60.INI"));
  TGerberDlg dlg(host, settings, store);
  testing::GerberBoard b;
  b.track({{10000, -10000}, {50000, -10000}}, 2000);
  b.track({{10000, -20000}, {50000, -20000}}, 2000, 0, kLayerS1);
  onNextDialog<TGerberDlg>([&](TGerberDlg& d) {
    auto* c1 = d.findChild<QCheckBox*>("CB_K1");
    auto* c2 = d.findChild<QCheckBox*>("CB_K2");
    auto* s1 = d.findChild<QCheckBox*>("CB_B1");
    EXPECT_TRUE(c1->isEnabled());
    EXPECT_FALSE(c2->isEnabled());
    EXPECT_TRUE(s1->isEnabled());
    EXPECT_FALSE(d.findChild<QPushButton*>("B_Erzeugen")->isEnabled());
    EXPECT_FALSE(d.findChild<QCheckBox*>("CB_Freistanzen")->isEnabled());
    EXPECT_TRUE(d.findChild<QCheckBox*>("CB_Spiegeln")->isVisible());
    EXPECT_FALSE(d.findChild<QCheckBox*>("CB_X2")->isChecked());
    c1->setChecked(true);
    EXPECT_TRUE(d.findChild<QCheckBox*>("CB_Freistanzen")->isEnabled());
    EXPECT_EQ(d.findChild<QLabel*>("L_K1")->text(), "demo_copper_top.gbr");
    EXPECT_TRUE(d.findChild<QLabel*>("L_K1")->isVisible());
    EXPECT_FALSE(d.findChild<QLabel*>("L_B1")->isVisible());
    EXPECT_EQ(d.findChild<QLineEdit*>("E_Ordner")->text().toStdString(), folder.path().string());
    d.findChild<QPushButton*>("B_Erzeugen")->click();
    const QString log = d.findChild<QPlainTextEdit*>("M_Log")->toPlainText();
    EXPECT_TRUE(log.startsWith("Created files:")) << log.toStdString();
    EXPECT_TRUE(log.endsWith("1 files created.")) << log.toStdString();
    d.findChild<QPushButton*>("B_Schliessen")->click();
  });
  dlg.execute(b.board, "/somewhere/demo.pvb6");
  EXPECT_TRUE(std::filesystem::exists(folder.file("demo_copper_top.gbr")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("demo_silkscreen_top.gbr")));
  EXPECT_TRUE(host.messages.empty());
  setLanguage(Language::German);
}

// The endings are written to the settings on OK; "Default..." brings back the standard ones.
TEST(GerberDialog, FileExtensionsAreKeptInTheSettings) {
  setLanguage(Language::English);
  testing::TempFolder folder;
  ScriptedHost host;
  host.answers = {Answer::Ok};
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  SettingsStore store(folder.file("PRAVEL60.INI"));
  TGerberDlg dlg(host, settings, store);
  testing::GerberBoard b;
  b.track({{10000, -10000}, {50000, -10000}}, 2000);
  onNextDialog<TGerberDlg>([&](TGerberDlg& d) {
    d.findChild<QCheckBox*>("CB_K1")->setChecked(true);
    onNextDialog<TGerberDateinamenDlg>([&](TGerberDateinamenDlg& names) {
      names.findChild<QLineEdit*>("E_K1")->setText(".GTL");
      names.findChild<QPushButton*>("B_OK")->click();
    });
    d.findChild<QPushButton*>("B_Dateiendungen")->click();
    EXPECT_EQ(d.findChild<QLabel*>("L_K1")->text(), "demo.GTL");
    EXPECT_EQ(store.readString("Gerber", "K1", ""), ".GTL");
    onNextDialog<TGerberDateinamenDlg>([&](TGerberDateinamenDlg& names) {
      names.findChild<QPushButton*>("B_Default")->click();
      EXPECT_EQ(names.findChild<QLineEdit*>("E_K1")->text(), "_copper_top.gbr");
      names.findChild<QPushButton*>("B_Cancel")->click();
    });
    d.findChild<QPushButton*>("B_Dateiendungen")->click();
    EXPECT_EQ(d.findChild<QLabel*>("L_K1")->text(), "demo_copper_top.gbr");
    EXPECT_FALSE(store.hasSection("Gerber"));
    d.findChild<QPushButton*>("B_Schliessen")->click();
  });
  dlg.execute(b.board, "demo.pvb6");
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Reset all filenames to default values ?");
  setLanguage(Language::German);
}

}  // namespace
}  // namespace pravelo
