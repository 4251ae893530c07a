#include "view/photo_view.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/sample_layout.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

// A 10 mm x 10 mm board at one pixel per 0.1 mm.
class PhotoViewTest : public ::testing::Test {
 protected:
  PhotoViewTest() { board.header = newBoardHeader(100000, 100000); }

  TObjekt& add(TObjekt o) { return *testing::add(board, std::move(o)); }
  TObjekt& track(std::uint8_t layer, FPoint a, FPoint b) {
    TObjekt t = newObject();
    initTrack(t, 10000, layer);
    addPoint(t, a);
    addPoint(t, b);
    return add(std::move(t));
  }

  // The colour shown at world point (x, y), seen from the chosen side.
  Rgb at(double x, double y) {
    const ViewTransform view = photoViewTransform(ViewTransform{}, board.header, options.side);
    if (frame.width == 0) {
      frame = Frame(101, 101);
      renderPhotoView(board, view, options, frame);
    }
    const DPoint p = worldToScreen(view, DPoint{x, y});
    return frame.at(static_cast<int>(p.x), static_cast<int>(p.y));
  }
  void redraw() { frame = Frame(); }
  PhotoPalette palette() const { return photoPalette(options); }

  Board board;
  PhotoOptions options;
  Frame frame;
};

TEST(PhotoPalette, BoardAndFinishChoices) {
  struct Case {
    int board;
    int finish;
    Rgb material;
    Rgb copper;
    Rgb finishColour;
    Rgb shadow;
  };
  const Case cases[] = {
      {0, 0, {22, 117, 22}, {0, 190, 0}, {220, 170, 20}, {2, 97, 2}},
      {1, 1, {36, 82, 200}, {132, 164, 228}, {210, 210, 210}, {16, 62, 180}},
      // "---": an exposed pad looks exactly like masked copper.
      {2, 2, {156, 116, 22}, {231, 183, 118}, {231, 183, 118}, {136, 96, 2}},
      // Damaged settings fall back to the first entry.
      {7, -1, {22, 117, 22}, {0, 190, 0}, {220, 170, 20}, {2, 97, 2}},
  };
  for (const Case& c : cases) {
    PhotoOptions options;
    options.boardColour = c.board;
    options.finish = c.finish;
    const PhotoPalette p = photoPalette(options);
    EXPECT_EQ(p.material, c.material) << c.board;
    EXPECT_EQ(p.copper, c.copper) << c.board;
    EXPECT_EQ(p.finish, c.finishColour) << c.finish;
    EXPECT_EQ(p.shadow, c.shadow) << c.board;
    EXPECT_EQ(p.silkscreen, (Rgb{230, 230, 230}));
  }
}

TEST_F(PhotoViewTest, CopperMaskOpeningsSilkscreenAndOutline) {
  track(kLayerC1, {10000, -20000}, {90000, -20000});
  track(kLayerC1, {10000, -40000}, {90000, -40000}).solderMask = 1;
  track(kLayerS1, {10000, -60000}, {90000, -60000});
  track(kLayerO, {10000, -80000}, {90000, -80000});
  EXPECT_EQ(at(50500, -20500), palette().copper);
  EXPECT_EQ(at(50500, -40500), palette().finish);
  EXPECT_EQ(at(50500, -60500), palette().silkscreen);
  EXPECT_EQ(at(50500, -80500), (Rgb{0, 0, 0}));
  EXPECT_EQ(at(50500, -30500), palette().material);
  options.silkscreen = false;
  redraw();
  EXPECT_EQ(at(50500, -60500), palette().material);
}

TEST_F(PhotoViewTest, TheFarSideShowsOnlyWithXRay) {
  track(kLayerC2, {10000, -50000}, {90000, -50000});
  track(kLayerI1, {50000, -10000}, {50000, -30000});
  options.xRay = true;
  EXPECT_EQ(at(30500, -50500), palette().shadow);
  EXPECT_EQ(at(50500, -20500), palette().shadow);
  options.xRay = false;
  redraw();
  EXPECT_EQ(at(30500, -50500), palette().material);
  // From below the same track is the near copper.
  options.side = PhotoSide::Bottom;
  redraw();
  EXPECT_EQ(at(30500, -50500), palette().copper);
}

TEST_F(PhotoViewTest, TheBottomSideIsMirroredAboutTheBoard) {
  track(kLayerC2, {5000, -50000}, {25000, -50000});
  options.side = PhotoSide::Bottom;
  // The track near the left edge appears near the right edge of the picture.
  const ViewTransform view = photoViewTransform(ViewTransform{}, board.header, options.side);
  EXPECT_EQ(at(15500, -50500), palette().copper);
  EXPECT_GT(worldToScreen(view, DPoint{15500, -50500}).x, 80);
  EXPECT_EQ(frame.at(15, 50), palette().material);
}

// A quarter arc from 0 to 90 degrees seen from below lies from 90 to 180 degrees: upper left
// of its centre on screen. Merely exchanging start and stop would draw the other three quarters.
TEST_F(PhotoViewTest, MirroredArcsKeepTheirSweep) {
  TObjekt arc = newObject();
  initCircle(arc, {50000, -50000}, 32000, kLayerC2, 28000);
  arc.paramA = 0;
  arc.width = 90000;
  add(std::move(arc));
  options.side = PhotoSide::Bottom;
  options.xRay = false;
  // World point up-right of the centre, which the mirror shows up-left.
  EXPECT_EQ(at(50000 + 21213, -50000 + 21213), palette().copper);
  // The other quarters stay empty.
  EXPECT_EQ(at(50000 - 21213, -50000 + 21213), palette().material);
  EXPECT_EQ(at(50000 - 21213, -50000 - 21213), palette().material);
  EXPECT_EQ(at(50000 + 21213, -50000 - 21213), palette().material);
}

TEST_F(PhotoViewTest, GroundPlaneOfTheViewedSideWithClearancesAndHoles) {
  board.header.groundPlane[kLayerC1 - 1] = 1;
  TObjekt pad = newObject();
  initPad(pad, {50000, -50000}, kLayerC1, kPadCircular, 4000, 12000);
  add(std::move(pad));
  options.xRay = false;
  EXPECT_EQ(at(10500, -10500), palette().copper);
  EXPECT_EQ(at(50500, -50500), (Rgb{0, 0, 0}));    // the drill hole
  EXPECT_EQ(at(50500, -59500), palette().finish);  // the pad's ring, a mask opening
  // The bottom's plane is off: plain material.
  options.side = PhotoSide::Bottom;
  redraw();
  EXPECT_EQ(at(10500, -10500), palette().material);
}

// The window draws the photo view through the renderer, in parts as it scrolls: a part shows
// exactly the pixels of the whole picture, with objects that only reach into it, and the
// colour scheme does not take part.
TEST_F(PhotoViewTest, TheRendererDrawsItAlsoInParts) {
  track(kLayerC1, {5000, -20000}, {95000, -20000});   // crosses the part
  track(kLayerC2, {20000, -5000}, {20000, -95000});   // its edge reaches in
  track(kLayerS1, {70000, -70000}, {90000, -90000});  // outside the part
  TObjekt pad = newObject();
  initPad(pad, {45000, -30000}, kLayerC1, kPadCircular, 4000, 12000);
  add(std::move(pad));
  options.side = PhotoSide::Bottom;
  const ViewTransform view = photoViewTransform(ViewTransform{}, board.header, options.side);
  RenderOptions render;
  render.photo = options;
  ColourScheme scheme = standardScheme();
  scheme.colours.fill(Rgb{255, 0, 255});
  const Frame whole = renderBoard(board, view, scheme, render, 101, 101);
  frame = Frame(101, 101);
  renderPhotoView(board, view, options, frame);
  EXPECT_EQ(whole.pixels, frame.pixels);

  ViewTransform partView = view;
  partView.scrollX = 40;
  partView.scrollY = 10;
  const Frame part = renderBoard(board, partView, scheme, render, 45, 30);
  int compared = 0;
  for (int y = 0; y < part.height; ++y) {
    for (int x = 0; x < part.width; ++x) {
      ASSERT_EQ(part.at(x, y), whole.at(x + 40, y + 10)) << x << ", " << y;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 45 * 30);
}

}  // namespace
}  // namespace pravelo
