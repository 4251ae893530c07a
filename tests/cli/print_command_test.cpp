#include "cli/print_command.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "manufacturing/pdf_file.h"
#include "project/save_commands.h"
#include "support/cli_run.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::hasExternalTool;

std::string printToolOutput(const std::string& command) {
  return testing::runExternalTool(command).first;
}

// The dark columns and rows of a binary PGM ("P5", 8 bits): leftmost, rightmost, top, bottom.
std::array<int, 4> darkExtent(const std::string& pgm) {
  std::istringstream in(pgm);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  in >> magic >> width >> height >> maximum;
  in.get();
  const std::size_t start = static_cast<std::size_t>(in.tellg());
  std::array<int, 4> e{width, -1, height, -1};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (static_cast<unsigned char>(pgm[start + static_cast<std::size_t>(y) * width + x]) >= 128) {
        continue;
      }
      e[0] = std::min(e[0], x);
      e[1] = std::max(e[1], x);
      e[2] = std::min(e[2], y);
      e[3] = std::max(e[3], y);
    }
  }
  return e;
}

class PrintCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    Document doc;
    auto board = std::make_unique<Board>();
    board->header = newBoardHeader(1000000, 600000);  // 100 mm x 60 mm
    testing::add(*board, testing::strokeTrack(200000, -300000, 800000, -300000, kLayerC1));
    doc.boards.push_back(std::move(board));
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
  }

  testing::CliRun print(std::vector<std::string> options) {
    std::vector<std::string> args{layout, "-o", pdf};
    args.insert(args.end(), options.begin(), options.end());
    return testing::runCliCommand("print", args);
  }

  testing::TempFolder folder;
  std::string layout = folder.file("board.pvb6");
  std::string pdf = folder.file("board.pdf");
};

TEST_F(PrintCommand, WritesTheComposedPageAndLeavesTheLayoutAlone) {
  const std::string before = testing::fileBytes(layout);
  const testing::CliRun run = print({"--mirror", "--tiles", "2x1", "--gap", "5", "--outline"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  PrintRequest request;
  request.mirror = true;
  request.tiles = "2x1";
  request.gap = 5;
  request.outline = true;
  const PrintRequestOptions options = printOptionsOf(request, Language::English);
  ASSERT_TRUE(options.problem.empty());
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(1000000, 600000);
  testing::add(*board, testing::strokeTrack(200000, -300000, 800000, -300000, kLayerC1));
  EXPECT_EQ(testing::fileBytes(pdf), pdfFileBytes(composePrintPage(*board, options.options)));
  EXPECT_EQ(testing::fileBytes(layout), before);
}

TEST_F(PrintCommand, RefusesWhatTheDialogsRefuse) {
  struct Case {
    std::vector<std::string> options;
    const char* message;
  };
  const Case cases[] = {
      {{"--factor-x", "1.3"}, "Please enter values from 0.8 to 1.2"},
      {{"--factor-y", "0.7"}, "Please enter values from 0.8 to 1.2"},
      {{"--tiles", "21x1"}, "The tiles must be given"},
      {{"--tiles", "3"}, "The tiles must be given"},
      {{"--scale", "102"}, "The scale must be"},
      {{"--layers", "C1,X9"}, "Unknown layer"},
      {{"--offset", "10"}, "The position must be"},
  };
  for (const Case& c : cases) {
    const testing::CliRun run = print(c.options);
    EXPECT_EQ(run.status, kExitUsage) << c.options[0];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

// Poppler, an independent PDF reader, draws the page at 254 dpi (10 pixels a millimetre): the
// 100 mm x 60 mm outline must measure that, and 110 mm with the horizontal factor 1.1.
TEST_F(PrintCommand, PopplerMeasuresTheTrueSizeAndTheCalibratedOne) {
  if (!hasExternalTool("pdftoppm") || !hasExternalTool("pdfinfo")) {
    GTEST_SKIP() << "poppler-utils are not installed";
  }
  struct Case {
    std::vector<std::string> options;
    int width;
    int height;
  };
  const Case cases[] = {
      {{"--outline"}, 1000, 600},
      {{"--outline", "--factor-x", "1.1"}, 1100, 600},
      {{"--outline", "--scale", "50", "--factor-y", "0.9"}, 500, 270},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.back());
    ASSERT_EQ(print(c.options).status, kExitOk);
    EXPECT_NE(printToolOutput("pdfinfo '" + pdf + "'").find("595 x 842 pts (A4)"),
              std::string::npos);
    const std::string pgm = printToolOutput("pdftoppm -r 254 -gray -aa no -aaVector no '" + pdf +
                                            "' > '" + folder.file("page.pgm") + "'");
    EXPECT_EQ(pgm, "");
    const std::array<int, 4> e = darkExtent(testing::fileBytes(folder.file("page.pgm")));
    EXPECT_NEAR(e[1] - e[0], c.width, 2);
    EXPECT_NEAR(e[3] - e[2], c.height, 2);
    EXPECT_NEAR(e[0], 100, 2) << "10 mm from the sheet's left edge";
  }
  ASSERT_EQ(print({"--landscape"}).status, kExitOk);
  EXPECT_NE(printToolOutput("pdfinfo '" + pdf + "'").find("842 x 595 pts (A4)"), std::string::npos);
}

}  // namespace
}  // namespace pravelo
