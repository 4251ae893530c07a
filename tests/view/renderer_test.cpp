#include "view/renderer.h"

#include <gtest/gtest.h>

#include "copper/object_outline.h"
#include "copper/polygon_predicates.h"
#include "document/object_list.h"
#include "project/boards.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

// A 10 mm x 10 mm board seen at one pixel per 0.1 mm, so that pixel (c, r) shows the world point
// (c * 1000 + 500, -(r * 1000 + 500)) at its centre.
class RendererTest : public ::testing::Test {
 protected:
  RendererTest() {
    board.header = newBoardHeader(100000, 100000);
    board.header.activeLayer = kLayerC2;
    options.showGrid = false;
    options.showOrigin = false;
  }

  TObjekt& add(TObjekt o) {
    board.objects.push_back(std::make_unique<TObjekt>(std::move(o)));
    return *board.objects.back();
  }
  TObjekt& track(std::uint8_t layer, FPoint a, FPoint b, std::int32_t width) {
    TObjekt t = newObject();
    initTrack(t, width, layer);
    addPoint(t, a);
    addPoint(t, b);
    return add(std::move(t));
  }
  TObjekt& pad(FPoint centre, float outer, float drill) {
    TObjekt p = newObject();
    initPad(p, centre, kLayerC1, kPadCircular, drill, outer);
    return add(std::move(p));
  }

  // The colour shown at world point (x, y) in units.
  Rgb at(double x, double y) {
    if (frame.width == 0) frame = renderBoard(board, view, scheme, options, 100, 100);
    const DPoint p = worldToScreen(view, DPoint{x, y});
    return frame.at(static_cast<int>(p.x), static_cast<int>(p.y));
  }
  void redraw() { frame = Frame(); }

  Board board;
  ViewTransform view;  // zoom 0.001, no scroll
  ColourScheme scheme = standardScheme();
  RenderOptions options;
  Frame frame;
};

constexpr Rgb kBlackBg{0, 0, 0};

// Anti-aliased thin lines may leave a pixel a few steps short of full colour.
::testing::AssertionResult near(Rgb actual, Rgb expected) {
  auto close = [](int a, int b) { return std::abs(a - b) <= 8; };
  if (close(actual.r, expected.r) && close(actual.g, expected.g) && close(actual.b, expected.b)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "got (" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b) << ")";
}

TEST_F(RendererTest, TheActiveCopperLayerIsDrawnOnTop) {
  track(kLayerC1, {10000, -50000}, {90000, -50000}, 20000);
  track(kLayerC2, {50000, -10000}, {50000, -90000}, 20000);
  board.header.activeLayer = kLayerC2;
  EXPECT_EQ(at(50500, -50500), scheme.layer(kLayerC2));
  board.header.activeLayer = kLayerC1;
  redraw();
  EXPECT_EQ(at(50500, -50500), scheme.layer(kLayerC1));
  EXPECT_EQ(at(5500, -5500), kBlackBg);
}

TEST_F(RendererTest, SelectionHighlightFollowsTheBackground) {
  track(kLayerC1, {10000, -50000}, {90000, -50000}, 20000).selected = 1;
  EXPECT_EQ(at(50500, -50500), (Rgb{255, 170, 255}));
  scheme.colours[kSlotBackground] = {255, 255, 255};
  redraw();
  EXPECT_EQ(at(50500, -50500), (Rgb{255, 0, 255}));
}

TEST_F(RendererTest, TheBlinkDimsTheHighlightByAFifth) {
  track(kLayerC1, {10000, -50000}, {90000, -50000}, 20000).selected = 1;
  options.dimmedHighlight = true;
  redraw();
  EXPECT_EQ(at(50500, -50500), (Rgb{204, 136, 204}));
}

TEST_F(RendererTest, AZeroWidthTrackIsStillOnePixelWide) {
  track(kLayerC2, {10500, -50500}, {90500, -50500}, 0);
  EXPECT_EQ(at(50500, -50500), scheme.layer(kLayerC2));
  EXPECT_EQ(at(50500, -52500), kBlackBg);
}

TEST_F(RendererTest, APureHoleShowsOnlyACrossedHole) {
  pad({50500, -50500}, 20000, 20000);  // drill equals the pad size
  EXPECT_TRUE(near(at(50500, -50500), scheme.layer(kLayerC1))) << "the cross passes the centre";
  EXPECT_EQ(at(50500 + 10000, -50500), kBlackBg) << "inside the hole, off the cross";
  EXPECT_EQ(at(50500 + 25000, -50500), kBlackBg) << "no copper ring";
}

TEST_F(RendererTest, ANormalPadShowsItsRingAroundTheHole) {
  pad({50500, -50500}, 30000, 10000);
  EXPECT_EQ(at(50500, -50500), kBlackBg) << "hole in the background colour";
  EXPECT_EQ(at(50500 + 20000, -50500), scheme.layer(kLayerC1));
}

TEST_F(RendererTest, ACutoutIsShownOnlyWhenSelected) {
  board.header.activeLayer = kLayerC1;
  board.header.groundPlane[kLayerC1 - 1] = 1;
  TObjekt& cut = track(kLayerC1, {10000, -50000}, {90000, -50000}, 10000);
  cut.cutout = 1;
  const Rgb plane = groundPlaneColour(scheme, kLayerC1, true);
  EXPECT_EQ(at(50500, -20500), plane);
  EXPECT_EQ(at(50500, -50500), kBlackBg) << "the cut-out removes plane copper but is not drawn";
  cut.selected = 1;
  redraw();
  EXPECT_EQ(at(50500, -50500), (Rgb{255, 170, 255}));
}

TEST_F(RendererTest, TheClearanceGapSurroundsCopperInTheGroundPlane) {
  board.header.activeLayer = kLayerC1;
  board.header.groundPlane[kLayerC1 - 1] = 1;
  TObjekt& t = track(kLayerC1, {10000, -50500}, {90000, -50500}, 10000);
  t.clearance = 10000;  // 1 mm gap: 10 pixels on each side of the 1 mm wide track
  const Rgb plane = groundPlaneColour(scheme, kLayerC1, true);
  EXPECT_EQ(at(50500, -50500), scheme.layer(kLayerC1));
  EXPECT_EQ(at(50500, -50500 + 9500), kBlackBg);
  EXPECT_EQ(at(50500, -50500 - 9500), kBlackBg);
  EXPECT_EQ(at(50500, -50500 + 17500), plane);
  EXPECT_EQ(at(50500, -50500 - 17500), plane);
}

TEST_F(RendererTest, ThermalSpokesBridgeTheClearanceGap) {
  board.header.activeLayer = kLayerC1;
  board.header.groundPlane[kLayerC1 - 1] = 1;
  TObjekt& p = pad({50500, -50500}, 10000, 3000);
  p.clearance = 10000;
  p.optB = 1;  // spokes up, right, down and left
  const Rgb plane = groundPlaneColour(scheme, kLayerC1, true);
  EXPECT_EQ(at(50500 + 15000, -50500), plane) << "spoke to the right";
  EXPECT_EQ(at(50500, -50500 + 15000), plane) << "spoke upwards";
  EXPECT_EQ(at(50500 + 12000, -50500 + 12000), kBlackBg) << "gap between the spokes";
}

TEST_F(RendererTest, AHatchedZoneLeavesGapsBetweenItsLines) {
  TObjekt z = newObject();
  initZone(z, 5000, kLayerC2);  // automatic hatch: pitch 10000, lines 5000 wide
  z.optB = 1;
  for (FPoint p : {FPoint{10000, -10000}, FPoint{90000, -10000}, FPoint{90000, -90000},
                   FPoint{10000, -90000}}) {
    addPoint(z, p);
  }
  add(std::move(z));
  EXPECT_EQ(at(50500, -50500), scheme.layer(kLayerC2)) << "on a hatch line";
  EXPECT_EQ(at(45500, -45500), kBlackBg) << "between the lines";
}

// A filled arc shows exactly its copper: the disc segment cut off by the chord and the bar
// along the chord, which for a narrow ring leaves the area near the centre free.
TEST_F(RendererTest, AFilledArcShowsItsCopperOutline) {
  // Each probe lies where the pie slice and the segment differ.
  struct Case {
    std::int32_t start;
    std::int32_t stop;
    FPoint probe;
    bool copper;
  };
  const Case cases[] = {{0, 90000, {60500, -40500}, false},
                        {30000, 150000, {50500, -39500}, false},
                        {300000, 60000, {60500, -49500}, false},
                        {0, 270000, {60500, -60500}, true}};
  int copperPixels = 0;
  int freePixels = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    board.objects.clear();
    TObjekt arc = newObject();
    initCircle(arc, {50000, -50000}, 40000, kLayerC2, 36000);
    arc.optA = 1;
    arc.paramA = c.start;
    arc.width = c.stop;
    const TPolygon32 copper = objectOutline(arc, {}, 1);
    add(std::move(arc));
    redraw();
    EXPECT_EQ(at(c.probe.x, c.probe.y), c.copper ? scheme.layer(kLayerC2) : kBlackBg);
    // Pixels whose centre and four neighbours agree with the copper outline show copper or
    // background exactly.
    for (int row = 0; row < 100; ++row) {
      for (int col = 0; col < 100; ++col) {
        const double x = col * 1000 + 500;
        const double y = -(row * 1000 + 500);
        auto inside = [&](double dx, double dy) {
          return pointInPolygon(copper, toFixedPoint(x + dx, y + dy, 1));
        };
        const bool centre = inside(0, 0);
        if (centre != inside(1000, 0) || centre != inside(-1000, 0) || centre != inside(0, 1000) ||
            centre != inside(0, -1000)) {
          continue;
        }
        (centre ? copperPixels : freePixels)++;
        ASSERT_EQ(at(x, y), centre ? scheme.layer(kLayerC2) : kBlackBg) << col << "," << row;
      }
    }
  }
  EXPECT_GT(copperPixels, 1000);
  EXPECT_GT(freePixels, 1000);
}

TEST_F(RendererTest, TransparentModeAddsOverlappingLayers) {
  options.transparent = true;
  track(kLayerC1, {10000, -50000}, {90000, -50000}, 20000);
  track(kLayerC2, {50000, -10000}, {50000, -90000}, 20000);
  const Rgb c1 = scheme.layer(kLayerC1);
  const Rgb c2 = scheme.layer(kLayerC2);
  auto add = [](std::uint8_t a, std::uint8_t b) { return std::uint8_t(std::min(255, a + b)); };
  EXPECT_EQ(at(50500, -50500), (Rgb{add(c1.r, c2.r), add(c1.g, c2.g), add(c1.b, c2.b)}));
  EXPECT_EQ(at(20500, -50500), c1);
}

// Two crossing strokes of one layer, or a zone's rim over its own fill, must not brighten
// (darken) where they overlap: only different layers mix.
TEST_F(RendererTest, TransparentModeMixesLayersButNotAnObjectWithItself) {
  options.transparent = true;
  for (const Rgb background : {Rgb{0, 0, 0}, Rgb{255, 255, 255}}) {
    SCOPED_TRACE(int(background.r));
    scheme.colours[kSlotBackground] = background;
    board.objects.clear();
    track(kLayerC1, {10000, -50000}, {90000, -50000}, 20000);
    track(kLayerC1, {50000, -10000}, {50000, -90000}, 20000);
    TObjekt z = newObject();
    initZone(z, 4000, kLayerC2);
    for (FPoint p : {FPoint{5000, -5000}, FPoint{30000, -5000}, FPoint{30000, -30000}}) {
      addPoint(z, p);
    }
    add(std::move(z));
    redraw();
    const Rgb c1 = at(20500, -50500);
    EXPECT_EQ(at(50500, -50500), c1) << "crossing of two tracks on one layer";
    EXPECT_EQ(at(25500, -20500), at(29500, -5500)) << "zone fill under its rim";
    track(kLayerC2, {10000, -50000}, {90000, -50000}, 20000);
    redraw();
    EXPECT_NE(at(20500, -50500), c1) << "a track on another layer mixes with it";
  }
}

TEST_F(RendererTest, ATrackFarOffScreenAtTheHighestZoomIsStillDrawn) {
  view.zoom = 2.0;
  view.scrollX = 100000;  // world x 50000 at column 0
  view.scrollY = 100000;
  // Both ends lie millions of pixels outside the frame; the track crosses the view.
  track(kLayerC2, {-1000000, -50010}, {3000000, -50010}, 20);
  EXPECT_EQ(at(50010, -50010), scheme.layer(kLayerC2));
  EXPECT_EQ(at(50010, -50040), kBlackBg);
}

TEST_F(RendererTest, RubberBandsJoinConnectedPads) {
  TObjekt& a = pad({20500, -50500}, 5000, 1000);
  TObjekt& b = pad({80500, -50500}, 5000, 1000);
  a.connections.push_back(&b);
  b.connections.push_back(&a);
  EXPECT_EQ(at(50500, -50500), scheme.colours[kSlotRubberBand]);
  options.transparent = true;
  redraw();
  EXPECT_EQ(at(50500, -50500), scheme.colours[kSlotRubberBand])
      << "a symmetric connection is drawn once, not added twice";
}

// Rubber bands meeting at a pad overlap in anti-aliased edge pixels, where the drawing order
// shows: the picture must be the same whichever pad the allocator put first in memory.
TEST_F(RendererTest, RubberBandsDoNotDependOnWhereThePadsLiveInMemory) {
  const std::unique_ptr<Board> sample = testing::sampleBoard("Sample");
  // The same objects allocated last to first, connections pointing at the new copies.
  Board reversed;
  reversed.header = sample->header;
  std::vector<std::unique_ptr<TObjekt>> copies(sample->objects.size());
  for (std::size_t i = copies.size(); i-- > 0;) {
    copies[i] = std::make_unique<TObjekt>(*sample->objects[i]);
  }
  for (auto& copy : copies) {
    for (TObjekt*& partner : copy->connections) {
      partner = copies[indexOf(sample->objects, partner)].get();
    }
    copy->routeEndA = copy->routeEndB = nullptr;
    reversed.objects.push_back(std::move(copy));
  }
  for (auto& o : sample->objects) o->routeEndA = o->routeEndB = nullptr;
  const ViewTransform at200dpi{200.0 / 254000, 0, 0};
  const Frame first = renderBoard(*sample, at200dpi, scheme, options, 630, 394);
  const Frame second = renderBoard(reversed, at200dpi, scheme, options, 630, 394);
  int differing = 0;
  for (int y = 0; y < first.height; ++y) {
    for (int x = 0; x < first.width; ++x) differing += first.at(x, y) != second.at(x, y);
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(RendererTest, HiddenLayersAndLabelsAreNotDrawn) {
  track(kLayerS2, {10000, -50000}, {90000, -50000}, 20000);
  board.header.layerVisible[kLayerS2 - 1] = 0;
  EXPECT_EQ(at(50500, -50500), kBlackBg);
  board.header.activeLayer = kLayerS2;
  redraw();
  EXPECT_EQ(at(50500, -50500), scheme.layer(kLayerS2)) << "the active layer is always shown";
}

TEST_F(RendererTest, SelectedObjectsOnHiddenLayersAreNotDrawn) {
  // A cut-out shows only on its active layer with the plane on; here the plane is off.
  TObjekt& cut = track(kLayerC2, {10000, -70000}, {90000, -70000}, 10000);
  cut.cutout = 1;
  cut.selected = 1;
  EXPECT_EQ(at(50500, -70500), kBlackBg);
  EXPECT_EQ(at(10500, -70500), kBlackBg) << "no node handle either";
  TObjekt& silk = track(kLayerS2, {10000, -30000}, {90000, -30000}, 10000);
  silk.selected = 1;
  board.header.layerVisible[kLayerS2 - 1] = 0;
  redraw();
  EXPECT_EQ(at(50500, -30500), kBlackBg);
}

TEST_F(RendererTest, DraggedObjectsAreTranslucentOverTheSavedPicture) {
  frame = renderBoard(board, view, scheme, options, 100, 100);
  TObjekt moved = newObject();
  initTrack(moved, 20000, kLayerC2);
  addPoint(moved, {10000, -50000});
  addPoint(moved, {90000, -50000});
  drawDragPreview(frame, {moved}, view, scheme, options);
  const Rgb c2 = scheme.layer(kLayerC2);
  EXPECT_TRUE(near(at(50500, -50500), Rgb{0, std::uint8_t(c2.g * 230 / 255), 0}));
}

}  // namespace
}  // namespace pravelo
