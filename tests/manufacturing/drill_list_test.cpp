#include "manufacturing/drill_list.h"

#include <gtest/gtest.h>

#include "manufacturing/drill_board.h"

namespace pravelo {
namespace {

using testing::DrillBoard;

DrillBoard listBoard() {
  DrillBoard b;
  b.pad({100000, -100000}, 9000, 4000);
  b.pad({200000, -100000}, 9000, 4000).via = 1;
  b.pad({300000, -100000}, 12000, 6350);
  return b;
}

TEST(DrillList, OneLinePerDrillThenSeparatorAndTotal) {
  const DrillBoard b = listBoard();
  const auto tools = drillListTools(b.board, true, true);
  EXPECT_EQ(drillListText(tools, LengthUnit::Mm, '.', Language::English),
            "   2 x     0.80 mm\n"
            "   1 x     1.27 mm\n"
            "----------------\n"
            "   3 drillings\n");
  EXPECT_EQ(drillListText(tools, LengthUnit::Mil, ',', Language::German),
            "   2 x       31 mil\n"
            "   1 x       50 mil\n"
            "----------------\n"
            "   3 Bohrungen\n");
  EXPECT_EQ(drillListText(tools, LengthUnit::Mm, ',', Language::French),
            "   2 x     0,80 mm\n"
            "   1 x     1,27 mm\n"
            "----------------\n"
            "   3 perçages\n");
}

TEST(DrillList, CheckBoxesChooseTheHolesAndTheTotalIsTheSum) {
  const DrillBoard b = listBoard();
  EXPECT_EQ(
      drillListText(drillListTools(b.board, true, false), LengthUnit::Mm, '.', Language::English),
      "   1 x     0.80 mm\n   1 x     1.27 mm\n----------------\n   2 drillings\n");
  EXPECT_EQ(
      drillListText(drillListTools(b.board, false, false), LengthUnit::Mm, '.', Language::English),
      "----------------\n   0 drillings\n");
}

}  // namespace
}  // namespace pravelo
