#include "manufacturing/gerber_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/text.h"
#include "document/layout_file.h"
#include "support/gerber_boards.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

int outputIndex(const std::string& name) {
  for (std::size_t i = 0; i < kGerberOutputs.size(); ++i) {
    if (name == kGerberOutputs[i].name) return static_cast<int>(i);
  }
  return -1;
}

class GerberExport : public ::testing::Test {
 protected:
  void SetUp() override { setLanguage(Language::English); }

  GerberJob job(const std::vector<std::string>& outputs) const {
    GerberJob j;
    j.folder = folder.path().string();
    j.prefix = "board";
    for (const std::string& n : outputs) j.outputs.push_back(outputIndex(n));
    return j;
  }
  int files() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder.path()),
                                          std::filesystem::directory_iterator()));
  }

  testing::TempFolder folder;
  testing::ScriptedHost host;
  std::vector<std::string> log;
  GerberSettings names;
};

TEST_F(GerberExport, WritesEachChosenFileAndLogsIt) {
  const testing::GerberBoard b = testing::everyKindBoard();
  EXPECT_EQ(exportGerber(b.board, names, job({"S1", "C1", "O"}), host, log), 3);
  EXPECT_EQ(files(), 3);
  ASSERT_EQ(log.size(), 7u);
  EXPECT_EQ(log[0], "");
  EXPECT_EQ(log[2], std::string(48, '-'));
  // In the order of the table, whatever the order asked for.
  EXPECT_EQ(log[3], "-> " + folder.file("board_copper_top.gbr"));
  EXPECT_EQ(log[4], "-> " + folder.file("board_silkscreen_top.gbr"));
  EXPECT_EQ(log[5], "-> " + folder.file("board_outline.gbr"));
  EXPECT_EQ(log[6], "3 files created.");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(GerberExport, AMissingFolderWritesNothing) {
  const testing::GerberBoard b = testing::everyKindBoard();
  GerberJob j = job({"C1"});
  j.folder = folder.file("not-there");
  EXPECT_EQ(exportGerber(b.board, names, j, host, log), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The directory:\n\"" + j.folder +
                                       "\"\ndoes not exist.\n\nPlease select a new output folder.");
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(std::filesystem::exists(j.folder));
}

TEST_F(GerberExport, DecliningTheOverwriteQuestionKeepsThatFile) {
  const testing::GerberBoard b = testing::everyKindBoard();
  testing::writeBytes(folder.file("board_copper_top.gbr"), "old");
  host.answers = {Answer::Cancel};
  EXPECT_EQ(exportGerber(b.board, names, job({"C1", "S1"}), host, log), 1);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "The file\n\"" + folder.file("board_copper_top.gbr") +
                                        "\"\nalready exists.\n\nOverwrite?");
  EXPECT_EQ(testing::fileBytes(folder.file("board_copper_top.gbr")), "old");
  EXPECT_EQ(log.back(), "1 files created.");
  host.answers = {Answer::Ok};
  EXPECT_EQ(exportGerber(b.board, names, job({"C1"}), host, log), 1);
  EXPECT_NE(testing::fileBytes(folder.file("board_copper_top.gbr")), "old");
}

// One coordinate beyond ±999.9999 mm stops the whole export before anything is written, also
// the files that would fit.
TEST_F(GerberExport, ABoardBeyondTheNumberFormatWritesNoFile) {
  testing::GerberBoard b(12000000, 200000);
  b.track({{10000, -10000}, {50000, -10000}}, 1000, 0, kLayerS1);
  b.track({{10000, -10000}, {10500000, -10000}}, 1000);
  GerberJob j = job({"S1", "C1"});
  j.options.camOrigin = false;
  EXPECT_EQ(exportGerber(b.board, names, j, host, log), 0);
  EXPECT_EQ(files(), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "The board does not fit the Gerber number format 3.4: the coordinate 1050.000 mm in "
            "COPPER_TOP is not within ±999.9999 mm. No file has been written.");
  EXPECT_TRUE(log.empty());
}

// The origin, the mirror and the board height are applied while writing: the board itself is
// never moved, so that saving it after an export gives the same bytes.
TEST_F(GerberExport, TheBoardStaysByteIdentical) {
  Document doc;
  testing::GerberBoard b = testing::everyKindBoard();
  b.board.header.originX = 12345;
  b.board.header.originY = -54321;
  // Coordinates with fractions would not survive a move there and back in floats.
  b.track({{123456.789f, -50000.3f}, {201234.567f, -60000.7f}}, 1000);
  doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
  doc.activeBoard = 0;
  const std::string before = writeLayout(doc);
  GerberJob j = job({"C1", "S1", "O", "LS1", "SMD1"});
  j.options.mirror = true;
  j.options.camOrigin = true;
  j.options.frame = true;
  exportGerber(*doc.boards[0], names, j, host, log);
  EXPECT_EQ(writeLayout(doc), before);
}

TEST_F(GerberExport, NamesComeFromTheSettings) {
  const testing::GerberBoard b = testing::everyKindBoard();
  names.K1 = ".GTL";
  EXPECT_EQ(exportGerber(b.board, names, job({"C1"}), host, log), 1);
  EXPECT_TRUE(std::filesystem::exists(folder.file("board.GTL")));
}

}  // namespace
}  // namespace pravelo
