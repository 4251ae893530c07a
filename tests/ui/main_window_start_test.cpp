#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSplashScreen>
#include <QTest>
#include <fstream>
#include <sstream>

#include "settings/settings_store.h"
#include "support/scripted_host.h"
#include "ui/language_dialog.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;
using testing::onNextDialog;
using testing::ScriptedHost;
using testing::tabCaptions;
using testing::TempConfig;
using testing::trigger;

class StartTest : public ::testing::Test {
 protected:
  void TearDown() override { setLanguage(Language::German); }

  std::unique_ptr<MainWindow> startWindow(const std::string& commandLine = "") {
    auto window = std::make_unique<MainWindow>(config.start(), &host);
    window->start(commandLine);
    return window;
  }
  void writeSettingsFile(const char* name, const std::string& text) {
    fs::create_directories(config.settingsFolder());
    std::ofstream(config.settingsFolder() / name, std::ios::binary) << text;
  }
  std::string settingsText() const {
    std::ifstream in(config.settingsFolder() / "PRAVEL60.INI", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  TempConfig config;
  ScriptedHost host;
};

bool splashShown() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<QSplashScreen*>(w) && w->isVisible()) return true;
  }
  return false;
}

TEST_F(StartTest, AFirstStartIsGermanMaximisedWithPlatine1) {
  auto window = startWindow();
  EXPECT_TRUE(fs::is_directory(config.settingsFolder()));
  EXPECT_TRUE(window->isMaximized());
  EXPECT_EQ(window->findChild<QAction*>("Neu1")->text(), "&Neu...");
  EXPECT_EQ(tabCaptions(*window), QStringList{"Platine 1 "});
  const BoardHeader& header = window->document().boards[0]->header;
  EXPECT_EQ(header.width, 1600000);
  EXPECT_EQ(header.height, 1000000);
  EXPECT_EQ(header.originY, -1000000);
  EXPECT_TRUE(splashShown());
  QTRY_VERIFY_WITH_TIMEOUT(!splashShown(), 2000);
}

TEST_F(StartTest, LanguageAndOriginAtTheTopComeFromTheFiles) {
  writeSettingsFile("SPRACHE.INI", "[Sprache]\r\nSprache=2\r\n");
  writeSettingsFile("PRAVEL60.INI", "[Optionen]\r\nNullpunktOben=1\r\n");
  auto window = startWindow();
  EXPECT_EQ(tabCaptions(*window), QStringList{"Carte 1 "});
  EXPECT_EQ(window->findChild<QAction*>("Neu1")->text(), "&Nouveau...");
  EXPECT_EQ(window->document().boards[0]->header.originY, 0);
}

TEST_F(StartTest, WindowGeometryIsWrittenAtCloseAndReadBack) {
  writeSettingsFile("PRAVEL60.INI",
                    "[Window]\r\nWindowMax=0\r\nWindowX=30\r\nWindowY=40\r\n"
                    "WindowW=700\r\nWindowH=500\r\n[Fremd]\r\nSchluessel=7\r\n");
  {
    auto window = startWindow();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), QSize(700, 500));
    window->resize(640, 480);
    EXPECT_TRUE(window->close());
  }
  const std::string text = settingsText();
  // Sections in the order of the shut-down; keys the program does not know survive.
  const std::vector<std::string> order = {"[Window]",    "[Optionen]",      "[Settings]",
                                          "[Ordner]",    "[RasterHotkeys]", "[DRC]",
                                          "[AutoRouter]"};
  std::size_t at = 0;
  for (const std::string& section : order) {
    const std::size_t found = text.find(section, at);
    ASSERT_NE(found, std::string::npos) << section;
    at = found;
  }
  EXPECT_NE(text.find("Schluessel=7"), std::string::npos);
  EXPECT_NE(text.find("WindowW=640\r\n"), std::string::npos);
  EXPECT_NE(text.find("WindowMax=0\r\n"), std::string::npos);

  auto again = startWindow();
  EXPECT_EQ(again->settings().window.WindowW, 640);
  EXPECT_EQ(again->size(), QSize(640, 480));
}

TEST_F(StartTest, AMaximisedWindowKeepsItsNormalSize) {
  writeSettingsFile("PRAVEL60.INI", "[Window]\r\nWindowW=700\r\n");
  auto window = startWindow();
  ASSERT_TRUE(window->close());
  const std::string text = settingsText();
  EXPECT_NE(text.find("WindowW=700\r\n"), std::string::npos);
  EXPECT_NE(text.find("WindowMax=1\r\n"), std::string::npos);
}

TEST_F(StartTest, CloseAsksToSaveAModifiedDocumentAndCancelKeepsTheWindowOpen) {
  auto window = startWindow();
  trigger(*window, "Platinekopieren1");
  host.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(window->close());
  EXPECT_FALSE(fs::exists(config.settingsFolder() / "PRAVEL60.INI"));
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Möchten Sie das aktuelle Layout speichern ?");
  EXPECT_EQ(window->document().boards.size(), 2u);

  EXPECT_TRUE(window->close());
  EXPECT_EQ(host.questions.size(), 2u);
  EXPECT_TRUE(fs::exists(config.settingsFolder() / "PRAVEL60.INI"));
}

TEST_F(StartTest, TheLanguageChoiceIsWrittenForTheNextStart) {
  auto window = startWindow();
  onNextDialog<TLanguageDlg>([](TLanguageDlg& dlg) {
    dlg.findChild<QListWidget*>("LB_Sprache")->setCurrentRow(1);
    dlg.findChild<QPushButton*>("B_OK")->click();
  });
  trigger(*window, "Sprache1");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Pravelo-Board");
  EXPECT_EQ(window->findChild<QAction*>("Neu1")->text(), "&Neu...");  // still German
  const SettingsStore languageFile(config.settingsFolder() / "SPRACHE.INI");
  EXPECT_EQ(languageFile.readInteger("Sprache", "Sprache", -1), 1);
}

}  // namespace
}  // namespace pravelo
