#include "editing/crosshair_overlay.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pravelo::testing {
namespace {

constexpr Rgb kBlackBackground{0, 0, 0};
constexpr Rgb kWhiteBackground{255, 255, 255};

// A 400 x 300 view at one pixel per 1000 units, the board's top-left corner at (0, 0).
OverlayContext context(Rgb background = kBlackBackground) {
  OverlayContext c;
  c.view.zoom = 0.001;
  c.width = 400;
  c.height = 300;
  c.background = background;
  c.boxTextWidth = 90;
  return c;
}

CrosshairOverlay shownAt(double x, double y) {
  CrosshairOverlay o;
  showAt(o, {x, y});
  return o;
}

std::vector<BoxRowText> rows(const CrosshairOverlay& o) {
  return boxRowTexts(o, {0, -100000}, LengthUnit::Mm);
}

TEST(MeasuredAngle, LiesBetweenZeroAndNinetyFromTheNearerAxis) {
  const struct {
    DPoint to;
    double degrees;
  } cases[] = {
      {{0, 0}, 0},          // to itself
      {{0, 1000}, 90},      // straight up
      {{0, -1000}, 90},     // straight down
      {{1000, 0}, 0},       // right
      {{-1000, 0}, 0},      // left
      {{1000, -1000}, 45},  // right and down
      {{1000, 1000}, 45},   // right and up
      {{-1000, -1000}, 45}, {{-1000, 1000}, 45},
      {{-10000, 875}, 5},  // left, slightly up: from the 180° axis, not near 180°
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(measuredAngle({0, 0}, c.to), c.degrees, 0.01) << c.to.x << " " << c.to.y;
  }
}

TEST(BoxRows, MeasuringShowsDeltasDistanceAndAngle) {
  const struct English {
    Language before = currentLanguage();
    English() { setLanguage(Language::English); }
    ~English() { setLanguage(before); }
  } english;
  CrosshairOverlay o = shownAt(30000, -60000);
  o.mode = OverlayMode::Measuring;
  o.showDelta = true;
  o.reference = {0, -20000};
  const auto r = rows(o);
  ASSERT_EQ(r.size(), 6u);
  const char* expected[][2] = {{"X:", "3.000 mm"},    {"Y:", "4.000 mm"},
                               {"dX:", "3.000 mm"},   {"dY:", "-4.000 mm"},
                               {"Dist:", "5.000 mm"}, {"Angle:", "53.1\u00B0"}};
  for (std::size_t i = 0; i < r.size(); ++i) {
    EXPECT_EQ(r[i].label, expected[i][0]);
    EXPECT_EQ(r[i].value, expected[i][1]);
    EXPECT_EQ(r[i].group, static_cast<int>(i / 2));
  }
}

TEST(BoxRows, MeasuringToItselfShowsZeros) {
  CrosshairOverlay o = shownAt(10000, -10000);
  o.mode = OverlayMode::Measuring;
  o.showDelta = true;
  o.reference = o.lastPoint;
  const auto r = rows(o);
  EXPECT_EQ(r[2].value, "0.000 mm");
  EXPECT_EQ(r[3].value, "0.000 mm");
  EXPECT_EQ(r[4].value, "0.000 mm");
  EXPECT_EQ(r[5].value, "0\u00B0");
}

TEST(BoxRows, ArcRowsAndPlainCrosshair) {
  CrosshairOverlay o = shownAt(0, 0);
  EXPECT_EQ(rows(o).size(), 2u);
  o.showDelta = true;
  o.arcRows = true;
  o.arcStart = 12.5;
  o.arcStop = 270;
  o.arcDiameter = 25400;
  const auto r = rows(o);
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[2].label + " " + r[2].value, "Start: 12.50\u00B0");
  EXPECT_EQ(r[3].label + " " + r[3].value, "Stop: 270.00\u00B0");
  EXPECT_EQ(r[4].label + " " + r[4].value, "DM: 2.540 mm");
}

TEST(CoordinatesPanel, TakesTheDeltaRowsOnlyWhenTheBoxIsOff) {
  CrosshairOverlay o = shownAt(20000, 0);
  o.showDelta = true;
  CrosshairOptions boxOff;
  boxOff.box = false;
  const auto panel = coordinatesPanel(o, boxOff, LengthUnit::Mm);
  ASSERT_TRUE(panel);
  EXPECT_EQ((*panel)[0].caption, "dX:");
  EXPECT_EQ((*panel)[2].value, "2.000 mm");
  EXPECT_EQ((*panel)[0].value, "2.000 mm");
  EXPECT_FALSE(coordinatesPanel(o, CrosshairOptions{}, LengthUnit::Mm));
  o.mode = OverlayMode::Measuring;  // the Measure tool keeps its box
  EXPECT_FALSE(coordinatesPanel(o, boxOff, LengthUnit::Mm));
  o.mode = OverlayMode::Normal;
  o.showDelta = false;
  EXPECT_FALSE(coordinatesPanel(o, boxOff, LengthUnit::Mm));
}

TEST(BoxPlace, BesideThePointerAndInsideTheFrame) {
  // A 94 pixel text area (the box is drawn 4 wider and 2 higher), 30 high.
  const struct {
    IPoint pointer;
    bool left;
    int frameHeight;
    BoxPlace expected;
  } cases[] = {
      {{5, 5}, false, 300, {25, 25}},  // top left corner: +20/+20
      {{100, 100}, false, 300, {120, 120}},
      {{200, 100}, true, 300, {86, 120}},    // left of the pointer
      {{100, 100}, true, 300, {120, 120}},   // left would leave the view: right again
      {{350, 100}, false, 300, {236, 120}},  // near the right edge: to the left
      {{100, 280}, false, 300, {120, 230}},  // near the bottom: above
      // The text area would end at 398, the drawn box at 402: kept inside.
      {{284, 100}, false, 300, {302, 120}},
      // A low view: above the pointer would start 20 pixels above the view.
      {{100, 30}, false, 60, {120, 2}},
  };
  for (const auto& c : cases) {
    const BoxPlace p = placeBox(c.pointer, 94, 30, 400, c.frameHeight, c.left);
    EXPECT_EQ(p.x, c.expected.x) << c.pointer.x << "," << c.pointer.y;
    EXPECT_EQ(p.y, c.expected.y) << c.pointer.x << "," << c.pointer.y;
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x + 94 + 4, 400);
    EXPECT_GE(p.y - 2, 0);
    EXPECT_LE(p.y + 30, c.frameHeight);
  }
  // A view smaller than the box puts it at its top left corner.
  const BoxPlace small = placeBox({30, 20}, 94, 30, 60, 40, false);
  EXPECT_EQ(small.x, 0);
  EXPECT_EQ(small.y, 2);
}

TEST(OverlayFigure, NothingWhileHidden) {
  CrosshairOverlay o;
  const OverlayFigure f = overlayFigure(o, context());
  EXPECT_TRUE(f.shapes.empty());
  EXPECT_FALSE(f.box);
}

bool isRed(const OverlayShape& s) { return s.colour == Rgb{255, 0, 0}; }

TEST(OverlayFigure, CaptureMarkLeavesAGapAroundThePointer) {
  CrosshairOverlay o = shownAt(100000, -100000);  // pixel (100, 100), centre 100.5
  setCaptured(o, true);
  OverlayContext ctx = context();
  ctx.options.diagonals = false;
  const OverlayFigure f = overlayFigure(o, ctx);
  std::vector<OverlayShape> red;
  for (const auto& s : f.shapes) {
    if (isRed(s)) red.push_back(s);
  }
  ASSERT_EQ(red.size(), 8u);
  for (const auto& s : red) {
    ASSERT_EQ(s.points.size(), 2u);
    const DPoint a = s.points[0];
    const DPoint b = s.points[1];
    if (a.y == b.y) {
      EXPECT_TRUE(a.y == 99.5 || a.y == 101.5);
      EXPECT_TRUE((a.x == 0 && b.x == 80.5) || (a.x == 120.5 && b.x == 400));
    } else {
      EXPECT_TRUE(a.x == 99.5 || a.x == 101.5);
      EXPECT_TRUE((a.y == 0 && b.y == 80.5) || (a.y == 120.5 && b.y == 300));
    }
  }
  setCaptured(o, false);
  for (const auto& s : overlayFigure(o, ctx).shapes) EXPECT_FALSE(isRed(s));
}

TEST(OverlayFigure, ContrastColourAndBoxStyleFollowBackgroundAndOptions) {
  CrosshairOverlay o = shownAt(100000, -100000);
  for (const Rgb background : {kBlackBackground, kWhiteBackground}) {
    const Rgb contrast = background == kBlackBackground ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    const OverlayFigure f = overlayFigure(o, context(background));
    // Diagonals, then the crosshair.
    ASSERT_EQ(f.shapes.size(), 4u);
    for (const auto& s : f.shapes) EXPECT_EQ(s.colour, contrast);
    EXPECT_DOUBLE_EQ(f.shapes[0].width, background == kBlackBackground ? 0.4 : 0.2);
  }
  OverlayContext ctx = context();
  const struct {
    bool black, translucent;
    Rgb fill;
    int opacity;
    bool outline;
    Rgb firstRow;
  } styles[] = {
      {true, true, {0, 0, 0}, 180, false, {255, 255, 255}},
      {true, false, {0, 0, 0}, 255, false, {255, 255, 255}},
      {false, true, {255, 255, 225}, 240, true, {0, 0, 0}},
      {false, false, {255, 255, 225}, 255, true, {0, 0, 0}},
  };
  for (const auto& s : styles) {
    ctx.options.black = s.black;
    ctx.options.translucent = s.translucent;
    const auto box = overlayFigure(o, ctx).box;
    ASSERT_TRUE(box);
    EXPECT_EQ(box->fill, s.fill);
    EXPECT_EQ(box->opacity, s.opacity);
    EXPECT_EQ(box->outline, s.outline);
    EXPECT_EQ(box->rows[0].colour, s.firstRow);
  }
  ctx.options.box = false;
  EXPECT_FALSE(overlayFigure(o, ctx).box);
  o.mode = OverlayMode::Measuring;
  EXPECT_TRUE(overlayFigure(o, ctx).box);
}

TEST(OverlayFigure, BoxRowsSitInTheirSlots) {
  CrosshairOverlay o = shownAt(100000, -100000);
  o.mode = OverlayMode::Measuring;
  o.showDelta = true;
  OverlayContext ctx = context();
  ctx.options.bigText = true;
  const auto box = overlayFigure(o, ctx).box;
  ASSERT_TRUE(box);
  EXPECT_EQ(box->rowHeight, 14);
  EXPECT_EQ(box->fontPixels, 12);
  EXPECT_EQ(box->width, 94);
  EXPECT_EQ(box->height, 5 * 14 + 16 + 14 + 2);
  EXPECT_EQ(box->x, 120);
  EXPECT_EQ(box->y, 120);
  EXPECT_EQ(box->top, 118);
  EXPECT_EQ(box->right, 218);
  const int tops[] = {120, 136, 154, 170, 188, 204};
  ASSERT_EQ(box->rows.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(box->rows[i].top, tops[i]);
}

TEST(OverlayFigure, DrawingPathPutsTheBoxLeftWhenThePointerIsLeftAndAbove) {
  CrosshairOverlay o = shownAt(200000, -100000);
  o.drawingPath = true;
  o.showDelta = true;
  o.reference = {250000, -150000};
  EXPECT_EQ(overlayFigure(o, context()).box->x, 200 - 94 - 20);
  o.reference = {250000, -50000};  // the pointer lies below the reference
  EXPECT_EQ(overlayFigure(o, context()).box->x, 220);
}

std::vector<OverlayShape> faded(const OverlayFigure& f) {
  std::vector<OverlayShape> result;
  for (const auto& s : f.shapes) {
    if (s.fadeRadius > 0) result.push_back(s);
  }
  return result;
}

TEST(OverlayFigure, ReferenceLineFadesToThePointerAndVanishesUnderAPixel) {
  CrosshairOverlay o = shownAt(130000, -140000);
  o.showRefLine = true;
  o.reference = {100000, -100000};  // 50 pixels away
  const OverlayFigure f = overlayFigure(o, context());
  const auto lines = faded(f);
  ASSERT_EQ(lines.size(), 2u);  // the bar, then the line
  EXPECT_DOUBLE_EQ(lines[0].width, 2);
  EXPECT_DOUBLE_EQ(lines[1].width, 1.5);
  for (const auto& s : lines) {
    EXPECT_NEAR(s.fadeRadius, 50, 1e-9);
    EXPECT_EQ(s.colour, (Rgb{204, 204, 204}));
  }
  // The bar stands across the line, 10 pixels to each side.
  const DPoint a = lines[0].points[0];
  const DPoint b = lines[0].points[1];
  EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 20, 1e-9);
  EXPECT_NEAR((b.x - a.x) * 30 + (b.y - a.y) * 40, 0, 1e-9);
  EXPECT_EQ(faded(overlayFigure(o, context(kWhiteBackground)))[0].colour, (Rgb{153, 153, 153}));

  // Less than a pixel away there is neither line nor bar (and nothing undefined to draw).
  for (const DPoint pointer : {DPoint{100000, -100000}, DPoint{100400, -100500}}) {
    showAt(o, pointer);
    const OverlayFigure near = overlayFigure(o, context());
    EXPECT_TRUE(faded(near).empty());
    for (const auto& s : near.shapes) {
      for (const DPoint p : s.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
  }
}

TEST(OverlayFigure, OriginDragDrawsALineFromTheOldOriginAndARingAtThePointer) {
  CrosshairOverlay o = shownAt(130000, -140000);
  o.mode = OverlayMode::OriginDrag;
  o.reference = {100000, -100000};
  OverlayContext ctx = context();
  ctx.options.diagonals = false;
  const OverlayFigure f = overlayFigure(o, ctx);
  ASSERT_EQ(faded(f).size(), 1u);  // the line, no bar
  std::vector<OverlayShape> rings;
  for (const auto& s : f.shapes) {
    if (s.closed) rings.push_back(s);
  }
  ASSERT_EQ(rings.size(), 2u);
  EXPECT_EQ(rings[0].colour, (Rgb{0, 0, 0}));  // inverted contrast, under
  EXPECT_DOUBLE_EQ(rings[0].width, 4);
  EXPECT_EQ(rings[1].colour, (Rgb{255, 255, 255}));
  EXPECT_DOUBLE_EQ(rings[1].width, 2);
  for (const DPoint p : rings[1].points) {
    EXPECT_NEAR(std::hypot(p.x - 130.5, p.y - 140.5), 6, 1e-9);
  }
  EXPECT_EQ(f.box->rows.size(), 2u);
}

TEST(OverlayFigure, MeasuringFigureWithItsAngleArc) {
  CrosshairOverlay o = shownAt(150000, -50000);
  o.mode = OverlayMode::Measuring;
  o.showDelta = true;
  o.reference = {100000, -100000};  // up and right by 50 pixels: 45°
  OverlayContext ctx = context();
  ctx.options.diagonals = false;
  const OverlayFigure f = overlayFigure(o, ctx);
  ASSERT_GE(f.shapes.size(), 7u);
  const OverlayShape& fill = f.shapes[0];
  EXPECT_EQ(fill.kind, OverlayShape::Fill);
  EXPECT_EQ(fill.opacity, 70);
  EXPECT_TRUE(f.shapes[1].dotted);
  EXPECT_TRUE(f.shapes[2].dotted);
  const OverlayShape& arc = f.shapes[6];
  EXPECT_DOUBLE_EQ(arc.width, 1.6);
  // From the 0° axis up to the line, 20 pixels around the reference.
  const DPoint r{100.5, 100.5};
  EXPECT_NEAR(arc.points.front().x, r.x + 20, 1e-9);
  EXPECT_NEAR(arc.points.front().y, r.y, 1e-9);
  EXPECT_NEAR(arc.points.back().x, r.x + 20 / std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(arc.points.back().y, r.y - 20 / std::sqrt(2.0), 1e-9);
  ctx.background = kWhiteBackground;
  EXPECT_EQ(overlayFigure(o, ctx).shapes[0].opacity, 60);
}

}  // namespace
}  // namespace pravelo::testing
