#include "app/startup.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "project/boards.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;

// Each test starts the program with its own, initially empty, configuration folder.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    config_ =
        fs::path(::testing::TempDir()) /
        ("startup_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(config_);
    ::setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("XDG_CONFIG_HOME");
    setLanguage(Language::German);
  }
  void writeSettingsFile(const char* name, const std::string& text) {
    fs::create_directories(config_ / "Pravel60");
    std::ofstream(config_ / "Pravel60" / name, std::ios::binary) << text;
  }

  fs::path config_;
};

TEST_F(StartupTest, AFirstStartIsGermanMaximisedWithTheDefaultBoard) {
  AppStart start = startApplication("/home/u/Documents");
  EXPECT_TRUE(fs::is_directory(config_ / "Pravel60"));
  EXPECT_EQ(start.language, Language::German);
  EXPECT_EQ(currentLanguage(), Language::German);
  EXPECT_TRUE(start.settings.window.WindowMax);
  EXPECT_EQ(start.settings.ordner.Layout_Last, "/home/u/Documents");
  const Document doc = defaultDocument(start.settings.optionen.NullpunktOben);
  ASSERT_EQ(doc.boards.size(), 1u);
  const Board& board = *doc.boards[0];
  EXPECT_EQ(board.name, "Platine 1");
  EXPECT_EQ(board.header.width, 1600000);
  EXPECT_EQ(board.header.height, 1000000);
  EXPECT_EQ(board.header.originX, 0);
  EXPECT_EQ(board.header.originY, -1000000);

  writeShutdownSettings(start.store, start.settings, false);
  EXPECT_TRUE(fs::exists(config_ / "Pravel60" / "PRAVEL60.INI"));
}

TEST_F(StartupTest, LanguageFileAndSettingsFileAreRead) {
  writeSettingsFile("SPRACHE.INI", "[Sprache]\r\nSprache=1\r\n");
  writeSettingsFile("PRAVEL60.INI", "[Optionen]\r\nNullpunktOben=1\r\n");
  const AppStart start = startApplication({});
  EXPECT_EQ(start.language, Language::English);
  EXPECT_EQ(start.settings.optionen.Hotkeys, "ZTPSRQFNLCAXMVO");
  const Document doc = defaultDocument(start.settings.optionen.NullpunktOben);
  EXPECT_EQ(doc.boards[0]->name, "Board 1");
  // The origin at the board's top left corner.
  EXPECT_EQ(doc.boards[0]->header.originX, 0);
  EXPECT_EQ(doc.boards[0]->header.originY, 0);
}

}  // namespace
}  // namespace pravelo
