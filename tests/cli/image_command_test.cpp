#include "cli/image_command.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "project/save_commands.h"
#include "support/cli_run.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"
#include "view/colour_scheme.h"

namespace pravelo {
namespace {

Document imageDocument() {
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(500000, 300000);  // 50 x 30 mm
  testing::add(*board, testing::strokeTrack(50000, -150000, 450000, -150000, kLayerC1));
  testing::add(*board, testing::textWithStroke("A", {100000, -100000}, kLayerS1));
  TObjekt pad = newObject();
  initPad(pad, {250000, -150000}, kLayerC1, kPadCircular, 4000, 18000);
  testing::add(*board, pad)->selected = 1;
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  return doc;
}

using testing::hasExternalTool;
using testing::runExternalTool;

class ImageCommand : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(writeDocumentFile(doc, layout)); }

  testing::CliRun image(const std::string& name, std::vector<std::string> options = {}) {
    std::vector<std::string> args{layout, "-o", folder.file(name)};
    args.insert(args.end(), options.begin(), options.end());
    return testing::runCliCommand("image", args);
  }

  testing::TempFolder folder;
  Document doc = imageDocument();
  std::string layout = folder.file("board.pvb6");
};

// The command writes exactly what the export dialog builds, and the layout stays as it was.
TEST_F(ImageCommand, WritesTheDialogsPictureForEveryFormatAndLeavesTheLayoutAlone) {
  const std::string before = testing::fileBytes(layout);
  struct Case {
    const char* name;
    ImageChoice choice;
    std::vector<std::string> options;
  };
  const Case cases[] = {
      {"a.bmp", {ImageFormat::Bitmap, 6, true}, {}},
      {"b.BMP", {ImageFormat::Bitmap, 3, false}, {"--step", "3", "--bw"}},
      {"c.gif", {ImageFormat::Gif, 2, true}, {"--step", "2"}},
      {"d.jpeg", {ImageFormat::Jpeg, 12, false}, {"--step", "12", "--bw"}},
      {"e.emf", {ImageFormat::Emf, 6, true}, {}},
      {"f.svg", {ImageFormat::Svg, 6, false}, {"--bw"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const testing::CliRun run = image(c.name, c.options);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const ImageFile expected =
        imageFile(*doc.boards[0], standardScheme(), RenderOptions{}, c.choice);
    EXPECT_EQ(testing::fileBytes(folder.file(c.name)), expected.bytes);
  }
  EXPECT_EQ(testing::fileBytes(layout), before);
}

TEST_F(ImageCommand, RefusesUnknownEndingsAndStepsAndMissingBoards) {
  EXPECT_EQ(image("x.png").status, kExitUsage);
  EXPECT_EQ(image("x.bmp", {"--step", "0"}).status, kExitUsage);
  EXPECT_EQ(image("x.bmp", {"--step", "13"}).status, kExitUsage);
  EXPECT_EQ(image("x.bmp", {"--board", "1"}).status, kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(folder.file("x.bmp")));
}

// Independent readers find the size, resolution and depth we meant: 50 x 30 mm at 600 dpi is
// 1181 x 709 pixels.
TEST_F(ImageCommand, IdentifyAndFileReadSizeResolutionAndDepthOfTheRasters) {
  if (!hasExternalTool("identify") || !hasExternalTool("file"))
    GTEST_SKIP() << "ImageMagick or file is missing";
  struct Case {
    const char* name;
    std::vector<std::string> options;
    const char* identified;
    const char* depth;  // as `file` tells it
  };
  // clang-format off
  const Case cases[] = {
      {"a.bmp", {},       "1181x709 236.22 PixelsPerCentimeter", "1181 x 709 x 24"},
      {"b.bmp", {"--bw"}, "1181x709 236.22 PixelsPerCentimeter", "1181 x 709 x 1"},
      {"c.gif", {},       "1181x709 0 Undefined",                "1181 x 709"},  // no resolution
      {"d.jpg", {},       "1181x709 600 PixelsPerInch",          "components 3"},
      {"e.jpg", {"--bw"}, "1181x709 600 PixelsPerInch",          "components 1"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(image(c.name, c.options).status, kExitOk);
    const std::string file = "'" + folder.file(c.name) + "'";
    const auto [identified, status] =
        runExternalTool("identify -format '%wx%h %[fx:round(resolution.x*100)/100] %U' " + file);
    EXPECT_EQ(status, 0) << identified;
    EXPECT_EQ(identified, c.identified);
    const auto [told, fileStatus] = runExternalTool("file " + file);
    EXPECT_NE(told.find(c.depth), std::string::npos) << told;
  }
}

TEST_F(ImageCommand, VectorPicturesConvertWithoutErrors) {
  struct Case {
    const char* name;
    const char* tool;
    std::string command;
  };
  const Case cases[] = {
      {"a.emf", "emf2svg-conv",
       "emf2svg-conv -i '" + folder.file("a.emf") + "' -o '" + folder.file("a.emf.svg") + "'"},
      {"b.svg", "rsvg-convert",
       "rsvg-convert --dpi-x 254 --dpi-y 254 '" + folder.file("b.svg") + "' -o '" +
           folder.file("b.png") + "'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (!hasExternalTool(c.tool)) continue;
    ASSERT_EQ(image(c.name).status, kExitOk);
    const auto [out, status] = runExternalTool(c.command);
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(out, "");
  }
  if (hasExternalTool("rsvg-convert") && hasExternalTool("identify")) {
    // 50 mm at 254 dpi.
    const auto [out, status] =
        runExternalTool("identify -format '%w' '" + folder.file("b.png") + "'");
    EXPECT_EQ(out, "500");
  }
}

}  // namespace
}  // namespace pravelo
