#include "view/frame_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "geometry/bounding_box.h"
#include "project/boards.h"
#include "support/sample_layout.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

// A 20 mm x 15 mm board with tracks, a pad and a zone, seen at two pixels per 0.1 mm with the
// grid on, so that every kind of drawing meets the edges of the parts drawn anew.
class FrameCacheTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 160;
  static constexpr int kHeight = 120;

  FrameCacheTest() {
    board.header = newBoardHeader(200000, 150000);
    view.zoom = 0.002;
    view.scrollX = 40;
    view.scrollY = 30;
    for (int i = 0; i < 6; ++i) {
      const float x = 10000.0f + 25000.0f * static_cast<float>(i);
      TObjekt t = testing::strokeTrack(x, -5000, x + 30000, -140000, kLayerC2);
      t.width = 4000 + 1000 * i;
      testing::add(board, std::move(t));
    }
    TObjekt p = newObject();
    initPad(p, {100000, -75000}, kLayerC1, kPadCircular, 4000, 12000);
    testing::add(board, std::move(p));
    TObjekt z = newObject();
    initZone(z, 2000, kLayerC1);
    for (FPoint corner : {FPoint{20000, -20000}, FPoint{80000, -30000}, FPoint{50000, -90000}}) {
      addPoint(z, corner);
    }
    testing::add(board, std::move(z));
  }

  const Frame& cached(const ViewTransform& v) {
    return cache.picture(board, v, scheme, options, kWidth, kHeight);
  }
  Frame fresh(const ViewTransform& v) const {
    return renderBoard(board, v, scheme, options, kWidth, kHeight);
  }

  Board board;
  ViewTransform view;
  ColourScheme scheme = standardScheme();
  RenderOptions options;
  FrameCache cache;
};

// Parts drawn on their own may differ from a full redraw by one level of anti-aliasing, where
// the subpixel position of an edge rounds the other way; a misplaced part differs by far more.
int maxDifference(const Frame& a, const Frame& b) {
  int most = 0;
  for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
    most = std::max(most, std::abs(a.pixels[i] - b.pixels[i]));
  }
  return a.pixels.size() == b.pixels.size() ? most : 255;
}

TEST_F(FrameCacheTest, ScrollingKeepsThePictureOfAFullRedraw) {
  // clang-format off
  const struct { std::int64_t dx, dy; } scrolls[] = {
      {30, 0}, {-30, 0}, {0, 25}, {0, -25}, {17, -9}, {-1, 1}, {kWidth, 0}, {-500, 700}};
  // clang-format on
  cached(view);
  ViewTransform v = view;
  for (const auto& s : scrolls) {
    v.scrollX += s.dx;
    v.scrollY += s.dy;
    EXPECT_LE(maxDifference(cached(v), fresh(v)), 1) << s.dx << ", " << s.dy;
  }
}

TEST_F(FrameCacheTest, ObjectsAreDrawnAnewOnlyWhereTheyChanged) {
  const Frame before = cached(view);
  TObjekt& moved = *board.objects[2];
  // Without a refresh the cached picture stays, even though the board changed.
  moved.selected = 1;
  EXPECT_EQ(cached(view).pixels, before.pixels);

  const auto part = cache.refresh(board, scheme, options, objectBounds(moved, SpokeLayer{}));
  ASSERT_TRUE(part.has_value());
  EXPECT_LT(part->width, kWidth);
  const Frame& after = cached(view);
  EXPECT_LE(maxDifference(after, fresh(view)), 1);
  int changedOutside = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool inside =
          x >= part->x && x < part->x + part->width && y >= part->y && y < part->y + part->height;
      if (!inside && !(after.at(x, y) == before.at(x, y))) ++changedOutside;
    }
  }
  EXPECT_EQ(changedOutside, 0);
}

TEST_F(FrameCacheTest, ChangesOutOfViewDrawNothing) {
  cached(view);
  EXPECT_FALSE(cache.refresh(board, scheme, options, {900000, -900000, 950000, -850000}));
  cache.invalidate();
  EXPECT_FALSE(cache.refresh(board, scheme, options, objectBounds(*board.objects[0], {})));
}

TEST(FramePixels, WorldRectanglesBecomeWidenedPixelsCutToTheFrame) {
  ViewTransform v;  // zoom 0.001
  v.scrollX = 100;
  // 11 mm to 12 mm right, 0.5 mm to 1 mm down: columns 10..20 and rows 5..10 after scrolling.
  EXPECT_EQ(framePixelsOf(v, {110000, -10000, 120000, -5000}, 200, 200), (PixelRect{6, 1, 19, 14}));
  EXPECT_EQ(framePixelsOf(v, {0, -10000, 10000, -5000}, 200, 200), std::nullopt);
  EXPECT_EQ(framePixelsOf(v, {0, -10000, 500000, -5000}, 200, 200), (PixelRect{0, 1, 200, 14}));
}

}  // namespace
}  // namespace pravelo
