#include "settings/recent_files.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace pravelo {
namespace {

TEST(RecentFiles, AnEntryPassedByReferenceMovesToTheTop) {
  const std::vector<std::string> start{"pi", "old", "mytest", "example"};
  const std::vector<std::vector<std::string>> expected{{"pi", "old", "mytest", "example"},
                                                       {"old", "pi", "mytest", "example"},
                                                       {"mytest", "pi", "old", "example"},
                                                       {"example", "pi", "old", "mytest"}};
  for (std::size_t i = 0; i < start.size(); ++i) {
    std::vector<std::string> recent = start;
    addRecentFile(recent, recent[i]);
    EXPECT_EQ(recent, expected[i]) << "entry " << i;
  }
}

TEST(RecentFiles, MissingFilesAreDropped) {
  testing::TempFolder folder;
  testing::writeBytes(folder.file("here.pvb6"), "x");
  std::vector<std::string> recent{folder.file("gone.pvb6"), folder.file("here.pvb6")};
  dropMissingRecentFiles(recent);
  EXPECT_EQ(recent, std::vector<std::string>{folder.file("here.pvb6")});
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
  std::string umlauts = "/" + std::string(20, 'x') + "/";
  for (int i = 0; i < 20; ++i) umlauts += "\xC3\xA4";
  EXPECT_EQ(recentFileCaption(umlauts), ".../" + umlauts.substr(22));
}

}  // namespace
}  // namespace pravelo
