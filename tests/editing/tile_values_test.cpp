#include "editing/tile_values.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

TEST(TileValues, TheLimitKeepsTheResultNearThreeThousandObjects) {
  // clang-format off
  const std::pair<int, int> cases[] = {{1, 3000}, {50, 60}, {1499, 2}, {1500, 2}, {4000, 2}, {0, 3000}};
  // clang-format on
  for (const auto& [selected, limit] : cases) EXPECT_EQ(maxTiles(selected), limit) << selected;
  EXPECT_EQ(maxCircleCount(3000), 99);
  EXPECT_EQ(maxCircleCount(60), 60);
}

TEST(TileValues, ShowingTheDialogFitsTheKeptValues) {
  TileValues v;
  v.columns = 10;
  v.rows = 7;
  v.count = 80;
  v.startXMm = 1.5;
  v.startYMm = -2;
  fitTileValues(v, 60);
  EXPECT_EQ(v.columns, 1);
  EXPECT_EQ(v.rows, 1);
  EXPECT_EQ(v.count, 1);
  EXPECT_EQ(v.startXMm, 0);
  EXPECT_EQ(v.startYMm, 0);

  v.columns = 6;
  v.rows = 10;
  v.count = 60;
  fitTileValues(v, 60);
  EXPECT_EQ(v.columns * v.rows, 60) << "exactly the limit still fits";
  EXPECT_EQ(v.count, 60);
}

TEST(TileValues, AnEntryPastTheLimitBecomesTheMostThatFits) {
  EXPECT_EQ(limitTileCount(10, 7, 60), 8);
  EXPECT_EQ(limitTileCount(8, 7, 60), 8);
  EXPECT_EQ(limitTileCount(99, 1, 3000), 99);
}

TEST(TileValues, TheAngleRangeIsRoundedToHundredths) {
  TileValues v;
  v.count = 4;
  v.angle = 12.345;
  EXPECT_DOUBLE_EQ(tileAngleRange(v), 37.04);
  v.angle = -90;
  EXPECT_DOUBLE_EQ(tileAngleRange(v), -270);
}

class PadOffsetsTest : public EditorTest {};

TEST_F(PadOffsetsTest, EachSelectedPadGivesTheOffsetToItsCentre) {
  pad(100000, -100000)->selected = 1;
  track({0, 0}, {10000, 0});
  smd(200000, -200000, 20000, 10000)->selected = 1;
  pad(300000, -300000)->selected = 1;
  // Offsets run to the right and downwards from the centre of the selection, (20, -20) mm.
  const std::vector<DPoint> offsets = padStartOffsets(board());
  ASSERT_EQ(offsets.size(), 3u);
  const DPoint expected[] = {{-10, -10}, {0, 0}, {10, 10}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(offsets[i].x, expected[i].x, 1e-3) << i;
    EXPECT_NEAR(offsets[i].y, expected[i].y, 1e-3) << i;
  }
}

}  // namespace
}  // namespace pravelo::testing
