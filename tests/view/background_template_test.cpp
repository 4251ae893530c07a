// Scanned copies behind the board: loading with the folder fallback, the mapping onto the view,
// and which side the renderer draws.

#include "view/background_template.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "manufacturing/jpeg_file.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"
#include "view/colour_scheme.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

// 600 dpi at 1 pixel per 0.1 mm: 600 / 25.4 image pixels per millimetre drawn on 10 pixels.
constexpr double kTemplateTestZoom = 0.001;

std::string templateTestJpeg() {
  ImageRaster raster;
  raster.width = 4;
  raster.height = 4;
  raster.dpi = 0;
  raster.stride = 12;
  raster.data.assign(48, 128);
  return jpegFileBytes(raster, 90);
}

TEST(BackgroundTemplateTest, MapsOffsetAndResolutionOntoTheView) {
  const ViewTransform view{kTemplateTestZoom, 0, 0};
  const TemplateMapping m = templateMapping(view, 800, 600, 600, 100, 50, 5000, 5000);
  EXPECT_EQ(m.left, 0);
  EXPECT_EQ(m.top, 0);
  EXPECT_DOUBLE_EQ(m.screenLeft, 100);  // 10 mm right of the board's corner
  EXPECT_DOUBLE_EQ(m.screenTop, 50);    // 5 mm below it
  EXPECT_NEAR(m.width / m.screenWidth, 600 / 25.4 / 10, 1e-9);
  EXPECT_EQ(m.width, static_cast<int>(std::lround(800 * 600 / 254.0)) + 2);

  // Scrolled into the picture, only the part behind the frame is taken, within the picture.
  const TemplateMapping scrolled =
      templateMapping({kTemplateTestZoom, 1100, 0}, 800, 600, 600, 100, 50, 100, 100);
  EXPECT_EQ(scrolled.left, static_cast<int>(std::lround(1000 * 600 / 254.0)) - 1);
  EXPECT_EQ(scrolled.width, 100);
}

TEST(BackgroundTemplateTest, ActiveLayerChoosesTheSide) {
  const std::pair<int, int> cases[] = {{kLayerC1, 1}, {kLayerS1, 1}, {kLayerC2, 2},
                                       {kLayerS2, 2}, {5, 0},        {kLayerO, 0}};
  for (const auto& [layer, side] : cases) EXPECT_EQ(templateSideOfLayer(layer), side) << layer;
}

TEST(BackgroundTemplateTest, LoadsJpegWithoutDensityAt300Dpi) {
  testing::TempFolder folder;
  testing::writeBytes(folder.file("scan.jpg"), templateTestJpeg());
  // The encoder writes density 0 when asked for none, which counts as no resolution.
  const TemplateLoad load = loadBackgroundTemplate(folder.file("scan.jpg"), "");
  ASSERT_TRUE(load.loaded) << load.message;
  EXPECT_EQ(load.loaded->dpi, 300);
  EXPECT_EQ(load.loaded->picture.width, 4);
}

TEST(BackgroundTemplateTest, FindsAMovedFileBesideTheLayout) {
  testing::TempFolder folder;
  testing::writeBytes(folder.file("scan.jpg"), templateTestJpeg());
  const TemplateLoad load =
      loadBackgroundTemplate("/nowhere/old/scan.jpg", folder.file("board.lay6"));
  ASSERT_TRUE(load.loaded) << load.message;
  EXPECT_EQ(load.loaded->fileName, folder.file("scan.jpg"));
}

TEST(BackgroundTemplateTest, RefusesWithAMessage) {
  setLanguage(Language::English);
  testing::TempFolder folder;
  testing::writeBytes(folder.file("broken.bmp"), "BM not really");
  const std::string longName = "/tmp/" + std::string(200, 'a') + ".bmp";
  struct Case {
    std::string name;
    std::string message;
  };
  const Case cases[] = {
      {"/nowhere/scan.bmp", "Can not find the scanned-copy-bitmap: /nowhere/scan.bmp"},
      {folder.file("broken.bmp"),
       "Error loading scanned-copy-bitmap: " + folder.file("broken.bmp")},
      {longName, "The name of the scanned-copy-bitmap is longer than 200 characters: " + longName},
  };
  for (const Case& c : cases) {
    const TemplateLoad load = loadBackgroundTemplate(c.name, folder.file("board.lay6"));
    EXPECT_FALSE(load.loaded);
    EXPECT_EQ(load.message, c.message);
  }
}

// A monochrome scan of `side` x `side` pixels, every one black.
ScanPicture blackScan(int side) {
  ScanPicture black;
  black.width = side;
  black.height = side;
  black.monochrome = true;
  black.rgb.assign(static_cast<std::size_t>(side) * side * 3, 0);
  return black;
}

// A 100 mm board showing side 1's scan, drawn without grid and origin.
struct ScanBoard {
  ScanBoard() {
    board.header.width = 1000000;
    board.header.height = 1000000;
    board.header.templateShown = {1, 0};
    options.showGrid = false;
    options.showOrigin = false;
  }
  Board board;
  RenderOptions options;
};

TEST(BackgroundTemplateTest, RendererDrawsTheActiveSideOnlyWithoutPlane) {
  const ScanPicture black = blackScan(50);
  ScanBoard scan;
  Board& board = scan.board;
  RenderOptions& options = scan.options;
  const ColourScheme scheme = standardScheme();
  options.templatePictures = {&black, &black};
  const ViewTransform view{kTemplateTestZoom, 0, 0};
  const Rgb tint{0, 255, 0};

  struct Case {
    int activeLayer;
    bool plane;
    bool drawn;
  };
  const Case cases[] = {
      {kLayerC1, false, true}, {kLayerS1, false, true}, {kLayerC2, false, false},
      {kLayerO, false, false}, {kLayerC1, true, false},
  };
  for (const Case& c : cases) {
    board.header.activeLayer = c.activeLayer;
    board.header.groundPlane[kLayerC1 - 1] = c.plane;
    const Frame frame = renderBoard(board, view, scheme, options, 40, 40);
    EXPECT_EQ(frame.at(10, 10) == tint, c.drawn) << c.activeLayer << c.plane;
  }
}

// "Exclusive" hides every layer: the copper over the scan goes, the layer visibility stays as it
// is, and not even the active layer's ground plane covers the scan.
TEST(BackgroundTemplateTest, TemplateAloneHidesEveryObjectAndThePlane) {
  const ScanPicture black = blackScan(200);  // 8.5 mm, 85 pixels
  ScanBoard scan;
  Board& board = scan.board;
  RenderOptions& options = scan.options;
  board.header.activeLayer = kLayerC1;
  testing::add(board, testing::strokeTrack(0, -10000, 40000, -10000, kLayerC1))->width = 20000;
  options.templatePictures = {&black, nullptr};
  const ViewTransform view{kTemplateTestZoom, 0, 0};
  const Rgb tint{0, 255, 0};
  const ColourScheme scheme = standardScheme();

  const std::pair<bool, bool> cases[] = {
      {false, false}, {false, true}, {true, false}, {true, true}};
  for (const auto& [alone, plane] : cases) {
    options.templateAlone = alone;
    board.header.groundPlane[kLayerC1 - 1] = plane;
    const Frame frame = renderBoard(board, view, scheme, options, 40, 40);
    // The track covers (10, 10); the scan lies under it everywhere else too.
    EXPECT_EQ(frame.at(10, 10) == tint, alone) << alone << plane;
    EXPECT_EQ(frame.at(30, 30) == tint, alone || !plane) << alone << plane;
  }
  EXPECT_TRUE(isLayerVisible(board.header, kLayerC1));
}

}  // namespace
}  // namespace pravelo
