#include "manufacturing/drill_collection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "manufacturing/drill_board.h"

namespace pravelo {
namespace {

using testing::DrillBoard;

std::vector<std::int32_t> diameters(const std::vector<DrillTool>& tools) {
  std::vector<std::int32_t> result;
  for (const DrillTool& t : tools) result.push_back(t.diameter);
  return result;
}

std::size_t holeCount(const std::vector<DrillTool>& tools) {
  std::size_t n = 0;
  for (const DrillTool& t : tools) n += t.holes.size();
  return n;
}

// Two overlapping circular pads whose copper does not contain one another: holes of 0.8 mm and
// 1.0 mm whose centres are `distance` apart.
struct OverlapCase {
  float distance;
  std::vector<std::int32_t> drilled;
};

class OverlappingHoles : public ::testing::TestWithParam<OverlapCase> {};

TEST_P(OverlappingHoles, SmallerHoleNearTheLargerOneIsLeftToIt) {
  DrillBoard b;
  b.pad({100000, -100000}, 8000, 4000);
  b.pad({100000 + GetParam().distance, -100000}, 8000, 5000);
  EXPECT_EQ(diameters(collectDrills(b.board, {})), GetParam().drilled);
}

// 0.12 + 0.4 - 0.5 = 0.02 mm < 0.05 mm; 0.2 + 0.4 - 0.5 = 0.1 mm is not.
// clang-format off
INSTANTIATE_TEST_SUITE_P(DrillCollection, OverlappingHoles, ::testing::Values(
    OverlapCase{1200, {10000}},
    OverlapCase{2000, {8000, 10000}},
    OverlapCase{0, {10000}}));
// clang-format on

TEST(DrillCollection, PadWhoseCopperLiesInsideAnotherPadIsNotDrilledWhateverItsHole) {
  DrillBoard b;
  b.pad({100000, -100000}, 30000, 3000);
  b.pad({103000, -100000}, 6000, 5500);  // larger hole, copper inside the big pad
  const auto tools = collectDrills(b.board, {});
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].diameter, 6000);
  EXPECT_EQ(tools[0].holes, std::vector<const TObjekt*>{b.at(0)});
}

TEST(DrillCollection, PadsOfEqualCopperAtOnePlaceAreDrilledOnce) {
  DrillBoard b;
  b.pad({100000, -100000}, 9000, 4000);
  b.pad({100000, -100000}, 9000, 4000, kLayerC2);
  EXPECT_EQ(holeCount(collectDrills(b.board, {})), 1u);
}

TEST(DrillCollection, GranularityMergesNearbyDiameters) {
  DrillBoard b;
  b.pad({100000, -100000}, 9000, 3800);  // 0.76 mm
  b.pad({300000, -100000}, 9000, 4200);  // 0.84 mm
  b.pad({500000, -100000}, 9000, 5300);  // 1.06 mm
  DrillSelection s;
  EXPECT_EQ(diameters(collectDrills(b.board, s)), (std::vector<std::int32_t>{7600, 8400, 10600}));
  s.granularity = 1;
  EXPECT_EQ(diameters(collectDrills(b.board, s)), (std::vector<std::int32_t>{8000, 11000}));
  s.granularity = 2;
  EXPECT_EQ(diameters(collectDrills(b.board, s)), (std::vector<std::int32_t>{8000, 10000}));
}

TEST(DrillCollection, OnlyPadsWithHolesOnCopperOrOutlineAreDrilled) {
  DrillBoard b;
  b.pad({100000, -100000}, 9000, 0);
  b.pad({200000, -100000}, 9000, 4000, kLayerS1);
  b.pad({300000, -100000}, 9000, 4000, kLayerS2);
  b.pad({400000, -100000}, 9000, 4000, kLayerO);
  b.pad({500000, -100000}, 9000, 4000, kLayerI2);
  const auto tools = collectDrills(b.board, {});
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].holes, (std::vector<const TObjekt*>{b.at(3), b.at(4)}));
  EXPECT_EQ(silkscreenDrillCount(b.board), 2);
}

TEST(DrillCollection, SelectionPicksViasSimpleHolesAndSelectedPads) {
  DrillBoard b;
  b.pad({100000, -100000}, 9000, 4000).via = 1;
  b.pad({300000, -100000}, 9000, 5000).selected = 1;
  DrillSelection s;
  s.simpleHoles = false;
  EXPECT_EQ(diameters(collectDrills(b.board, s)), std::vector<std::int32_t>{8000});
  s = {};
  s.vias = false;
  EXPECT_EQ(diameters(collectDrills(b.board, s)), std::vector<std::int32_t>{10000});
  s = {};
  s.selectedOnly = true;
  EXPECT_EQ(diameters(collectDrills(b.board, s)), std::vector<std::int32_t>{10000});
  s = {};
  s.singleTool = true;
  const auto single = collectDrills(b.board, s);
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0].diameter, 0);
  EXPECT_EQ(single[0].holes.size(), 2u);
}

TEST(DrillCollection, DrillsAscendAndHolesStartFromTheLowerLeftCornerPerDrill) {
  DrillBoard b(1000000, 800000);
  b.pad({900000, -700000}, 9000, 6000);
  b.pad({100000, -100000}, 9000, 4000);
  b.pad({500000, -790000}, 9000, 6000);  // nearest to the corner (0, -800000)
  b.pad({400000, -750000}, 9000, 4000);
  const auto tools = collectDrills(b.board, {});
  ASSERT_EQ(diameters(tools), (std::vector<std::int32_t>{8000, 12000}));
  EXPECT_EQ(tools[0].holes, (std::vector<const TObjekt*>{b.at(3), b.at(1)}));
  EXPECT_EQ(tools[1].holes, (std::vector<const TObjekt*>{b.at(2), b.at(0)}));
  DrillSelection unsorted;
  unsorted.sorted = false;
  EXPECT_EQ(collectDrills(b.board, unsorted)[1].holes,
            (std::vector<const TObjekt*>{b.at(0), b.at(2)}));
}

// A fixed start distance of 9,999,999 units never reaches holes about a metre away.
TEST(DrillCollection, NearestNeighbourReachesHolesMoreThanAMetreAway) {
  DrillBoard b(30000000, 1000000);
  b.pad({25000000, -500000}, 9000, 4000);
  b.pad({15000000, -500000}, 9000, 4000);
  b.pad({29000000, -500000}, 9000, 4000);
  const auto tools = collectDrills(b.board, {});
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].holes, (std::vector<const TObjekt*>{b.at(1), b.at(0), b.at(2)}));
}

TEST(DrillCollection, TiesGoToTheFirstHoleInListOrder) {
  DrillBoard b;
  b.pad({300000, -500000}, 9000, 4000);
  b.pad({100000, -500000}, 9000, 4000);
  b.pad({200000, -400000}, 9000, 4000);  // as far from the second as the first is
  std::vector<const TObjekt*> holes{b.at(0), b.at(1), b.at(2)};
  orderNearestNeighbour(holes, {200000, -500000});
  // From (200000, -500000) the first two tie at 100000; from the first the third is nearer.
  EXPECT_EQ(holes, (std::vector<const TObjekt*>{b.at(0), b.at(2), b.at(1)}));
}

// Against a plain re-statement: each step the strictly nearest remaining hole.
TEST(DrillCollection, NearestNeighbourMatchesABruteForceWalk) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> coordinate(-3e7f, 3e7f);
  int checked = 0;
  for (int round = 0; round < 20; ++round) {
    DrillBoard b;
    for (int i = 0; i < 60; ++i) b.pad({coordinate(random), coordinate(random)}, 9000, 4000);
    std::vector<const TObjekt*> holes;
    for (const auto& o : b.board.objects) holes.push_back(o.get());
    std::vector<const TObjekt*> remaining = holes;
    std::vector<const TObjekt*> expected;
    double x = 0, y = -800000;
    while (!remaining.empty()) {
      std::size_t best = 0;
      for (std::size_t i = 1; i < remaining.size(); ++i) {
        if (std::hypot(remaining[i]->pos.x - x, remaining[i]->pos.y - y) <
            std::hypot(remaining[best]->pos.x - x, remaining[best]->pos.y - y)) {
          best = i;
        }
      }
      x = remaining[best]->pos.x;
      y = remaining[best]->pos.y;
      expected.push_back(remaining[best]);
      remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(best));
    }
    orderNearestNeighbour(holes, {0, -800000});
    EXPECT_EQ(holes, expected);
    checked += static_cast<int>(holes.size());
  }
  EXPECT_EQ(checked, 20 * 60);
}

}  // namespace
}  // namespace pravelo
