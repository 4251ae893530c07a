#include "view/drc_entry_zoom.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(DrcEntryZoom, AreaIsTheMarkerEnlargedAndClippedToTheBoard) {
  const BoardHeader header = newBoardHeader(1000000, 500000);
  // 6000 wide: 12000 more on every side.
  EXPECT_EQ(drcEntryArea({100000, -200000, 106000, -190000}, header),
            (TRect{88000, -212000, 118000, -178000}));
  EXPECT_EQ(drcEntryArea({2000, -8000, 8000, -2000}, header), (TRect{0, -20000, 20000, 0}));
  // Clipped to a sliver along the board's edge: too small to show.
  EXPECT_TRUE(drcEntryArea({995000, -100000, 1005000, -90000}, header).has_value());
  EXPECT_EQ(drcEntryArea({1003000, -100000, 1004000, -90000}, header), std::nullopt);
}

TEST(DrcEntryZoom, DeselectsAndZooms) {
  Board board;
  board.header = newBoardHeader(1000000, 500000);
  board.objects.push_back(std::make_unique<TObjekt>(newObject()));
  board.objects[0]->selected = 1;
  const double before = viewOf(board.header).zoom;
  EXPECT_TRUE(
      zoomToDrcEntry(board, viewOf(board.header), {800, 600}, {100000, -200000, 106000, -190000}));
  EXPECT_EQ(board.objects[0]->selected, 0);
  EXPECT_GT(viewOf(board.header).zoom, before);
}

}  // namespace
}  // namespace pravelo
