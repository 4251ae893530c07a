#include "view/view_transform.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace pravelo {
namespace {

struct MappingCase {
  DPoint world;
  DPoint screen;
};

// Zoom 0.001 (one pixel per 0.1 mm), scrolled by (100, 50): y up in the world is down on screen.
// clang-format off
const MappingCase kMappings[] = {
  {{0, 0}, {-100, -50}},
  {{1600000, -1000000}, {1500, 950}},
  {{0, 10000}, {-100, -60}},
  {{123456, -654321}, {23.456, 604.321}},
};
// clang-format on

TEST(ViewTransform, WorldToScreenAndBack) {
  const ViewTransform v{0.001, 100, 50};
  for (const MappingCase& c : kMappings) {
    const DPoint s = worldToScreen(v, c.world);
    EXPECT_NEAR(s.x, c.screen.x, 1e-9);
    EXPECT_NEAR(s.y, c.screen.y, 1e-9);
    const DPoint w = screenToWorld(v, c.screen);
    EXPECT_NEAR(w.x, c.world.x, 1e-6);
    EXPECT_NEAR(w.y, c.world.y, 1e-6);
  }
}

TEST(ViewTransform, MirroredPhotoViewFlipsXAboutTheBoard) {
  ViewTransform v{0.001, 0, 0, true, 1600000};
  EXPECT_EQ(worldToScreen(v, DPoint{0, -5000}), (DPoint{1600, 5}));
  EXPECT_EQ(worldToScreen(v, DPoint{1600000, 0}), (DPoint{0, 0}));
  EXPECT_NEAR(screenToWorld(v, {400, 5}).x, 1200000, 1e-6);
}

TEST(ViewTransform, LargeBoardsAtTheHighestZoomDoNotOverflow) {
  // 10 m at zoom 2 is 2e8 pixels; 100 m would pass 32 bits.
  const ViewTransform v{2.0, 199999000, 0};
  EXPECT_EQ(worldToScreen(v, DPoint{1e8, 0}).x, 1000);
  const ViewTransform far{2.0, 0, 0};
  const DPoint s = worldToScreen(far, DPoint{1.5e9, -1.5e9});
  EXPECT_EQ(s.x, 3e9);
  EXPECT_EQ(s.y, 3e9);
  EXPECT_EQ(toIPoint(s).x, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(canvasSize(1e8, 1e8, 2.0), (PixelSize{200000001, 200000001}));
}

TEST(ViewTransform, CanvasIsBoardTimesZoomPlusOne) {
  EXPECT_EQ(canvasSize(1600000, 1000000, 0.001), (PixelSize{1601, 1001}));
  EXPECT_EQ(canvasSize(1600000, 1000000, 0.0013), (PixelSize{2081, 1301}));
}

TEST(ViewTransform, BatchConversionMatchesSinglePoints) {
  const ViewTransform v{0.0123, 77, -33};
  const std::vector<FPoint> world{{0, 0}, {1000, -2000}, {-5, 7.5f}};
  std::vector<DPoint> screen(world.size());
  std::vector<DPoint> back(world.size());
  worldToScreen(v, world, screen);
  screenToWorld(v, screen, back);
  for (std::size_t i = 0; i < world.size(); ++i) {
    EXPECT_EQ(screen[i], worldToScreen(v, world[i]));
    EXPECT_NEAR(back[i].x, world[i].x, 1e-6);
    EXPECT_NEAR(back[i].y, world[i].y, 1e-6);
  }
}

TEST(ViewTransform, VisibleWorldRect) {
  const WorldRect r = visibleWorldRect({0.001, 100, 200}, {800, 600});
  EXPECT_DOUBLE_EQ(r.left, 100000);
  EXPECT_DOUBLE_EQ(r.right, 900000);
  EXPECT_DOUBLE_EQ(r.top, -800000);
  EXPECT_DOUBLE_EQ(r.bottom, -200000);
}

TEST(ViewTransform, HeaderKeepsScrollIn32Bits) {
  BoardHeader h = newBoardHeader(1600000, 1000000);
  storeView(h, {0.5, 5000000000, -7});
  EXPECT_EQ(h.zoom, 0.5);
  EXPECT_EQ(h.scrollX, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(h.scrollY, 0);
  h.scrollX = 12;
  h.scrollY = 34;
  EXPECT_EQ(viewOf(h), (ViewTransform{0.5, 12, 34}));
}

}  // namespace
}  // namespace pravelo
