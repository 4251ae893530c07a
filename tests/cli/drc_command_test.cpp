#include "cli/drc_command.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "base/file_io.h"
#include "cli/cli.h"
#include "project/save_commands.h"
#include "support/cli_run.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

// Two tracks of different nets 0.1 mm apart and a 0.2 mm drill.
Document drcSampleDocument() {
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(1000000, 1000000);
  testing::add(*board, testing::strokeTrack(100000, -100000, 200000, -100000, kLayerC1));
  testing::add(*board, testing::strokeTrack(100000, -97000, 200000, -97000, kLayerC1));
  TObjekt pad = newObject();
  initPad(pad, {500000, -500000}, kLayerC1, kPadCircular, 1000, 5000);
  testing::add(*board, pad);
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  return doc;
}

testing::CliRun drc(const std::vector<std::string>& args) {
  return testing::runCliCommand("drc", args);
}

TEST(DrcCommand, FindingsInCheckOrder) {
  testing::TempFolder folder;
  Document doc = drcSampleDocument();
  const std::string file = folder.file("board.pvb6");
  ASSERT_TRUE(writeDocumentFile(doc, file));
  const std::string before = readWholeFile(file).value();

  testing::CliRun r = drc({file, "--json"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  ASSERT_EQ(json["count"], 2);
  EXPECT_EQ(json["findings"][0]["text"], "Drilling too small");  // drill checks come first
  EXPECT_EQ(json["findings"][0]["objects"], nlohmann::json::array({2}));
  EXPECT_EQ(json["findings"][1]["kind"], 0);
  EXPECT_EQ(json["findings"][1]["text"], "Distance");
  EXPECT_EQ(json["findings"][1]["objects"], nlohmann::json::array({0, 1}));
  EXPECT_EQ(json["findings"][1]["marker"].size(), 4u);
  EXPECT_EQ(readWholeFile(file).value(), before);

  r = drc({file, "--rules", "Kupfer=0", "WBohrMin=1000"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out, "0 Entries\n");

  r = drc({file, "--rules", "WKupfer=500", "--lang", "de"});
  EXPECT_NE(r.out.find("Bohrung zu klein, Lage 1, Markierung "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("1 Einträge\n"), std::string::npos) << r.out;
}

// The two tracks of the sample merge with the ground plane of C1 (clearance 0), as the pad does:
// `nets` puts all three into one group, and `drc` no longer finds the tracks too close, as the
// Test tool joins them.
TEST(DrcCommand, CopperJoinedThroughTheGroundPlaneIsOneNetForNetsAndDrc) {
  testing::TempFolder folder;
  Document doc = drcSampleDocument();
  Board& board = *doc.boards[0];
  board.header.groundPlane[kLayerC1 - 1] = 1;
  board.objects[0]->clearance = 0;
  board.objects[1]->clearance = 0;
  const std::string file = folder.file("board.pvb6");
  ASSERT_TRUE(writeDocumentFile(doc, file));

  std::ostringstream out, err;
  ASSERT_EQ(runCli({"nets", file, "--json"}, out, err), kExitOk) << err.str();
  const auto groups = nlohmann::json::parse(out.str())["groups"];
  EXPECT_EQ(groups, nlohmann::json::array({nlohmann::json::array({0, 1, 2})}));

  const testing::CliRun r = drc({file, "--json", "--rules", "BohrMin=0"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["count"], 0);
}

TEST(DrcCommand, BadInput) {
  testing::TempFolder folder;
  Document doc = drcSampleDocument();
  const std::string file = folder.file("board.pvb6");
  ASSERT_TRUE(writeDocumentFile(doc, file));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{file, "--rules", "Nonsense=1"},
        {file, "--rules", "Kupfer=2"},
        {file, "--rules", "WKupfer=abc"},
        {file, "--board", "3"},
        {folder.file("missing.pvb6")}}) {
    EXPECT_EQ(drc(args).status, kExitBadInput) << args[1];
  }
}

}  // namespace
}  // namespace pravelo
