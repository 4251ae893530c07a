#include "ui/options_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>

#include "support/file_bytes.h"
#include "support/scripted_host.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest() {
    setLanguage(Language::English);
    std::filesystem::create_directories(folders.settings);
    settings = defaultSettings(folders, Language::English);
    dialog.setChoosers([this](Rgb) { return std::optional<Rgb>(chosenColour); },
                       [this](const std::string&) { return std::optional<std::string>(folder); },
                       [this](const std::string& f) { opened.push_back(f); });
  }
  void open(OptionsPage page) { dialog.load(page, settings); }

  testing::TempConfig config;
  AppFolders folders{.settings = config.settingsFolder()};
  AppSettings settings;
  testing::ScriptedHost host;
  TOptionsDlg dialog{folders, host};
  Rgb chosenColour{10, 20, 30};
  std::string folder = "/home/User/Layouts";
  std::vector<std::string> opened;
};

TEST_F(OptionsDialogTest, AChangedUserSchemeIsSavedWhenLeftAndShownAtOnce) {
  open(OptionsPage::Colours);
  QSignalSpy shown(&dialog, &TOptionsDlg::schemeShown);
  EXPECT_FALSE(child<QPushButton>(dialog, "P_Farbe9")->isEnabled()) << "Standard is fixed";
  child<QComboBox>(dialog, "CB_Farben")->setCurrentIndex(2);
  ASSERT_TRUE(child<QPushButton>(dialog, "P_Farbe9")->isEnabled());
  child<QPushButton>(dialog, "P_Farbe9")->click();  // the via colour
  ASSERT_GE(shown.count(), 2);
  EXPECT_EQ(shown.last()[0].value<ColourScheme>().colours[kSlotVia], chosenColour);
  host.answers.push_back(Answer::Yes);
  child<QComboBox>(dialog, "CB_Farben")->setCurrentIndex(0);
  ASSERT_EQ(host.questions.size(), 1u);
  const std::filesystem::path file = folders.settings / "C_USER2.DAT";
  EXPECT_EQ(testing::fileBytes(file).size(), 48u);
  EXPECT_EQ(readSchemeFile(file).colours[kSlotVia], chosenColour);
}

TEST_F(OptionsDialogTest, CancelShowsTheSchemeOfTheOpeningAgain) {
  settings.optionen.Farbschema = 1;
  open(OptionsPage::Colours);
  QSignalSpy shown(&dialog, &TOptionsDlg::schemeShown);
  child<QPushButton>(dialog, "P_Farbe0")->click();
  dialog.reject();
  EXPECT_EQ(shown.last()[0].value<ColourScheme>().colours, standardScheme().colours);
  EXPECT_FALSE(std::filesystem::exists(folders.settings / "C_USER1.DAT"));
}

TEST_F(OptionsDialogTest, TheSameFolderForAllLeavesOnlyTheLayoutFolder) {
  settings.ordner.Gerber = "/home/User/Gerber";
  settings.ordner.EqualDir = false;
  open(OptionsPage::Folders);
  EXPECT_EQ(child<QLineEdit>(dialog, "Edit2")->text(), "/home/User/Gerber") << "case kept";
  child<QCheckBox>(dialog, "CB_EqualDir")->setChecked(true);
  EXPECT_TRUE(child<QLineEdit>(dialog, "Edit1")->isEnabled());
  for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit5"}) {
    EXPECT_FALSE(child<QLineEdit>(dialog, name)->isEnabled()) << name;
  }
  child<QPushButton>(dialog, "B_Ordner1")->click();
  EXPECT_EQ(dialog.values().ordner.Layout, folder);
  EXPECT_TRUE(dialog.values().ordner.EqualDir);
}

TEST_F(OptionsDialogTest, PagesStoreWhatTheyShow) {
  open(OptionsPage::UndoDepth);
  EXPECT_EQ(child<QSpinBox>(dialog, "SE_Undo")->value(), 50) << "the default depth is 51";
  EXPECT_EQ(dialog.values().optionen.Undo, 50) << "kept while the field is not changed";
  child<QSpinBox>(dialog, "SE_Undo")->setValue(49);
  child<QSpinBox>(dialog, "SE_Undo")->setValue(50);
  child<QCheckBox>(dialog, "CB_AutoSave")->setChecked(false);
  EXPECT_FALSE(child<QSpinBox>(dialog, "SE_AutoSaveMinuten")->isEnabled());
  child<QCheckBox>(dialog, "CB_AutoSave")->setChecked(true);
  child<QSpinBox>(dialog, "SE_AutoSaveMinuten")->setValue(12);
  child<QComboBox>(dialog, "CB_Einheit")->setCurrentIndex(1);
  child<QCheckBox>(dialog, "CB_CAM_Nullpunkt")->setChecked(false);
  child<QCheckBox>(dialog, "CB_FK_TextBig")->setChecked(true);
  child<QSpinBox>(dialog, "SE_CUWidth")->setValue(70);
  child<QPushButton>(dialog, "B_MakroReset")->click();
  child<QPushButton>(dialog, "B_MakroExplorer")->click();
  const AppSettings v = dialog.values();
  EXPECT_EQ(v.optionen.Undo, 49) << "shown as 50";
  EXPECT_EQ(v.optionen.AutoSaveTime, 12 * 60000);
  EXPECT_TRUE(v.optionen.AutoSave);
  EXPECT_TRUE(v.optionen.MIL);
  EXPECT_FALSE(v.optionen.CAM_Nullpunkt);
  EXPECT_TRUE(v.optionen.FK_TextBig);
  EXPECT_EQ(v.optionen.Imax_CU, 70);
  EXPECT_EQ(v.ordner.Makro, (folders.settings / "Makros").string());
  EXPECT_EQ(opened, std::vector<std::string>{v.ordner.Makro});
}

TEST_F(OptionsDialogTest, ADuplicateHotkeyIsRefusedNamingBothModes) {
  open(OptionsPage::Hotkeys);
  auto* list = child<QListWidget>(dialog, "LB_Hotkeys");
  ASSERT_EQ(list->count(), 16);
  list->setCurrentRow(3);  // Pad
  auto* letter = child<QComboBox>(dialog, "CB_Hotkey");
  letter->setCurrentIndex(letter->findData('Z'));  // Zoom's letter
  child<QPushButton>(dialog, "B_Hotkey")->click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "The key Z is already the hotkey of Zoom and cannot be that of Pad too.");
  EXPECT_EQ(dialog.values().optionen.Hotkeys, settings.optionen.Hotkeys);
  letter->setCurrentIndex(letter->findData('W'));
  child<QPushButton>(dialog, "B_Hotkey")->click();
  EXPECT_EQ(dialog.values().optionen.Hotkeys[2], 'W');
  EXPECT_EQ(list->item(3)->text(), "Pad = W");
}

// The crosshair page shows the crosshair as the drawing area draws it, on the scheme's
// background, and follows its switches.
TEST_F(OptionsDialogTest, CrosshairPreviewIsDrawnOnTheSchemeBackgroundAndFollowsTheSwitches) {
  open(OptionsPage::Crosshair);
  dialog.show();
  auto* preview = child<QWidget>(dialog, "PB_FK_Vorschau");
  const QImage withBox = preview->grab().toImage();
  const Rgb ground = dialog.schemes().shown().background();
  EXPECT_EQ(withBox.pixelColor(0, withBox.height() - 1), QColor(ground.r, ground.g, ground.b));
  child<QCheckBox>(dialog, "CB_FK_Koordinaten")->setChecked(false);
  EXPECT_NE(preview->grab().toImage(), withBox) << "the coordinate box is gone";
}

class OptionsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setLanguage(Language::English);
    window = std::make_unique<MainWindow>(config.start(), &host);
    window->start("");
  }
  testing::TempConfig config;
  testing::ScriptedHost host;
  std::unique_ptr<MainWindow> window;
};

TEST_F(OptionsWindowTest, MenuItemsOpenTheirPagesAndOkApplies) {
  const std::pair<const char*, OptionsPage> items[] = {
      {"Grundeinstellungen1", OptionsPage::General},
      {"Arbeitsverzeichnisse1", OptionsPage::Folders},
      {"Autospeichern1", OptionsPage::AutoSave}};
  for (const auto& [item, page] : items) {
    std::optional<OptionsPage> seen;
    testing::onNextDialog<TOptionsDlg>([&seen](TOptionsDlg& d) {
      seen = d.page();
      d.reject();
    });
    testing::trigger(*window, item);
    EXPECT_EQ(seen, page) << item;
  }
  testing::onNextDialog<TOptionsDlg>([](TOptionsDlg& d) {
    child<QCheckBox>(d, "CB_AutoSave")->setChecked(true);
    child<QSpinBox>(d, "SE_AutoSaveMinuten")->setValue(3);
    child<QComboBox>(d, "CB_Einheit")->setCurrentIndex(1);
    d.accept();
  });
  testing::trigger(*window, "Autospeichern1");
  EXPECT_TRUE(window->settings().optionen.AutoSave);
  EXPECT_EQ(window->settings().optionen.AutoSaveTime, 180000);
  EXPECT_TRUE(window->settings().optionen.MIL);
  auto* timer = window->findChild<QTimer*>("AutoSaveTimer");
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 180000);
}

}  // namespace
}  // namespace pravelo
