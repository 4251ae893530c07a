#include "cli/render_command.h"

#include <gtest/gtest.h>
#include <png.h>

#include <sstream>

#include "cli/cli.h"
#include "document/layout_file.h"
#include "project/boards.h"
#include "project/layout_load.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"
#include "view/colour_scheme.h"
#include "view/photo_view.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  Rgb at(int x, int y) const {
    const std::uint8_t* p = rgb.data() + 3 * (static_cast<std::size_t>(y) * width + x);
    return {p[0], p[1], p[2]};
  }
};

Picture readPng(const std::string& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Picture picture;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return picture;
  image.format = PNG_FORMAT_RGB;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.rgb.resize(PNG_IMAGE_SIZE(image));
  png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr);
  return picture;
}

// A 25.4 mm x 12.7 mm board with a C1 track along the top half and an S1 track below.
class RenderCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    Document doc;
    Board& board = addBoard(doc, "Render", 254000, 127000);
    auto track = [&](std::uint8_t layer, float y) {
      auto t = std::make_unique<TObjekt>(newObject());
      initTrack(*t, 20000, layer);
      addPoint(*t, {20000, y});
      addPoint(*t, {234000, y});
      board.objects.push_back(std::move(t));
    };
    track(kLayerC1, -31750);
    track(kLayerS1, -95250);
    testing::writeBytes(input, writeLayout(doc));
  }

  int run(std::vector<std::string> args) {
    std::ostringstream out;
    err.str("");
    return runCli(args, out, err);
  }

  testing::TempFolder folder;
  const std::string input = folder.file("board.pvb6");
  const std::string output = folder.file("board.png");
  std::ostringstream err;
  const ColourScheme scheme = standardScheme();
};

TEST_F(RenderCommand, DpiPicturesCoverExactlyTheBoard) {
  ASSERT_EQ(run({"render", input, "-o", output, "--dpi", "100"}), kExitOk) << err.str();
  const Picture p = readPng(output);
  ASSERT_EQ(p.width, 100);  // one inch at 100 dpi
  ASSERT_EQ(p.height, 50);
  // Column = x * dpi / 254000, row = -y * dpi / 254000.
  EXPECT_EQ(p.at(50, 12), scheme.layer(kLayerC1));
  EXPECT_EQ(p.at(50, 37), scheme.layer(kLayerS1));
  EXPECT_EQ(p.at(50, 25), scheme.background());
}

TEST_F(RenderCommand, SizeFitsTheBoardKeepingItsAspect) {
  ASSERT_EQ(run({"render", input, "-o", output, "--size", "400x400"}), kExitOk) << err.str();
  const Picture p = readPng(output);
  EXPECT_EQ(p.width, 400);
  EXPECT_EQ(p.height, 200);
}

TEST_F(RenderCommand, LayersChooseWhatIsDrawn) {
  ASSERT_EQ(run({"render", input, "-o", output, "--dpi", "100", "--layers", "s1,O"}), kExitOk);
  const Picture p = readPng(output);
  EXPECT_EQ(p.at(50, 12), scheme.background()) << "C1 hidden, even though it was active";
  EXPECT_EQ(p.at(50, 37), scheme.layer(kLayerS1));
}

TEST_F(RenderCommand, BadRequestsWriteNothing) {
  EXPECT_EQ(run({"render", input, "-o", output, "--layers", "C1,X9"}), kExitUsage);
  EXPECT_NE(err.str().find("X9"), std::string::npos);
  EXPECT_EQ(run({"render", input, "-o", output, "--size", "40"}), kExitUsage);
  EXPECT_EQ(run({"render", input, "-o", output, "--dpi", "1000000"}), kExitUsage);
  EXPECT_EQ(run({"render", input, "-o", output, "--dpi", "100", "--size", "9x9"}), kExitUsage);
  EXPECT_EQ(run({"render", input, "-o", output, "--board", "3"}), kExitUsage);
  EXPECT_EQ(run({"render", folder.file("missing.pvb6"), "-o", output}), kExitBadInput);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(RenderCommand, PhotoViewOfEitherSide) {
  PhotoOptions photo;
  const PhotoPalette palette = photoPalette(photo);
  ASSERT_EQ(run({"render", input, "-o", output, "--dpi", "100", "--photo", "top"}), kExitOk)
      << err.str();
  Picture p = readPng(output);
  EXPECT_EQ(p.at(50, 12), palette.copper);
  EXPECT_EQ(p.at(50, 37), palette.silkscreen);
  EXPECT_EQ(p.at(50, 25), palette.material);
  // From below the top side shows through only with X-ray.
  ASSERT_EQ(run({"render", input, "-o", output, "--dpi", "100", "--photo", "bottom"}), kExitOk);
  EXPECT_EQ(readPng(output).at(50, 12), palette.material);
  ASSERT_EQ(run({"render", input, "-o", output, "--dpi", "100", "--photo", "bottom", "--xray"}),
            kExitOk);
  p = readPng(output);
  EXPECT_EQ(p.at(50, 12), palette.shadow);
  EXPECT_EQ(p.at(50, 37), palette.shadow);
}

TEST_F(RenderCommand, PhotoOptionsAreChecked) {
  EXPECT_EQ(run({"render", input, "-o", output, "--photo", "left"}), kExitUsage);
  EXPECT_EQ(run({"render", input, "-o", output, "--xray"}), kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(output));
}

// Every kind of object, ground planes, holes, rubber bands, grid and origin: the file holds
// exactly the renderer's picture.
TEST(RenderPicture, IsTheRenderersFrame) {
  testing::TempFolder folder;
  const std::string input = folder.file("sample.pvb6");
  const std::string output = folder.file("sample.png");
  Document doc;
  doc.boards.push_back(testing::sampleBoard("Sample"));
  doc.activeBoard = 0;
  testing::writeBytes(input, writeLayout(doc));
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(runCli({"render", input, "-o", output, "--dpi", "200", "--grid", "--origin"}, out, err),
            kExitOk)
      << err.str();

  Document loaded;
  installLayout(loaded, readLayout(testing::fileBytes(input)));
  RenderOptions options;
  options.showGrid = true;
  options.showOrigin = true;
  const Board& board = *loaded.boards.front();
  const double zoom = 200.0 / 254000;
  const Frame expected = renderBoard(board, {zoom, 0, 0}, standardScheme(), options,
                                     static_cast<int>(std::lround(board.header.width * zoom)),
                                     static_cast<int>(std::lround(board.header.height * zoom)));
  const Picture p = readPng(output);
  ASSERT_EQ(p.width, expected.width);
  ASSERT_EQ(p.height, expected.height);
  int differing = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) differing += p.at(x, y) != expected.at(x, y);
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(RenderCommand, AFailedWriteSaysWhy) {
  const std::string missing = folder.file("no/board.png");
  EXPECT_EQ(run({"--lang", "fr", "render", input, "-o", missing}), kExitBadInput);
  EXPECT_EQ(err.str(), "Le fichier \"" + missing +
                           "\" n'a pas pu être enregistré : le dossier n'existe pas.\n");
}

TEST(LayerNames, EnglishGermanAndNumbers) {
  EXPECT_EQ(layerNamed("C2"), 3);
  EXPECT_EQ(layerNamed("k2"), 3);
  EXPECT_EQ(layerNamed("U"), 7);
  EXPECT_EQ(layerNamed("5"), 5);
  EXPECT_EQ(layerNamed("C3"), std::nullopt);
}

}  // namespace
}  // namespace pravelo
