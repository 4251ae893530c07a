#include "editing/bend_mode.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

struct BendCase {
  int mode;
  DPoint m;
  std::optional<DPoint> bend;
};

TEST(BendModeTest, CornerOfEachMode) {
  // clang-format off
  const BendCase cases[] = {
      {1, {3000, 1000}, DPoint{2000, 0}},
      {2, {3000, 1000}, DPoint{1000, 1000}},
      {3, {3000, 1000}, DPoint{0, 1000}},
      {4, {3000, 1000}, DPoint{3000, 0}},
      {5, {3000, 1000}, std::nullopt},
      {1, {3000, 0},    std::nullopt},  // the corner would be the pointer itself
      {2, {-1000, -3000}, DPoint{-1000, -1000}},
      {3, {0, 2000},    std::nullopt},  // vertical already
      {4, {2000, 2000}, DPoint{2000, 0}},
  };
  // clang-format on
  for (const BendCase& c : cases) {
    EXPECT_EQ(bendPoint({0, 0}, c.m, c.mode), c.bend) << "mode " << c.mode << " to " << c.m.x;
  }
}

TEST(BendModeTest, SpaceCyclesThroughFiveModes) {
  int mode = 1;
  std::string labels;
  for (int i = 0; i < 6; ++i, mode = nextBendMode(mode)) labels += bendModeLabel(mode);
  EXPECT_EQ(labels, "[1/5][2/5][3/5][4/5][5/5][1/5]");
}

}  // namespace
}  // namespace pravelo
