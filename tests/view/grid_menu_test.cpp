#include "view/grid_menu.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(GridMenu, EntryCaptionsShowBothUnits) {
  EXPECT_EQ(gridEntryCaption(1.27, LengthUnit::Mm), "1.27 mm (50 mil)");
  EXPECT_EQ(gridEntryCaption(1.27, LengthUnit::Mil), "50 mil (1.27 mm)");
  EXPECT_EQ(gridEntryCaption(0.0396875, LengthUnit::Mm), "39.6875 \xC2\xB5m (1.5625 mil)");
  EXPECT_EQ(gridEntryCaption(0.5, LengthUnit::Mil), "19.685 mil (0.5 mm)");
}

TEST(GridMenu, ButtonCaptionIsPaddedToMoreThanEightOrTenCharacters) {
  EXPECT_EQ(gridButtonCaption(12700, LengthUnit::Mm), "  1.27 mm");
  EXPECT_EQ(gridButtonCaption(12700, LengthUnit::Mil), "     50 mil");
  EXPECT_EQ(gridButtonCaption(396.875, LengthUnit::Mm), "39.6875 \xC2\xB5m");  // 10 characters
  EXPECT_EQ(gridButtonCaption(127000, LengthUnit::Mil), "    500 mil");
}

TEST(GridMenu, CurrentGridIsComparedToATenThousandthOfAUnit) {
  EXPECT_TRUE(isCurrentGrid(1.27, 12700));
  EXPECT_TRUE(isCurrentGrid(1.27, 12700.00005));
  EXPECT_FALSE(isCurrentGrid(1.27, 12700.001));
  EXPECT_TRUE(isCurrentGrid(0.0396875, 396.875));
}

TEST(GridMenu, UserGridsStayAscendingWithoutDuplicates) {
  std::vector<std::int32_t> grids;
  EXPECT_EQ(addUserGrid(grids, 10000056), 0);  // 0.5 mm
  EXPECT_EQ(addUserGrid(grids, 10000255), 0);  // 0.25 mm goes first
  EXPECT_EQ(addUserGrid(grids, 10000010), 2);  // 1 mm goes last
  EXPECT_EQ(addUserGrid(grids, 10000505), 1);  // "0.50" is 0.5 mm again: chosen, not added
  EXPECT_EQ(addUserGrid(grids, 30000200), 2);  // 20 mil = 0.508 mm
  EXPECT_EQ(grids, (std::vector<std::int32_t>{10000255, 10000056, 30000200, 10000010}));
  EXPECT_EQ(addUserGrid(grids, 10000000), -1);
  EXPECT_EQ(grids.size(), 4u);
}

}  // namespace
}  // namespace pravelo
