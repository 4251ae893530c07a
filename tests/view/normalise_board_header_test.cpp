#include "view/normalise_board_header.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace pravelo {
namespace {

struct RepairCase {
  const char* name;
  std::function<void(BoardHeader&)> damage;
  std::function<bool(const BoardHeader&)> repaired;
};

// clang-format off
const RepairCase kRepairs[] = {
  {"width 0", [](BoardHeader& h) { h.width = 0; }, [](const BoardHeader& h) { return h.width == 1; }},
  {"negative height", [](BoardHeader& h) { h.height = -5; }, [](const BoardHeader& h) { return h.height == 1; }},
  {"huge width", [](BoardHeader& h) { h.width = 2000000000; }, [](const BoardHeader& h) { return h.width == kMaxBoardSide; }},
  {"grid 0", [](BoardHeader& h) { h.grid = 0; }, [](const BoardHeader& h) { return h.grid == 12700; }},
  {"negative grid", [](BoardHeader& h) { h.grid = -1; }, [](const BoardHeader& h) { return h.grid == 12700; }},
  {"unreadable grid", [](BoardHeader& h) { h.grid = std::nan(""); }, [](const BoardHeader& h) { return h.grid == 12700; }},
  {"tiny grid", [](BoardHeader& h) { h.grid = 5; }, [](const BoardHeader& h) { return h.grid == 10; }},
  {"huge grid", [](BoardHeader& h) { h.grid = 1e6; }, [](const BoardHeader& h) { return h.grid == 100000; }},
  {"zoom 0", [](BoardHeader& h) { h.zoom = 0; }, [](const BoardHeader& h) { return h.zoom == 0.0001; }},
  {"zoom too high", [](BoardHeader& h) { h.zoom = 10; }, [](const BoardHeader& h) { return h.zoom == 2; }},
  {"unreadable zoom", [](BoardHeader& h) { h.zoom = std::nan(""); }, [](const BoardHeader& h) { return h.zoom == 0.001; }},
  {"infinite zoom", [](BoardHeader& h) { h.zoom = INFINITY; }, [](const BoardHeader& h) { return h.zoom == 2; }},
};
// clang-format on

TEST(NormaliseBoardHeader, RepairsOutOfRangeValues) {
  for (const RepairCase& c : kRepairs) {
    BoardHeader h = newBoardHeader(1600000, 1000000);
    c.damage(h);
    EXPECT_TRUE(normaliseBoardHeader(h)) << c.name;
    EXPECT_TRUE(c.repaired(h)) << c.name;
    EXPECT_FALSE(normaliseBoardHeader(h)) << c.name << " is stable";
  }
}

TEST(NormaliseBoardHeader, LeavesValuesInRangeAlone) {
  BoardHeader h = newBoardHeader(1, kMaxBoardSide);
  h.grid = 396.875;
  h.zoom = 0.00123456;  // not rounded: a stored view is kept as it was
  h.scrollX = -3;
  const BoardHeader before = h;
  EXPECT_FALSE(normaliseBoardHeader(h));
  EXPECT_EQ(h, before);
}

}  // namespace
}  // namespace pravelo
