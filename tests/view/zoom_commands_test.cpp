#include "view/zoom_commands.h"

#include <gtest/gtest.h>

#include <memory>

namespace pravelo {
namespace {

class ZoomCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    board.header = newBoardHeader(1600000, 1000000);
    board.header.zoom = 0.001;
    board.header.scrollX = 400;
    board.header.scrollY = 200;
  }
  void addTrack(FPoint a, FPoint b, bool selected) {
    auto o = std::make_unique<TObjekt>();
    initTrack(*o, 400, kLayerC1);
    o->points = {a, b};
    o->selected = selected ? 1 : 0;
    board.objects.push_back(std::move(o));
  }
  Board board;
  const PixelSize viewport{800, 600};
};

TEST_F(ZoomCommandsTest, ZoomPreviousRestoresEachRememberedViewExactly) {
  EXPECT_FALSE(zoomPrevious(board));
  zoomBoardCommand(board, viewport);
  const BoardHeader afterBoard = board.header;
  navigatorZoomCommand(board, viewport, true);
  EXPECT_DOUBLE_EQ(board.header.zoom, 0.00069);  // the fitted 0.00049 x 1.4 (rounded)
  ASSERT_EQ(board.zoomHistory.size(), 2u);
  EXPECT_TRUE(zoomPrevious(board));
  EXPECT_EQ(board.header, afterBoard);
  EXPECT_TRUE(zoomPrevious(board));
  EXPECT_EQ(board.header.zoom, 0.001);
  EXPECT_EQ(board.header.scrollX, 400);
  EXPECT_EQ(board.header.scrollY, 200);
  EXPECT_FALSE(zoomPrevious(board));
}

TEST_F(ZoomCommandsTest, ZoomObjectsDoesNothingWithoutObjects) {
  EXPECT_FALSE(zoomObjectsCommand(board, viewOf(board.header), viewport));
  EXPECT_TRUE(board.zoomHistory.empty());
  addTrack({100000, -300000}, {300000, -100000}, false);
  EXPECT_TRUE(zoomObjectsCommand(board, viewOf(board.header), viewport));
  EXPECT_EQ(board.zoomHistory.size(), 1u);
  EXPECT_GT(board.header.zoom, 0.001);
}

TEST_F(ZoomCommandsTest, ZoomSelectionUsesOnlySelectedObjects) {
  addTrack({0, 0}, {1000000, -1000000}, false);
  EXPECT_FALSE(zoomSelectionCommand(board, viewOf(board.header), viewport));
  EXPECT_TRUE(board.zoomHistory.empty());
  addTrack({100000, -100000}, {200000, -200000}, true);
  EXPECT_TRUE(zoomSelectionCommand(board, viewOf(board.header), viewport));
  // 100400 units enlarged to 125500 fill 580 pixels.
  EXPECT_DOUBLE_EQ(board.header.zoom, 0.00462);
  EXPECT_EQ(board.zoomHistory.size(), 1u);
}

// Seen from the bottom in the photo view, the objects lie mirrored about the board's middle.
TEST_F(ZoomCommandsTest, ZoomObjectsCentresThemInTheViewAsDrawn) {
  addTrack({100000, -300000}, {300000, -100000}, false);
  ViewTransform shown = viewOf(board.header);
  shown.mirrored = true;
  shown.boardWidth = board.header.width;
  EXPECT_TRUE(zoomObjectsCommand(board, shown, viewport));
  shown.zoom = board.header.zoom;
  shown.scrollX = board.header.scrollX;
  shown.scrollY = board.header.scrollY;
  const DPoint middle = viewCentre(shown, viewport);
  EXPECT_NEAR(middle.x, 200000, 1 / shown.zoom);
  EXPECT_NEAR(middle.y, -200000, 1 / shown.zoom);
}

TEST_F(ZoomCommandsTest, EachBoardKeepsItsOwnHistory) {
  Board other;
  other.header = newBoardHeader(500000, 500000);
  zoomBoardCommand(board, viewport);
  EXPECT_TRUE(other.zoomHistory.empty());
  EXPECT_FALSE(zoomPrevious(other));
}

}  // namespace
}  // namespace pravelo
