#include "view/canvas.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

TEST(Canvas, ThinStrokesAreStillOnePixelWide) {
  Frame frame(20, 20);
  Canvas canvas(frame, true);
  canvas.clear(kBlack);
  canvas.strokePolyline({{2, 10.5}, {18, 10.5}}, 0.01, LineCap::Butt, {kWhite});
  EXPECT_EQ(frame.at(10, 10), kWhite);
  EXPECT_EQ(frame.at(10, 9), kBlack);
  EXPECT_EQ(frame.at(10, 11), kBlack);
}

TEST(Canvas, GeometryFarOutsideTheFrameIsClippedExactly) {
  // A horizontal band whose ends lie billions of pixels away, as at the highest zoom.
  Frame frame(40, 40);
  Canvas canvas(frame, true);
  canvas.clear(kBlack);
  canvas.strokePolyline({{-4e9, 20}, {4e9, 20}}, 6, LineCap::Round, {kWhite});
  EXPECT_EQ(frame.at(0, 20), kWhite);
  EXPECT_EQ(frame.at(39, 20), kWhite);
  EXPECT_EQ(frame.at(20, 10), kBlack);
}

TEST(Canvas, AdditionSaturatesAndSubtractionDarkens) {
  Frame frame(10, 10);
  Canvas canvas(frame, true);
  canvas.clear({100, 0, 200});
  canvas.fillRect(0, 0, 10, 10, {{200, 50, 100}, Blend::Add});
  EXPECT_EQ(frame.at(5, 5), (Rgb{255, 50, 255}));

  canvas.clear(kWhite);
  canvas.fillRect(0, 0, 10, 10, {{255, 155, 55}, Blend::Subtract});
  EXPECT_EQ(frame.at(5, 5), (Rgb{255, 155, 55}));
  canvas.fillRect(0, 0, 10, 10, {{255, 155, 55}, Blend::Subtract});
  EXPECT_EQ(frame.at(5, 5), (Rgb{255, 55, 0}));
}

TEST(Canvas, PlainPathHasNoIntermediateShades) {
  Frame frame(30, 30);
  Canvas canvas(frame, false);
  canvas.clear(kBlack);
  canvas.disc({15.3, 14.7}, 9.2, {kWhite});
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const Rgb c = frame.at(x, y);
      EXPECT_TRUE(c == kWhite || c == kBlack) << x << "," << y;
    }
  }
  EXPECT_EQ(frame.at(15, 15), kWhite);
}

TEST(Canvas, ClipRectangleLimitsDrawing) {
  Frame frame(20, 20);
  Canvas canvas(frame, true);
  canvas.clear(kBlack);
  canvas.clipTo(5, 5, 10, 10);
  canvas.fillRect(0, 0, 20, 20, {kWhite});
  EXPECT_EQ(frame.at(7, 7), kWhite);
  EXPECT_EQ(frame.at(10, 7), kBlack);
  EXPECT_EQ(frame.at(4, 7), kBlack);
}

TEST(Canvas, ArcsRunAnticlockwiseFromTheirStartAngle) {
  Frame frame(40, 40);
  Canvas canvas(frame, true);
  canvas.clear(kBlack);
  // The quarter from 0 to 90 degrees lies to the right of and above the centre.
  canvas.strokeArc({20, 20}, 15, 0, 90, 3, LineCap::Butt, {kWhite});
  EXPECT_EQ(frame.at(30, 9), kWhite);   // 45 degrees: up and right
  EXPECT_EQ(frame.at(9, 30), kBlack);   // 225 degrees: not part of the arc
  EXPECT_EQ(frame.at(30, 30), kBlack);  // 315 degrees
}

TEST(Canvas, AChordSegmentAndItsBarArePaintedOnceWhereTheyOverlap) {
  Frame frame(40, 40);
  Canvas canvas(frame, true);
  canvas.clear(kBlack);
  // Quarter from (35, 20) to (20, 5); the bar runs parallel to the chord and overlaps the
  // segment beyond it.
  canvas.fillChordSegment({20, 20}, 15, 0, 90, {33, 20}, {20, 7}, 8, {kWhite, Blend::Normal, 128});
  const Rgb barOnly = frame.at(24, 12);
  EXPECT_EQ(barOnly, (Rgb{128, 128, 128}));
  EXPECT_EQ(frame.at(28, 11), barOnly) << "bar over the segment";
  EXPECT_EQ(frame.at(21, 19), kBlack) << "near the centre";
}

}  // namespace
}  // namespace pravelo
