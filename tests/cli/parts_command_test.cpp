#include "cli/parts_command.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli.h"
#include "manufacturing/pick_place_file.h"
#include "project/save_commands.h"
#include "support/cli_run.h"
#include "support/component_board.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

// Everything after the first line, which holds the date.
std::string withoutDateLine(const std::string& text) { return text.substr(text.find("\r\n")); }

class PartsCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ComponentBoard b;
    testing::ComponentBoard::usePickPlace(b.part(1, "C10", "100n"), 270, "0603");
    testing::ComponentBoard::usePickPlace(b.part(2, "C2", "1u", {300000, -500000}), 0, "0805");
    b.pad(3, {600000, -600000}, kLayerC2);
    b.label(3, kComponentIdText, "J1");
    b.board.header.originX = 50000;
    doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
  }
  std::string expected(const PickPlaceOptions& options) const {
    const Board& board = *doc.boards[0];
    return withoutDateLine(pickPlaceFileText(pickPlaceRows(board), board.header, options, "", ""));
  }

  testing::TempFolder folder;
  Document doc;
  std::string layout = folder.file("board.pvb6");
  std::string output = folder.file("parts.txt");
};

TEST_F(PartsCommand, WritesWhatTheDialogWritesWithTheSameOptions) {
  struct Case {
    std::vector<std::string> args;
    PickPlaceOptions options;
  };
  PickPlaceOptions topSmdInMil;
  topSmdInMil.mil = true;
  topSmdInMil.stripZeros = true;
  topSmdInMil.bottom = false;
  PickPlaceOptions everything;
  everything.columns = {8, 7, 6, 5, 4, 3, 2, 1};
  everything.separator = ';';
  everything.decimals = 0;
  everything.throughHole = true;
  everything.rotationPrefix = true;
  everything.topText = "oben";
  everything.bottomText = "unten";
  everything.camOrigin = false;
  PickPlaceOptions onlyWithData;
  onlyWithData.columns = {2, 5};
  onlyWithData.separator = ',';
  onlyWithData.throughHole = true;
  onlyWithData.pickPlaceOnly = true;
  const Case cases[] = {
      {{}, PickPlaceOptions{}},
      {{"--unit", "mil", "--strip-zeros", "--bottom", "off"}, topSmdInMil},
      {{"--columns", "comment,package,rotation,position,layer,value,id,number", "--separator",
        "semicolon", "--decimals", "0", "--tht", "on", "--r-prefix", "--top-text", "oben",
        "--bottom-text", "unten", "--cam-origin", "off"},
       everything},
      {{"--columns", "2,5", "--separator", "comma", "--tht", "on", "--pnp-only"}, onlyWithData},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{layout, "-o", output};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const testing::CliRun run = testing::runCliCommand("parts", args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::string written = testing::fileBytes(output);
    EXPECT_TRUE(written.starts_with("* Partlist from file: \"" + layout + "\" / "));
    EXPECT_EQ(withoutDateLine(written), expected(c.options)) << c.args.size();
  }
}

TEST_F(PartsCommand, TopSideSmdPartsInMilGoToStandardOutput) {
  const testing::CliRun run = testing::runCliCommand(
      "parts", {layout, "--unit", "mil", "--columns", "id,position,rotation", "--decimals", "1"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(
      run.out.ends_with("* Name\tPos-X\tPos-Y\tRot\r\n*\r\n"
                        "C2\t1181.1\t1181.1\t0\r\n"
                        "C10\t393.7\t2755.9\t270\r\n"))
      << run.out;
}

TEST_F(PartsCommand, BadRequestsWriteNothing) {
  const std::vector<std::string> bad[] = {
      {layout, "-o", output, "--columns", "id,size"},
      {layout, "-o", output, "--board", "4"},
      {layout, "-o", output, "--decimals", "5"},
      {layout, "-o", output, "--separator", "pipe"},
  };
  for (const auto& args : bad) {
    const testing::CliRun run = testing::runCliCommand("parts", args);
    EXPECT_EQ(run.status, kExitUsage) << args.back();
    EXPECT_FALSE(run.err.empty());
    EXPECT_FALSE(std::filesystem::exists(output));
  }
  const testing::CliRun missing = testing::runCliCommand("parts", {folder.file("none.pvb6")});
  EXPECT_EQ(missing.status, kExitBadInput);
}

}  // namespace
}  // namespace pravelo
