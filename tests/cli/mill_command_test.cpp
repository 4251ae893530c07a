#include "cli/mill_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "manufacturing/hpgl_milling.h"
#include "manufacturing/milling_jobs.h"
#include "project/save_commands.h"
#include "support/cli_run.h"
#include "support/file_bytes.h"
#include "support/gerber_boards.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

// A two-sided board with a plated hole, a ground plane on C2 and an outline.
Document millDocument() {
  testing::GerberBoard b(500000, 400000);
  b.track({{50000, -50000}, {300000, -50000}}, 8000);
  b.track({{50000, -200000}, {300000, -300000}}, 8000, 0, kLayerC2).clearance = 4000;
  b.pad({400000, -200000}, kPadCircular, 16000, 5000).via = 1;
  b.track({{0, 0}, {500000, 0}, {500000, -400000}, {0, -400000}, {0, 0}}, 1000, 0, kLayerO);
  b.board.header.groundPlane[kLayerC2 - 1] = 1;
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
  doc.activeBoard = 0;
  return doc;
}

class MillCommand : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(writeDocumentFile(doc, board)); }
  testing::CliRun mill(std::vector<std::string> args) {
    args.insert(args.begin(), board);
    return testing::runCliCommand("mill", args);
  }

  testing::TempFolder folder;
  Document doc = millDocument();
  std::string board = folder.file("board.pvb6");
  std::string output = folder.file("out.plt");
};

// The same core function as the dialog: the command writes exactly its bytes.
TEST_F(MillCommand, WritesWhatTheDialogWrites) {
  const testing::CliRun run = mill({"-o",          output,
                                    "--layers",    "c1,c2",
                                    "--width",     "0.2",
                                    "--passes",    "2",
                                    "--overlap",   "50",
                                    "--mirror-c2", "v",
                                    "--drill",     "bottom",
                                    "--outline",   "top",
                                    "--punch",     "top",
                                    "--units",     "mil",
                                    "--reference", "1,5",
                                    "--distance",  "2",
                                    "--jobs",      folder.file("jobs.txt")});
  ASSERT_EQ(run.status, 0) << run.err;
  // The ground plane of C2 is left out, which the user is told.
  EXPECT_NE(run.err.find("The automatic ground plane on the selected layer will be ignored."),
            std::string::npos);
  MillingOptions o;
  o.millC1 = o.millC2 = true;
  o.width = 2000;
  o.passes = 2;
  o.overlap = 50;
  o.mirrorC2 = MillMirror::Vertical;
  o.drill = MillSide::Bottom;
  o.outline = MillSide::Top;
  o.punchC1 = true;
  o.unit = HpglUnit::Mil;
  o.referenceHoles[0] = o.referenceHoles[4] = true;
  o.referenceDistance = 20000;
  EXPECT_EQ(testing::fileBytes(output), millingFile(*doc.boards[0], o, {1, 2, 3, 4, 5}).text);
  EXPECT_EQ(testing::fileBytes(folder.file("jobs.txt")),
            jobListText(millingJobs(*doc.boards[0], o, LengthUnit::Mm, Language::English), o,
                        LengthUnit::Mm, Language::English));
}

TEST_F(MillCommand, SeparateFilesOnePerJob) {
  const testing::CliRun run = mill({"-o", output, "--layers", "c1", "--width", "0.3", "--drill",
                                    "top", "--holes", "separate", "--separate"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* name : {"out_Pen2.plt", "out_Pen6.plt"}) {
    EXPECT_TRUE(std::filesystem::exists(folder.file(name))) << name;
    EXPECT_EQ(testing::fileBytes(folder.file(name)).substr(0, 16), "IN;\r\nPT0;\r\nPU;\r\n");
  }
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(MillCommand, BadRequestsWriteNothing) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {{"--layers", "c3"}, kExitUsage, "Unknown layer for milling: c3"},
      {{"--reference", "9"}, kExitUsage, "Unknown place for a reference hole: 9"},
      {{"--passes", "11"}, kExitUsage, "--passes"},
      {{"--board", "3", "--layers", "c1"}, kExitUsage, "no board number 3"},
      {{"--outline", "none"}, kExitBadInput, "No job"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"-o", output};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const testing::CliRun run = mill(args);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(output)) << c.message;
  }
}

}  // namespace
}  // namespace pravelo
