#include "cli/drill_command.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "base/file_io.h"
#include "cli/cli.h"
#include "manufacturing/excellon_file.h"
#include "project/save_commands.h"
#include "support/cli_run.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

Document drillDocument() {
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(1000000, 800000);
  for (FPoint p : {FPoint{100000, -700000}, FPoint{123450, -790000}, FPoint{500000, -400000}}) {
    TObjekt pad = newObject();
    initPad(pad, p, kLayerC1, kPadCircular, p.x == 100000 ? 5000 : 4000, 9000);
    testing::add(*board, pad);
  }
  TObjekt silk = newObject();
  initPad(silk, {900000, -100000}, kLayerS1, kPadCircular, 4000, 9000);
  testing::add(*board, silk);
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  return doc;
}

testing::CliRun drill(const std::vector<std::string>& args) {
  return testing::runCliCommand("drill", args);
}

class DrillCommand : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(writeDocumentFile(doc, board)); }

  testing::TempFolder folder;
  Document doc = drillDocument();
  std::string board = folder.file("board.pvb6");
  std::string output = folder.file("out.drl");
};

// The same core function as the dialog: the command writes exactly its bytes.
TEST_F(DrillCommand, WritesWhatTheDialogWritesWithTheSameOptions) {
  struct Case {
    std::vector<std::string> args;
    ExcellonOptions options;
  };
  ExcellonOptions dialogDefault = excellonOptions(ExcellonSettings{});
  dialogDefault.noComments = true;
  ExcellonOptions metric = dialogDefault;
  metric.format = ExcellonFormat::Mm32;
  metric.deleteLeadingZeros = true;
  metric.m71 = metric.noG90 = true;
  metric.side = DrillSide::BottomGerber;
  metric.selection.vias = false;
  ExcellonOptions decimal = dialogDefault;
  decimal.format = ExcellonFormat::Mm33;
  decimal.decimalPoint = true;
  decimal.camOrigin = false;
  decimal.selection.sorted = false;
  const std::vector<Case> cases = {
      {{"--no-comments"}, dialogDefault},
      {{"--no-comments", "--unit", "mm", "--digits", "3:2", "--zeros", "tz", "--m71", "--no-g90",
        "--side", "bottom-gerber", "--no-vias"},
       metric},
      {{"--no-comments", "--unit", "mm", "--zeros", "decimal", "--no-origin", "--unsorted"},
       decimal},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{board, "-o", output};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const testing::CliRun r = drill(args);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(testing::fileBytes(output), drillFileText(*doc.boards[0], c.options, ""));
  }
}

TEST_F(DrillCommand, HeaderCarriesTheDateAndTheBoardFileStaysAsItWas) {
  const std::string before = readWholeFile(board).value();
  const testing::CliRun r = drill({board, "-o", output, "--unit", "mm"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.err,
            "There are 1 drillings on the silkscreen layer.\nThese drillings will be ignored.\n");
  const std::string file = testing::fileBytes(output);
  EXPECT_EQ(file.rfind("M48\r\n;DRILL file {Pravelo-Board 6.0} date 20", 0), 0u) << file;
  EXPECT_NE(file.find(";FILE_FORMAT=3:3\r\nMETRIC,LZ\r\n"), std::string::npos);
  EXPECT_EQ(readWholeFile(board).value(), before);
}

TEST_F(DrillCommand, ListsTheDrillsInTheChosenLanguageAndUnit) {
  testing::CliRun r = drill({board, "--list", "--lang", "fr"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out, "   2 x     0.80 mm\n   1 x     1.00 mm\n----------------\n   3 perçages\n");
  r = drill({board, "--list", "--unit", "inch", "--no-vias"});
  EXPECT_EQ(r.out, "   2 x       31 mil\n   1 x       39 mil\n----------------\n   3 drillings\n");
}

TEST_F(DrillCommand, RefusesDigitsThatDoNotFitTheUnitAndAMissingOutput) {
  EXPECT_EQ(drill({board, "-o", output, "--unit", "inch", "--digits", "3:3"}).status, kExitUsage);
  EXPECT_EQ(drill({board, "-o", output, "--unit", "mm", "--digits", "2:4"}).status, kExitUsage);
  EXPECT_EQ(drill({board, "-o", output, "--zeros", "none"}).status, kExitUsage);
  EXPECT_EQ(drill({board}).status, kExitUsage);
  EXPECT_EQ(drill({board, "-o", output, "--board", "3"}).status, kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(DrillCommandRange, HolesBeyondThePaddedDigitsWriteNothing) {
  testing::TempFolder folder;
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(13000000, 1000000);
  TObjekt pad = newObject();
  initPad(pad, {12000000, -500000}, kLayerC1, kPadCircular, 4000, 9000);
  testing::add(*board, pad);
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  const std::string file = folder.file("wide.pvb6");
  const std::string output = folder.file("wide.drl");
  ASSERT_TRUE(writeDocumentFile(doc, file));
  const testing::CliRun r = drill({file, "-o", output, "--unit", "mm"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_NE(r.err.find("--zeros tz"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_EQ(drill({file, "-o", output, "--unit", "mm", "--zeros", "tz"}).status, kExitOk);
}

}  // namespace
}  // namespace pravelo
