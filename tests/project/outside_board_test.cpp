#include "project/outside_board.h"

#include <gtest/gtest.h>

#include "document/board_header.h"
#include "geometry/bounding_box.h"
#include "geometry/translate.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

// The board covers x 0 … 100 mm and y −80 … 0 mm.
class OutsideBoardTest : public ::testing::Test {
 protected:
  OutsideBoardTest() { board.header = newBoardHeader(1000000, 800000); }

  TObjekt* pad(float x, float y, std::int16_t component = 0,
               std::vector<std::int32_t> groups = {}) {
    TObjekt p = newObject();
    initPad(p, {x, y}, kLayerC1, kPadCircular, 3000, 8000);
    p.componentId = component;
    p.groups = std::move(groups);
    return testing::add(board, std::move(p));
  }
  bool kept(const TObjekt* o) const {
    for (const auto& b : board.objects) {
      if (b.get() == o) return true;
    }
    return false;
  }

  Board board;
};

TEST_F(OutsideBoardTest, AUnitMustShareAreaWithTheBoard) {
  TObjekt* inside = pad(500000, -400000);
  TObjekt* crossing = pad(0, -400000);
  TObjekt* below = pad(500000, -900000);
  // A track whose bounds end exactly on the left edge only touches the board.
  TObjekt* touching = testing::add(board, testing::strokeTrack(-50000, -1000, -20000, -1000, 6));
  translateObject(*touching, -objectBounds(*touching).right, 0);
  ASSERT_EQ(objectBounds(*touching).right, 0);

  EXPECT_TRUE(anythingOutsideBoard(board));
  EXPECT_TRUE(deleteOutsideBoard(board));
  EXPECT_TRUE(kept(inside));
  EXPECT_TRUE(kept(crossing));
  EXPECT_FALSE(kept(below));
  EXPECT_FALSE(kept(touching));
  EXPECT_FALSE(anythingOutsideBoard(board));
  EXPECT_FALSE(deleteOutsideBoard(board));
}

TEST_F(OutsideBoardTest, AComponentWithItsLabelOnTheBoardStays) {
  TObjekt* a = pad(-100000, -400000, 5);
  TObjekt* b = pad(-120000, -400000, 5);
  TObjekt label = testing::textWithStroke("R1", {10000, -10000}, kLayerS1);
  label.variant = kComponentIdText;
  label.componentId = 5;
  testing::add(board, std::move(label));
  EXPECT_FALSE(anythingOutsideBoard(board));
  EXPECT_FALSE(deleteOutsideBoard(board));
  EXPECT_TRUE(kept(a) && kept(b));
}

TEST_F(OutsideBoardTest, AUnitGoesWholeWithItsLabels) {
  pad(-100000, -400000, 5);
  TObjekt label = testing::textWithStroke("R1", {-200000, -10000}, kLayerS1);
  label.variant = kComponentIdText;
  label.componentId = 5;
  testing::add(board, std::move(label));
  TObjekt* loose = pad(500000, -400000);
  pad(-100000, -500000, 0, {3});
  pad(-100000, -600000, 0, {4, 3});
  EXPECT_TRUE(deleteOutsideBoard(board));
  ASSERT_EQ(board.objects.size(), 1u);
  EXPECT_TRUE(kept(loose));
}

// B belongs to A's component and to C's group: A's unit is on the board, C's unit {C, B} is
// not. Deleting B, which comes before C, must not make the walk skip D.
TEST_F(OutsideBoardTest, AUnitReachingBackDoesNotHideTheNextObject) {
  TObjekt* a = pad(500000, -400000, 5);
  TObjekt* b = pad(-100000, -400000, 5, {7});
  TObjekt* c = pad(-200000, -400000, 0, {7});
  TObjekt* d = pad(-300000, -400000);
  EXPECT_TRUE(deleteOutsideBoard(board));
  EXPECT_TRUE(kept(a));
  EXPECT_FALSE(kept(b));
  EXPECT_FALSE(kept(c));
  EXPECT_FALSE(kept(d));
}

TEST_F(OutsideBoardTest, DeletedPadsLeaveNoConnectionsOrRouteEnds) {
  TObjekt* inside = pad(500000, -400000);
  TObjekt* outside = pad(-100000, -400000);
  testing::connect(inside, outside);
  TObjekt* route = testing::add(board, testing::strokeTrack(10000, -10000, 20000, -10000, 1));
  route->autorouted = 1;
  route->routeEndA = inside;
  route->routeEndB = outside;
  EXPECT_TRUE(deleteOutsideBoard(board));
  EXPECT_FALSE(kept(outside));
  EXPECT_TRUE(inside->connections.empty());
  EXPECT_EQ(route->routeEndA, inside);
  EXPECT_EQ(route->routeEndB, nullptr);
}

}  // namespace
}  // namespace pravelo
