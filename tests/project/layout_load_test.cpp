#include "project/layout_load.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "project/boards.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::add;
using testing::sampleDocument;
using testing::TempFolder;

TEST(LayoutLoad, AFileNeedingNoRepairIsWrittenBackByteForByte) {
  const std::string bytes = writeLayout(sampleDocument());
  Document doc = defaultDocument();
  installLayout(doc, readLayout(bytes));
  EXPECT_EQ(writeLayout(doc), bytes);
  // Saving the loaded document twice gives the same bytes as well.
  Document again;
  installLayout(again, readLayout(writeLayout(doc)));
  EXPECT_EQ(writeLayout(again), bytes);
}

TEST(LayoutLoad, NormalModeReplacesTheDocumentAndRenumbersTheActiveBoard) {
  Document file = sampleDocument();
  for (auto& board : file.boards) {
    for (auto& o : board->objects) {
      if (!o->groups.empty()) o->groups = {40};
      o->componentId = o->componentId != 0 ? 17 : 0;
    }
  }
  file.activeBoard = 0;
  Document doc = defaultDocument();
  doc.modified = true;
  doc.project.title = "old";
  installLayout(doc, readLayout(writeLayout(file)));
  EXPECT_EQ(doc.boards.size(), 2u);
  EXPECT_EQ(doc.activeBoard, 0);
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(doc.project, file.project);
  EXPECT_EQ(doc.boards[0]->objects[0]->groups, std::vector<std::int32_t>{1});
  EXPECT_EQ(doc.boards[0]->objects[0]->componentId, 1);
}

TEST(LayoutLoad, LegacyFontTextsBecomeStrokeTexts) {
  Document file;
  file.boards.push_back(std::make_unique<Board>());
  for (const char* content : {"R12", "  "}) {
    TObjekt legacy = newObject();
    legacy.kind = kLegacyText;
    legacy.layer = kLayerS1;
    legacy.text = content;
    legacy.width = -20000;
    add(*file.boards[0], std::move(legacy));
  }
  const LayoutContents read = readLayout(writeLayout(file));
  ASSERT_EQ(read.boards[0]->objects.size(), 1u) << "a legacy text without content goes";
  const TObjekt& text = *read.boards[0]->objects[0];
  EXPECT_EQ(text.kind, kText);
  EXPECT_EQ(text.text, "R12");
  EXPECT_FALSE(text.children.empty());
}

TEST(LayoutLoad, StoredActiveBoardOutsideTheBoardsSelectsTheFirst) {
  for (int stored : {-1, 2, 1000}) {
    Document file = sampleDocument();
    file.activeBoard = stored;
    Document doc;
    installLayout(doc, readLayout(writeLayout(file)));
    EXPECT_EQ(doc.activeBoard, 0) << stored;
  }
}

TEST(LayoutLoad, ImportingTwoBoardsIntoThreeGivesFiveWithTheFifthActive) {
  Document doc;
  for (const char* name : {"A", "B", "C"}) addBoard(doc, name, 1000, 1000);
  activateBoard(doc, 1);
  doc.project.title = "mine";
  doc.modified = false;
  appendLayout(doc, readLayout(writeLayout(sampleDocument())));
  ASSERT_EQ(doc.boards.size(), 5u);
  EXPECT_EQ(doc.activeBoard, 4);
  EXPECT_EQ(doc.boards[3]->name, "Main");
  EXPECT_EQ(doc.project.title, "mine");
  EXPECT_TRUE(doc.modified);
}

class LoadLayoutFile : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(LoadLayoutFile, ReadsAGoodFile) {
  const std::string path = folder.file("good.pvb6");
  testing::writeBytes(path, writeLayout(sampleDocument()));
  const LoadedLayout loaded = loadLayoutFile(path, Language::English);
  EXPECT_EQ(loaded.failure, LoadFailure::None);
  EXPECT_EQ(loaded.message, "");
  EXPECT_EQ(loaded.contents.boards.size(), 2u);
}

TEST_F(LoadLayoutFile, ReportsWhyAFileCannotBeRead) {
  std::string damaged = writeLayout(sampleDocument());
  const std::int32_t huge = 0x7FFFFFFF;
  std::memcpy(damaged.data() + 538, &huge, 4);
  testing::writeBytes(folder.file("damaged.pvb6"), damaged);
  testing::writeBytes(folder.file("newer.pvb6"), std::string("\x09\x33\xAA\xFF", 4));
  testing::writeBytes(folder.file("old.pvb"), std::string("\x04\x33\xAA\xFF", 4));
  std::filesystem::create_directory(folder.file("folder.pvb6"));
  struct Case {
    const char* name;
    LoadFailure failure;
    const char* message;
  };
  // clang-format off
  const Case cases[] = {
    {"missing.pvb6", LoadFailure::NotFound, "File not found!"},
    {"folder.pvb6", LoadFailure::NotAFile, "\"folder.pvb6\" is not an ordinary file but a folder, a device or a pipe."},
    {"newer.pvb6", LoadFailure::Version, "\"newer.pvb6\" was created with a newer version of Pravelo-Board (Version 9).\nYour version of Pravelo-Board is not able to open this file."},
    {"old.pvb", LoadFailure::Damaged, "The file \"old.pvb\" could not be read.\nThe file is damaged: it ends too early (board count) at byte 4."},
    {"damaged.pvb6", LoadFailure::Damaged, "The file \"damaged.pvb6\" could not be read.\nThe file is damaged: the count exceeds the rest of the file (object count) at byte 538."},
  };
  // clang-format on
  for (const Case& c : cases) {
    const LoadedLayout loaded = loadLayoutFile(folder.file(c.name), Language::English);
    EXPECT_EQ(loaded.failure, c.failure) << c.name;
    EXPECT_EQ(loaded.message, c.message);
    EXPECT_TRUE(loaded.contents.boards.empty());
  }
}

TEST_F(LoadLayoutFile, RefusesDevicesAndPipesWithoutReadingOrWaiting) {
  ASSERT_EQ(::mkfifo(folder.file("pipe.pvb6").c_str(), 0600), 0);
  struct Case {
    std::string path;
    Language language;
    const char* message;
  };
  // clang-format off
  const Case cases[] = {
    {"/dev/zero", Language::English, "\"zero\" is not an ordinary file but a folder, a device or a pipe."},
    {folder.file("pipe.pvb6"), Language::German, "\"pipe.pvb6\" ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe."},
    {folder.file("pipe.pvb6"), Language::French, "\"pipe.pvb6\" n'est pas un fichier ordinaire mais un dossier, un périphérique ou un tube."},
  };
  // clang-format on
  for (const Case& c : cases) {
    const LoadedLayout loaded = loadLayoutFile(c.path, c.language);
    EXPECT_EQ(loaded.failure, LoadFailure::NotAFile) << c.path;
    EXPECT_EQ(loaded.message, c.message);
  }
}

}  // namespace
}  // namespace pravelo
