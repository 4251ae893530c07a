#include "cli/print_command.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "manufacturing/bmp_file.h"
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

// A 40 x 20 pixel scan at 254 dpi (4 mm x 2 mm), its left half red and its right half blue,
// placed 10 mm right of and 5 mm below the board's top-left corner.
class PrintScannedCopy : public PrintCommand {
 protected:
  void SetUp() override {
    ImageRaster raster{40, 20, true, 254, 40 * 3, {}};
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 40; ++x) {
        raster.data.insert(raster.data.end(), {x < 20 ? std::uint8_t{255} : std::uint8_t{0}, 0,
                                               x < 20 ? std::uint8_t{0} : std::uint8_t{255}});
      }
    }
    testing::writeBytes(folder.file("scan.bmp"), bmpFileBytes(raster));
    Document doc;
    auto board = std::make_unique<Board>();
    board->header = newBoardHeader(1000000, 600000);
    board->header.templateFile[0] = folder.file("scan.bmp");
    board->header.templateDpi[0] = 254;
    board->header.templateOffsetX[0] = 100;
    board->header.templateOffsetY[0] = 50;
    testing::add(*board, testing::strokeTrack(200000, -300000, 800000, -300000, kLayerC1));
    doc.boards.push_back(std::move(board));
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
  }

  // The colour of a pixel of a binary PPM ("P6", 8 bits).
  static Rgb pixel(const std::string& ppm, int x, int y) {
    std::istringstream in(ppm);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    const std::size_t at = static_cast<std::size_t>(in.tellg()) +
                           3 * (static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x));
    return {static_cast<std::uint8_t>(ppm[at]), static_cast<std::uint8_t>(ppm[at + 1]),
            static_cast<std::uint8_t>(ppm[at + 2])};
  }
};

// Poppler lists the picture at its real size and draws it at its place: the sheet offset of
// 10 mm plus the scan's own offset, 10 pixels a millimetre at 254 dpi.
TEST_F(PrintScannedCopy, PopplerFindsThePictureAtItsSizeAndPlace) {
  if (!hasExternalTool("pdfimages") || !hasExternalTool("pdftoppm")) {
    GTEST_SKIP() << "poppler-utils are not installed";
  }
  ASSERT_EQ(print({}).status, kExitOk);
  EXPECT_EQ(printToolOutput("pdfimages -list '" + pdf + "'").find("image"), std::string::npos)
      << "only with --scanned-copy";
  const testing::CliRun run = print({"--scanned-copy"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  std::istringstream list(printToolOutput("pdfimages -list '" + pdf + "'"));
  std::string header, rule, page, number, type, width, height, colour, components, bits;
  std::getline(list, header);
  std::getline(list, rule);
  list >> page >> number >> type >> width >> height >> colour >> components >> bits;
  EXPECT_EQ(type + " " + width + "x" + height + " " + colour + " " + bits, "image 40x20 rgb 8");
  EXPECT_EQ(printToolOutput("pdftoppm -r 254 -aa no -aaVector no '" + pdf + "' > '" +
                            folder.file("page.ppm") + "'"),
            "");
  const std::string ppm = testing::fileBytes(folder.file("page.ppm"));
  struct Case {
    int x, y;
    Rgb expected;
  };
  // clang-format off
  const Case cases[] = {
      {205, 160, {255, 0, 0}},   // left half
      {235, 160, {0, 0, 255}},   // right half
      {195, 160, {255, 255, 255}},
      {245, 160, {255, 255, 255}},
      {220, 145, {255, 255, 255}},
      {220, 175, {255, 255, 255}},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(pixel(ppm, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(PrintScannedCopy, AScannedCopyThatCannotBeLoadedStopsThePrint) {
  std::filesystem::remove(folder.file("scan.bmp"));
  const testing::CliRun run = print({"--scanned-copy"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("scan.bmp"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(print({}).status, kExitOk) << "without the option the copy is not needed";
}

}  // namespace
}  // namespace pravelo
