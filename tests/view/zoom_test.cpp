#include "view/zoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pravelo {
namespace {

TEST(Zoom, EveryZoomIsRoundedToFiveDecimalsAndClamped) {
  struct Case {
    double in;
    double out;
  };
  const Case cases[] = {{0.001, 0.001},
                        {0.0013, 0.0013},
                        {0.00123456, 0.00123},
                        {0.00076923, 0.00077},
                        {5, 2},
                        {2.0000049, 2},
                        {0, 0.0001},
                        {-1, 0.0001},
                        {0.000049, 0.0001},
                        {std::nan(""), 0.001},
                        {std::numeric_limits<double>::infinity(), 2}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(normalisedZoom(c.in), c.out) << c.in;
}

// A 160 x 100 mm board in an 800 x 600 viewport, scrolled so that (800000, -500000) is in the
// middle.
class ZoomTest : public ::testing::Test {
 protected:
  const ViewFrame frame{{800, 600}, 1600000, 1000000};
  const ViewTransform view{0.001, 400, 200};
};

TEST_F(ZoomTest, ZoomInAndOutKeepTheMiddle) {
  const DPoint middle = viewCentre(view, frame.viewport);
  EXPECT_EQ(middle, (DPoint{800000, -500000}));
  const ViewTransform in = zoomIn(view, frame, kWheelZoomFactor);
  EXPECT_DOUBLE_EQ(in.zoom, 0.0013);
  EXPECT_EQ(in.scrollX, 640);  // 800000 x 0.0013 - 400
  EXPECT_EQ(in.scrollY, 350);  // 500000 x 0.0013 - 300
  const ViewTransform out = zoomOut(view, frame, kWheelZoomFactor);
  EXPECT_DOUBLE_EQ(out.zoom, 0.00077);
  EXPECT_EQ(out.scrollX, 216);
  EXPECT_EQ(out.scrollY, 85);
}

TEST_F(ZoomTest, ScrollStaysOnTheDrawingSurface) {
  // Centring on the board's corner would scroll before its start.
  const ViewTransform atCorner = setZoom(view, frame, 0.001, DPoint{0, 0});
  EXPECT_EQ(atCorner.scrollX, 0);
  EXPECT_EQ(atCorner.scrollY, 0);
  const ViewTransform atFarCorner = setZoom(view, frame, 0.001, DPoint{1600000, -1000000});
  EXPECT_EQ(atFarCorner.scrollX, 801);  // 1601 - 800
  EXPECT_EQ(atFarCorner.scrollY, 401);
  // A board smaller than the viewport is not scrolled at all.
  EXPECT_EQ(zoomOut(view, frame, 4).scrollX, 0);
}

TEST_F(ZoomTest, FitBoard) {
  const ViewTransform v = fitBoard(view, {{1000, 600}, 1600000, 1000000});
  EXPECT_DOUBLE_EQ(v.zoom, 0.00059);  // min(990 / 1.6e6, 590 / 1e6)
  EXPECT_EQ(v.scrollX, 0);
  EXPECT_EQ(v.scrollY, 0);
}

TEST_F(ZoomTest, FitObjects) {
  const ViewFrame f{{820, 620}, 1600000, 1000000};
  const auto v = fitObjects(view, f, {100000, -300000, 300000, -100000});
  ASSERT_TRUE(v);
  EXPECT_DOUBLE_EQ(v->zoom, 0.003);  // min(800, 600) / 200000
  EXPECT_EQ(v->scrollX, 190);        // 200000 x 0.003 - 410
  EXPECT_EQ(v->scrollY, 290);
  EXPECT_FALSE(fitObjects(view, f, {0, 0, 49, 1000}));
  EXPECT_FALSE(fitObjects(view, f, {0, 0, 1000, 49}));
  EXPECT_FALSE(fitObjects(view, f, {}));
  EXPECT_TRUE(fitObjects(view, f, {0, 0, 50, 50}));
}

TEST_F(ZoomTest, FitSelectionFillsEightyPercentButNotBeyondAllObjects) {
  const ViewFrame f{{1020, 520}, 1600000, 1000000};
  const TRect selection{100000, -140000, 180000, -100000};
  const auto v = fitSelection(view, f, selection, {0, -1000000, 1000000, 0});
  ASSERT_TRUE(v);
  EXPECT_DOUBLE_EQ(v->zoom, 0.01);  // 1000 / 100000, 500 / 50000
  EXPECT_EQ(v->scrollX, 890);       // 140000 x 0.01 - 510
  EXPECT_EQ(v->scrollY, 940);       // 120000 x 0.01 - 260
  const auto capped = fitSelection(view, f, selection, selection);
  ASSERT_TRUE(capped);
  EXPECT_DOUBLE_EQ(capped->zoom, 0.0125);  // 1000 / 80000
  EXPECT_FALSE(fitSelection(view, f, {0, 0, 9, 100}, selection));
  EXPECT_TRUE(fitSelection(view, f, {0, 0, 10, 10}, selection));
}

TEST_F(ZoomTest, WheelUpCentresOnThePointUnderThePointer) {
  const auto r = wheelZoomIn(view, frame, {300, 200});  // world (700000, -400000)
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ(r->view.zoom, 0.0013);
  EXPECT_EQ(r->view.scrollX, 510);
  EXPECT_EQ(r->view.scrollY, 220);
  EXPECT_NEAR(r->pointer.x, 400, 1e-9);
  EXPECT_NEAR(r->pointer.y, 300, 1e-9);
}

TEST_F(ZoomTest, WheelUpKeepsThePointOnTheBoardAndThePointerOnIt) {
  // Left of and above the board: the centre is clamped to its corner, which the scroll limit
  // then keeps at the surface origin.
  const auto r = wheelZoomIn({0.001, 0, 0}, frame, {-50, -20});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->view.scrollX, 0);
  EXPECT_EQ(r->view.scrollY, 0);
  EXPECT_EQ(r->pointer, (DPoint{0, 0}));
  EXPECT_FALSE(wheelZoomIn({2.0, 0, 0}, frame, {10, 10}));
}

TEST_F(ZoomTest, WheelDownKeepsTheMiddleAndMovesThePointerWithItsPoint) {
  const auto r = wheelZoomOut(view, frame, {100, 100});  // world (500000, -300000)
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ(r->view.zoom, 0.00077);
  EXPECT_NEAR(r->pointer.x, 169, 1e-9);  // 385 - 216
  EXPECT_NEAR(r->pointer.y, 146, 1e-9);  // 231 - 85
  EXPECT_FALSE(wheelZoomOut({0.000105, 0, 0}, frame, {10, 10}));
  EXPECT_TRUE(wheelZoomOut({0.00011, 0, 0}, frame, {10, 10}));
}

}  // namespace
}  // namespace pravelo
