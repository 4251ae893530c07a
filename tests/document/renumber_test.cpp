#include "document/renumber.h"

#include <gtest/gtest.h>

#include "support/sample_layout.h"

namespace pravelo {
namespace {

TEST(Renumber, GroupsAndComponentsBecomeConsecutiveInTheirOrder) {
  Board b;
  struct Row {
    std::vector<std::int32_t> groups;
    std::int16_t component;
    std::vector<std::int32_t> expectedGroups;
    std::int16_t expectedComponent;
  };
  const std::vector<Row> rows = {
      {{7, 30}, 9, {2, 4}, 2},
      {{3}, 0, {1}, 0},
      {{7, 12, 30}, 4, {2, 3, 4}, 1},
      {{0, -2}, -5, {0, -2}, -5},  // not group or component numbers: left alone
      {{}, 9, {}, 2},
  };
  for (const Row& r : rows) {
    TObjekt* o = testing::add(b, testing::strokeTrack(0, 0, 1, 1, kLayerC1));
    o->groups = r.groups;
    o->componentId = r.component;
  }
  renumberGroupsAndComponents(b.objects);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(b.objects[i]->groups, rows[i].expectedGroups) << i;
    EXPECT_EQ(b.objects[i]->componentId, rows[i].expectedComponent) << i;
  }
}

}  // namespace
}  // namespace pravelo
