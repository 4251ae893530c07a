#include "manufacturing/isolation_loops.h"

#include <gtest/gtest.h>

#include "support/gerber_boards.h"

namespace pravelo {
namespace {

Contour squareLoop(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

TPolygon32 squareCopper(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
  TPolygon32 p;
  for (const IPoint& c : squareLoop(x0, y0, x1, y1)) addPoint(p, toFixedPoint(c.x, c.y, 1));
  return p;
}

TEST(IsolationLoopsTest, GrowthPerPass) {
  struct Case {
    std::int32_t cutter;
    int overlap;
    int pass;
    std::int32_t growth;
  };
  // clang-format off
  const Case cases[] = {
      {2000, 25, 0, 1990},  // the cutter edge 5 units into the copper
      {2000, 25, 1, 4990},  // round(2 * 2000 * 75 / 100) + 1990
      {2000, 0, 2, 9990},
      {3000, 99, 1, 3050},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(passGrowth(c.cutter, c.overlap, c.pass), c.growth) << c.cutter << " " << c.pass;
  }
}

TEST(IsolationLoopsTest, CrossingTracksGiveOneLoopAndARingTwo) {
  testing::GerberBoard b;
  const TObjekt& a = b.track({{10000, -50000}, {90000, -50000}}, 5000);
  const TObjekt& c = b.track({{50000, -10000}, {50000, -90000}}, 5000);
  EXPECT_EQ(isolationLoops({&a, &c}, 2000, 25, 1).size(), 1u);
  EXPECT_EQ(isolationLoops({&a, &c}, 2000, 25, 3).size(), 3u);
  const TObjekt& ring = b.circle({200000, -100000}, 40000, 20000, 0, 0);
  EXPECT_EQ(isolationLoops({&ring}, 2000, 25, 1).size(), 2u);
  EXPECT_EQ(isolationLoops({&ring}, 2000, 25, 2).size(), 4u);
}

TEST(IsolationLoopsTest, ProgressNamesEveryStageOfEveryPass) {
  testing::GerberBoard b;
  const TObjekt& a = b.track({{10000, -50000}, {90000, -50000}}, 5000);
  std::vector<std::pair<int, MillingStage>> seen;
  isolationLoops({&a}, 2000, 25, 2, [&](int pass, int passes, MillingStage stage) {
    EXPECT_EQ(passes, 2);
    seen.emplace_back(pass, stage);
  });
  ASSERT_EQ(seen.size(), 10u);
  EXPECT_EQ(seen.front(), std::pair(0, MillingStage::CreateSegments));
  EXPECT_EQ(seen.back(), std::pair(1, MillingStage::OptimizeOutlines));
}

TEST(IsolationLoopsTest, FilterKeepsOnlyBoundariesBetweenCopperAndGap) {
  // Copper: a square frame 0..1000 with a gap 200..800 inside.
  const std::vector<TPolygon32> copper{
      squareCopper(0, 0, 1000, 200), squareCopper(0, 800, 1000, 1000),
      squareCopper(0, 0, 200, 1000), squareCopper(800, 0, 1000, 1000)};
  struct Case {
    const char* name;
    ContourList loops;
    std::size_t kept;
  };
  const Case cases[] = {
      {"outer and inner boundary",
       {squareLoop(0, 0, 1000, 1000), squareLoop(200, 200, 800, 800)},
       2},
      // Traced along the inside of the merged copper: both it and its container enclose copper.
      {"loop inside copper", {squareLoop(0, 0, 1000, 1000), squareLoop(20, 20, 180, 980)}, 1},
      // Inside the gap: gap in gap.
      {"loop inside the gap",
       {squareLoop(0, 0, 1000, 1000), squareLoop(200, 200, 800, 800),
        squareLoop(300, 300, 700, 700)},
       2},
      // Too thin for the 100-unit test square.
      {"thin loop", {squareLoop(0, 0, 1000, 1000), squareLoop(2000, 0, 2090, 1000)}, 1},
      // The same path traced twice counts once.
      {"duplicate", {squareLoop(0, 0, 1000, 1000), squareLoop(0, 0, 1000, 1000)}, 1},
      {"single node", {{{5, 5}}}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(filterLoops(c.loops, copper).size(), c.kept) << c.name;
  }
}

TEST(IsolationLoopsTest, TestPointIsTriedOutwardFromTheNodes) {
  // The first candidate: 100 units up and right of the first node.
  EXPECT_EQ(loopTestPoint(squareLoop(0, 0, 1000, 1000)), (IPoint{100, 100}));
  // A 250-unit wide strip: the first node's diagonal at 100 fits.
  EXPECT_EQ(loopTestPoint(squareLoop(0, 0, 250, 5000)), (IPoint{100, 100}));
  // A strip narrower than the test square holds none.
  EXPECT_EQ(loopTestPoint(squareLoop(0, 0, 90, 5000)), std::nullopt);
}

}  // namespace
}  // namespace pravelo
