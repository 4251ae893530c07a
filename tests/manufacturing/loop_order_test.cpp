#include "manufacturing/loop_order.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace pravelo {
namespace {

const HpglTransform kPlainTransform{0.4, 0, 0};

// The order as the algorithm reads, searching every node of every remaining loop.
ContourList literalOrder(ContourList loops, const HpglTransform& t) {
  IPoint current{0, 0};
  for (std::size_t p = 0; p < loops.size(); ++p) {
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    std::size_t bestLoop = p;
    std::size_t bestNode = 0;
    for (std::size_t l = p; l < loops.size(); ++l) {
      for (std::size_t n = 0; n < loops[l].size(); ++n) {
        const IPoint q = toHpgl(t, loops[l][n].x, loops[l][n].y);
        const std::int64_t dx = std::int64_t{q.x} - current.x;
        const std::int64_t dy = std::int64_t{q.y} - current.y;
        if (dx * dx + dy * dy < best) {
          best = dx * dx + dy * dy;
          bestLoop = l;
          bestNode = n;
        }
      }
    }
    std::swap(loops[p], loops[bestLoop]);
    std::rotate(loops[p].begin(), loops[p].begin() + static_cast<std::ptrdiff_t>(bestNode),
                loops[p].end());
    current = toHpgl(t, loops[p][0].x, loops[p][0].y);
  }
  return loops;
}

TEST(LoopOrderTest, NearestLoopFirstRotatedToItsNearestNode) {
  ContourList loops{{{100000, 100000}, {110000, 100000}, {110000, 110000}},
                    {{20000, 0}, {10000, 10000}, {0, 20000}},
                    {{50000, 50000}, {40000, 40000}}};
  sortLoops(loops, kPlainTransform);
  // The second loop's nodes at 20000,0 and 0,20000 tie: the first of them wins.
  EXPECT_EQ(loops[0], (Contour{{10000, 10000}, {0, 20000}, {20000, 0}}));
  EXPECT_EQ(loops[1], (Contour{{40000, 40000}, {50000, 50000}}));
  EXPECT_EQ(loops[2], (Contour{{100000, 100000}, {110000, 100000}, {110000, 110000}}));
}

TEST(LoopOrderTest, TheIndexGivesTheLiteralOrderIncludingTies) {
  std::mt19937 random(17);
  int compared = 0;
  for (int round = 0; round < 20; ++round) {
    // Coarse coordinates make equal distances common.
    std::uniform_int_distribution<int> coordinate(-20, 300);
    std::uniform_int_distribution<int> size(1, 6);
    ContourList loops(40 + round * 10);
    for (Contour& loop : loops) {
      for (int n = size(random); n > 0; --n)
        loop.push_back({coordinate(random) * 2500, coordinate(random) * 2500});
    }
    const ContourList expected = literalOrder(loops, kPlainTransform);
    sortLoops(loops, kPlainTransform);
    ASSERT_EQ(loops, expected) << "round " << round;
    ++compared;
  }
  EXPECT_EQ(compared, 20);
}

TEST(LoopOrderTest, CollinearNodesAreRemoved) {
  struct Case {
    const char* name;
    Contour loop;
    Contour kept;
  };
  // clang-format off
  const Case cases[] = {
      {"middle of an edge", {{0, 0}, {50, 0}, {100, 0}, {100, 100}, {0, 100}},
       {{0, 0}, {100, 0}, {100, 100}, {0, 100}}},
      {"several in a row", {{0, 0}, {20, 0}, {40, 0}, {100, 0}, {100, 100}},
       {{0, 0}, {100, 0}, {100, 100}}},
      {"the first node", {{50, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}},
       {{100, 0}, {100, 100}, {0, 100}, {0, 0}}},
      // Going back along the same line is a turn, not a straight way.
      {"spike", {{0, 0}, {100, 0}, {50, 0}, {50, 100}},
       {{0, 0}, {100, 0}, {50, 0}, {50, 100}}},
      {"corners stay", {{0, 0}, {100, 0}, {100, 100}}, {{0, 0}, {100, 0}, {100, 100}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Contour loop = c.loop;
    removeCollinearNodes(loop);
    EXPECT_EQ(loop, c.kept) << c.name;
  }
}

}  // namespace
}  // namespace pravelo
