#include "document/recent_files.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace pravelo {
namespace {

TEST(RecentFiles, NewestFirstWithoutDuplicatesAtMostFour) {
  RecentFiles recent;
  for (const char* path : {"/1", "/2", "/3", "/4", "/5"}) addRecentFile(recent, path);
  EXPECT_EQ(recent.entries, (std::vector<std::string>{"/5", "/4", "/3", "/2"}));
  addRecentFile(recent, "/3");
  EXPECT_EQ(recent.entries, (std::vector<std::string>{"/3", "/5", "/4", "/2"}));
}

TEST(RecentFiles, MissingFilesAreDropped) {
  testing::TempFolder folder;
  testing::writeBytes(folder.file("here.pvb6"), "x");
  RecentFiles recent{{folder.file("gone.pvb6"), folder.file("here.pvb6")}};
  dropMissingRecentFiles(recent);
  EXPECT_EQ(recent.entries, std::vector<std::string>{folder.file("here.pvb6")});
}

TEST(RecentFiles, CaptionKeepsTheFileNameAndAsManyFoldersAsFit) {
  EXPECT_EQ(recentFileCaption("/home/ann/board.pvb6"), "/home/ann/board.pvb6");
  EXPECT_EQ(recentFileCaption("/home/ann/projects/pcb/amplifier/board.pvb6"),
            ".../pcb/amplifier/board.pvb6");
  const std::string longName = "/home/" + std::string(40, 'b') + ".pvb6";
  const std::string caption = recentFileCaption(longName);
  EXPECT_EQ(caption.size(), 35u);
  EXPECT_EQ(caption, "..." + longName.substr(longName.size() - 32));
  // Characters, not bytes: "ä" is two bytes of UTF-8.
  const std::string umlauts = "/" + std::string(20, 'x') + "/" + [] {
    std::string s;
    for (int i = 0; i < 20; ++i) s += "\xC3\xA4";
    return s;
  }();
  EXPECT_EQ(recentFileCaption(umlauts), ".../" + umlauts.substr(22));
}

}  // namespace
}  // namespace pravelo
