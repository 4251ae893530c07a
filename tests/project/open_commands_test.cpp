#include "project/open_commands.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "document/layout_file.h"
#include "project/boards.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;

class OpenCommands : public ::testing::Test {
 protected:
  // Other tests expect the program's start language.
  void TearDown() override { setLanguage(Language::German); }
  void SetUp() override {
    setLanguage(Language::English);
    testing::writeBytes(good, writeLayout(testing::sampleDocument()));
    testing::writeBytes(damaged, writeLayout(testing::sampleDocument()).substr(0, 700));
    // A modified document with work in it: discarding it asks first.
    testing::add(activeBoard(doc), testing::strokeTrack(0, 0, 1, 1, kLayerC1));
    doc.modified = true;
    doc.fileName = "/old.pvb6";
    recent = {"/a.pvb6"};
  }

  OpenOutcome open(const std::string& path, OpenedFrom from = OpenedFrom::Dialog) {
    return openLayoutFile(doc, host, recent, path, from, [&] {
      ++saves;
      return saveSucceeds;
    });
  }

  testing::TempFolder folder;
  const std::string good = folder.file("good.pvb6");
  const std::string damaged = folder.file("damaged.pvb6");
  Document doc = defaultDocument();
  ScriptedHost host;
  std::vector<std::string> recent;
  int saves = 0;
  bool saveSucceeds = true;
};

TEST_F(OpenCommands, OpensAfterTheSaveQuestion) {
  host.answers = {Answer::No};
  ASSERT_TRUE(open(good));
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Save changes?");
  EXPECT_EQ(saves, 0);
  EXPECT_EQ(doc.boards.size(), 2u);
  EXPECT_EQ(doc.activeBoard, 1);
  EXPECT_EQ(doc.fileName, good);
  EXPECT_EQ(doc.lastFolder, folder.path().string());
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(recent, (std::vector<std::string>{good, "/a.pvb6"}));
}

TEST_F(OpenCommands, SavesFirstWhenAskedAndStopsWhenThatSaveFails) {
  host.answers = {Answer::Yes};
  saveSucceeds = false;
  EXPECT_FALSE(open(good));
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(doc.fileName, "/old.pvb6");
  EXPECT_EQ(doc.boards.size(), 1u);

  host.answers = {Answer::Yes};
  saveSucceeds = true;
  EXPECT_TRUE(open(good));
  EXPECT_EQ(saves, 2);
}

TEST_F(OpenCommands, CancelKeepsTheDocument) {
  host.answers = {Answer::Cancel};
  EXPECT_FALSE(open(good));
  EXPECT_EQ(doc.fileName, "/old.pvb6");
  EXPECT_EQ(activeBoard(doc).objects.size(), 1u);
  EXPECT_EQ(recent, std::vector<std::string>{"/a.pvb6"});
}

TEST_F(OpenCommands, AFileThatCannotBeReadIsReportedBeforeAnythingIsAsked) {
  struct Case {
    std::string path;
    OpenedFrom from;
    std::string message;
  };
  const Case cases[] = {
      {folder.file("gone.pvb6"), OpenedFrom::Dialog, "File not found!"},
      {folder.file("gone.pvb6"), OpenedFrom::RecentList, "File not found"},
      {damaged, OpenedFrom::Dialog,
       "The file \"damaged.pvb6\" could not be read.\nThe file is damaged: the count exceeds "
       "the rest of the file (board count) at byte 4."},
  };
  for (const Case& c : cases) {
    host.messages.clear();
    EXPECT_FALSE(open(c.path, c.from));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].title, "Open");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
  }
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(doc.fileName, "/old.pvb6");
  EXPECT_EQ(activeBoard(doc).objects.size(), 1u);
  EXPECT_TRUE(doc.modified);
}

TEST_F(OpenCommands, ImportAppendsBoardsAndKeepsNameAndRecentFiles) {
  EXPECT_TRUE(importBoardsFromFile(doc, host, good));
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(doc.boards.size(), 3u);
  EXPECT_EQ(doc.activeBoard, 2);
  EXPECT_EQ(doc.fileName, "/old.pvb6");
  EXPECT_EQ(recent, std::vector<std::string>{"/a.pvb6"});
  EXPECT_TRUE(doc.modified);
}

TEST_F(OpenCommands, AFailedImportAddsNoBoard) {
  EXPECT_FALSE(importBoardsFromFile(doc, host, damaged));
  EXPECT_EQ(doc.boards.size(), 1u);
  EXPECT_EQ(doc.activeBoard, 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Open");
}

}  // namespace
}  // namespace pravelo
