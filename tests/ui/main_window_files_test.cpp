#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <deque>
#include <fstream>

#include "app/command_line.h"
#include "project/boards.h"
#include "project/save_commands.h"
#include "support/old_file_bytes.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedHost;
using testing::tabCaptions;
using testing::TempConfig;
using testing::trigger;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder()); }

  fs::path folder() const { return config.root() / "Layouts"; }

  // A layout file holding one board per name.
  std::string writeLayout(const std::string& fileName, std::vector<std::string> boardNames) {
    Document doc;
    for (const std::string& name : boardNames) addBoard(doc, name, 1000000, 800000);
    const std::string path = (folder() / fileName).string();
    EXPECT_TRUE(writeDocumentFile(doc, path));
    return path;
  }

  std::unique_ptr<MainWindow> startWindow(const std::string& commandLine = "") {
    auto window = std::make_unique<MainWindow>(config.start(), &host);
    window->setFileChoosers({[this](const std::string&) { return nextOpen(); },
                             [this](const std::string&, const std::string&) { return nextSave(); },
                             [this](const std::string& folder) {
                               textFolders.push_back(folder);
                               return take(openTextChoices);
                             },
                             [this](const std::string& folder, const std::string&) {
                               textFolders.push_back(folder);
                               return take(saveTextChoices);
                             }});
    window->start(commandLine);
    return window;
  }
  std::optional<std::string> nextOpen() { return take(openChoices); }
  std::optional<std::string> nextSave() { return take(saveChoices); }
  static std::optional<std::string> take(std::deque<std::string>& choices) {
    if (choices.empty()) return std::nullopt;
    std::string choice = choices.front();
    choices.pop_front();
    return choice;
  }

  TempConfig config;
  ScriptedHost host;
  std::deque<std::string> openChoices;
  std::deque<std::string> saveChoices;
  std::deque<std::string> openTextChoices;
  std::deque<std::string> saveTextChoices;
  std::vector<std::string> textFolders;  // where the Text-IO choosers started
};

QStringList recentCaptions(MainWindow& window) {
  auto* menu = window.findChild<QMenu*>("Datei1");
  emit menu->aboutToShow();
  QStringList captions;
  for (QAction* a : menu->actions()) {
    if (a->objectName().startsWith("MRUList")) captions << a->text();
  }
  return captions;
}

TEST_F(FilesTest, AFileArgumentWithABlankIsJoinedAndOpened) {
  const std::string path = writeLayout("my board.pvb6", {"Oben", "Unten"});
  const std::string first = (folder() / "my").string();
  const char* argv[] = {"pravelo-board", first.c_str(), "board.pvb6"};
  auto window = startWindow(joinArguments(3, argv));
  EXPECT_EQ(tabCaptions(*window), (QStringList{"Oben ", "Unten "}));
  EXPECT_EQ(window->windowTitle(), QString::fromStdString("Pravelo-Board 6.0 - [" + path + "]"));
  EXPECT_EQ(window->settings().recentFiles, std::vector<std::string>{path});
  EXPECT_FALSE(window->document().modified);
}

TEST_F(FilesTest, AMissingOrForeignFileArgumentIsIgnoredSilently) {
  std::ofstream(folder() / "notes.txt") << "no layout";
  for (const fs::path& argument : {folder() / "gone.pvb6", folder() / "notes.txt"}) {
    auto window = startWindow(argument.string());
    EXPECT_EQ(tabCaptions(*window), QStringList{"Platine 1 "});
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FilesTest, AnOldFileOpensWithTheCopperNoteFittedIntoTheView) {
  const testing::OldSection section{
      {{.image = {.kind = 5, .x1 = 100, .y1 = -100, .x2 = 50, .layer = 1}}}};
  const std::string path = (folder() / "alt.pvb").string();
  testing::writeBytes(path, testing::earlyLayoutBytes(2, 5000, 3000, section));
  auto window = startWindow();
  openChoices.push_back(path);
  trigger(*window, "ffnen1");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
  EXPECT_NE(host.messages[0].text.find("Kupferlayer K1 und K2"), std::string::npos);
  const Board& board = activeBoard(window->document());
  EXPECT_EQ(board.objects.at(0)->layer, kLayerC2);
  // The file stored no view: the board was fitted, so fitting it again changes nothing.
  const double opened = board.header.zoom;
  EXPECT_NE(opened, newBoardHeader(500000, 300000).zoom);
  trigger(*window, "Zoomalles1");
  EXPECT_EQ(activeBoard(window->document()).header.zoom, opened);
  EXPECT_EQ(window->windowTitle(), QString::fromStdString("Pravelo-Board 6.0 - [" + path + "]"));
}

TEST_F(FilesTest, RecentFilesSurviveARestartAndAFifthPushesOutTheOldest) {
  std::vector<std::string> files;
  for (int i = 1; i <= 5; ++i) {
    files.push_back(writeLayout("board" + std::to_string(i) + ".pvb6", {"B"}));
  }
  {
    auto window = startWindow();
    for (int i = 0; i < 4; ++i) {
      openChoices.push_back(files[i]);
      trigger(*window, "ffnen1");
    }
    EXPECT_EQ(recentCaptions(*window).size(), 4);
    ASSERT_TRUE(window->close());
  }
  {
    auto window = startWindow();
    const std::vector<std::string> expected = {files[3], files[2], files[1], files[0]};
    EXPECT_EQ(window->settings().recentFiles, expected);
    openChoices.push_back(files[4]);
    trigger(*window, "TB_Open");
    const std::vector<std::string> pushed = {files[4], files[3], files[2], files[1]};
    EXPECT_EQ(window->settings().recentFiles, pushed);
    ASSERT_TRUE(window->close());
  }
  auto window = startWindow();
  fs::remove(files[2]);
  const QStringList captions = recentCaptions(*window);
  ASSERT_EQ(captions.size(), 3);  // the file that is gone is dropped
  for (const QString& caption : captions) EXPECT_LE(caption.size(), 35);
  EXPECT_TRUE(captions[0].endsWith("board5.pvb6"));
  window->findChild<QAction*>("MRUList2")->trigger();
  EXPECT_EQ(window->document().fileName, files[1]);
}

TEST_F(FilesTest, OpeningARecentEntryMovesOnlyThatEntryToTheTop) {
  std::vector<std::string> files;
  for (const char* name : {"pi", "old", "mytest", "example"}) {
    files.push_back(writeLayout(std::string(name) + ".pvb6", {"B"}));
  }
  fs::create_directories(config.settingsFolder());
  {
    std::ofstream ini(config.settingsFolder() / "PRAVEL60.INI");
    ini << "[MRU]\r\n";
    for (std::size_t i = 0; i < files.size(); ++i) ini << "MRU" << i << "=" << files[i] << "\r\n";
  }
  auto window = startWindow();
  ASSERT_EQ(window->settings().recentFiles, files);
  std::vector<std::string> expected = files;
  for (int entry : {1, 3, 3, 0, 2}) {
    recentCaptions(*window);
    window->findChild<QAction*>(QString("MRUList%1").arg(entry))->trigger();
    const std::string opened = expected[entry];
    EXPECT_EQ(window->document().fileName, opened);
    expected.erase(expected.begin() + entry);
    expected.insert(expected.begin(), opened);
    EXPECT_EQ(window->settings().recentFiles, expected) << "after entry " << entry;
  }
  ASSERT_TRUE(window->close());
  EXPECT_EQ(config.start().settings.recentFiles, expected);
}

TEST_F(FilesTest, SaveQuestionOnCloseAnsweredYesSavesUnderTheChosenName) {
  auto window = startWindow();
  trigger(*window, "Platinekopieren1");
  host.answers = {Answer::Yes};
  const std::string target = (folder() / "saved.pvb6").string();
  saveChoices.push_back(target);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(fs::exists(target));
  const AppStart again = config.start();
  EXPECT_EQ(again.settings.recentFiles, std::vector<std::string>{target});
  EXPECT_EQ(again.settings.ordner.Layout_Last, folder().string());
}

TEST_F(FilesTest, ASaveThatDoesNotCompleteKeepsTheWindowOpen) {
  auto window = startWindow();
  trigger(*window, "Platinekopieren1");
  host.answers = {Answer::Yes};  // and the save dialog is cancelled
  EXPECT_FALSE(window->close());
  EXPECT_EQ(window->document().boards.size(), 2u);
}

TEST_F(FilesTest, SaveAsNamesTheWindowAndImportAppendsBoards) {
  auto window = startWindow();
  saveChoices.push_back((folder() / "erste.pvb6").string());
  trigger(*window, "Speichernals1");
  EXPECT_TRUE(window->windowTitle().endsWith("erste.pvb6]"));
  openChoices.push_back(writeLayout("zwei.pvb6", {"X", "Y"}));
  trigger(*window, "Platinennachladen1");
  EXPECT_EQ(tabCaptions(*window), (QStringList{"Platine 1 ", "X ", "Y "}));
  EXPECT_EQ(window->document().activeBoard, 2);
  EXPECT_TRUE(window->document().modified);
  EXPECT_TRUE(window->windowTitle().endsWith("erste.pvb6]"));
}

TEST_F(FilesTest, TextIoExportWritesTheBoardAndIsOnlyEnabledWithObjects) {
  auto window = startWindow();
  EXPECT_FALSE(window->findChild<QAction*>("Export_TextIO")->isEnabled());

  Document doc;
  addBoard(doc, "A", 1000000, 800000);
  TObjekt track = newObject();
  initTrack(track, 2500, kLayerC2);
  track.clearance = 4000;
  track.points = {{0, 0}, {10000, -20000}};
  activeBoard(doc).objects.push_back(std::make_unique<TObjekt>(std::move(track)));
  const std::string layout = (folder() / "spur.pvb6").string();
  ASSERT_TRUE(writeDocumentFile(doc, layout));
  window = startWindow(layout);
  const fs::path exports = config.root() / "Export";
  fs::create_directories(exports);
  saveTextChoices.push_back((exports / "spur.txt").string());
  trigger(*window, "Export_TextIO");
  EXPECT_EQ(testing::fileBytes((exports / "spur.txt").string()),
            "TRACK,LAYER=3,WIDTH=2500,P0=0/0,P1=10000/20000;\r\n");
  // The next export starts where the last one was written.
  trigger(*window, "Export_TextIO");
  ASSERT_EQ(textFolders.size(), 2u);
  EXPECT_EQ(textFolders[1], exports.string());
}

TEST_F(FilesTest, TextIoImportFillsTheClipboardOnlyWhenTheFileHoldsObjects) {
  auto window = startWindow();
  const std::string records = (folder() / "teile.txt").string();
  testing::writeBytes(records, "TRACK,P0=0/0,P1=1000/0;PAD,SIZE=16000,DRILL=8000;");
  openTextChoices.push_back(records);
  trigger(*window, "Import_TextIO");
  ASSERT_EQ(window->document().clipboard.size(), 2u);
  EXPECT_EQ(window->document().clipboard[0]->layer,
            activeBoard(window->document()).header.activeLayer);
  EXPECT_TRUE(host.messages.empty());

  testing::writeBytes(records, "TRACK,LAYER=0,P0=0/0,P1=1000/0;");
  openTextChoices.push_back(records);
  trigger(*window, "Import_TextIO");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(window->document().clipboard.size(), 2u);
  EXPECT_EQ(textFolders.back(), folder().string());
}

TEST_F(FilesTest, BackupSavingWritesNextToTheFileAndRestoresTheHelpLine) {
  const std::string path = writeLayout("sicher.pvb6", {"A"});
  auto window = startWindow(path);
  auto* helpLine = window->findChild<QLabel*>("L_Hilfetext");
  helpLine->setText("vorher");
  window->AutoSaveTimerTimer();
  EXPECT_TRUE(fs::exists(path + ".bak"));
  EXPECT_EQ(helpLine->text(), "vorher");
  EXPECT_EQ(window->document().fileName, path);
}

TEST_F(FilesTest, NoBackupWhileNewHasDiscardedTheBoards) {
  const std::string path = writeLayout("alt.pvb6", {"A"});
  auto window = startWindow(path);
  MainWindow* w = window.get();
  testing::onNextDialog<QDialog>([w](QDialog& dlg) {
    w->AutoSaveTimerTimer();
    dlg.reject();
  });
  trigger(*window, "Neu1");
  EXPECT_FALSE(fs::exists(path + ".bak"));
}

TEST_F(FilesTest, TheBackupTimerRunsWhenTheSettingsSaySo) {
  fs::create_directories(config.settingsFolder());
  std::ofstream(config.settingsFolder() / "PRAVEL60.INI")
      << "[Optionen]\r\nAutoSave=1\r\nAutoSaveTime=60000\r\n";
  auto window = startWindow();
  auto* timer = window->findChild<QTimer*>("AutoSaveTimer");
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 60000);
}

}  // namespace
}  // namespace pravelo
