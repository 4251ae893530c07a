#include "project/component_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../support/component_board.h"

namespace pravelo {
namespace {

using testing::ComponentBoard;

std::vector<std::string> names(const std::vector<ComponentListEntry>& list) {
  std::vector<std::string> result;
  for (const ComponentListEntry& e : list) result.push_back(e.name);
  return result;
}

struct SortCase {
  const char* why;
  std::vector<std::string> given;  // component numbers 1, 2, ... in this order
  std::vector<std::string> expected;
};

// clang-format off
const SortCase kSortCases[] = {
  {"numbers, not text", {"C1", "C10", "C2"}, {"C1", "C2", "C10"}},
  {"prefixes first, ignoring case", {"R1", "c5", "C3"}, {"C3", "c5", "R1"}},
  {"a number of any length", {"R123456789012345678901234567890", "R99"},
   {"R99", "R123456789012345678901234567890"}},
  {"leading zeros count for nothing but order", {"R10", "R7", "R007"}, {"R007", "R7", "R10"}},
  {"no digits before digits", {"R1", "R"}, {"R", "R1"}},
  {"an empty name first", {"U1", ""}, {"", "U1"}},
  {"digits inside the prefix", {"U2A10", "U2A9", "U10A1"}, {"U10A1", "U2A9", "U2A10"}},
};
// clang-format on

TEST(ComponentList, SortsByPrefixAndNumber) {
  for (const SortCase& c : kSortCases) {
    ComponentBoard b;
    for (std::size_t i = 0; i < c.given.size(); ++i) {
      b.part(static_cast<int>(i) + 1, c.given[i]);
    }
    EXPECT_EQ(names(componentList(b.board.objects)), c.expected) << c.why;
  }
}

TEST(ComponentList, NamesEqualButForCaseGoByComponentNumber) {
  ComponentBoard b;
  b.part(7, "r1");
  b.part(3, "R1");
  b.part(5, "R1");
  const auto list = componentList(b.board.objects);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].component, 3);
  EXPECT_EQ(list[1].component, 5);
  EXPECT_EQ(list[2].component, 7);
}

TEST(ComponentList, TheOrderIsStrict) {
  const std::vector<std::string> all = {"R1", "r1", "R01", "R", "", "R10", "C2", "c10", "U1A"};
  std::vector<ComponentListEntry> entries;
  for (std::size_t i = 0; i < all.size(); ++i) {
    entries.push_back({.component = static_cast<int>(i) + 1, .name = all[i]});
  }
  int checked = 0;
  for (const auto& a : entries) {
    EXPECT_FALSE(componentNameLess(a, a)) << a.name;
    for (const auto& b : entries) {
      if (&a == &b) continue;
      EXPECT_NE(componentNameLess(a, b), componentNameLess(b, a)) << a.name << " / " << b.name;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 72);
}

struct SideCase {
  const char* why;
  bool smdPads;
  int copperLayer;
  int silkLayer;  // 0: no silkscreen
  bool top;
};

// clang-format off
const SideCase kSideCases[] = {
  {"through-hole pads soldered on C2 face up", false, kLayerC2, 0, true},
  {"through-hole pads on C1 are seen from below", false, kLayerC1, 0, false},
  {"SMD pads on C1", true, kLayerC1, 0, true},
  {"SMD pads on C2", true, kLayerC2, 0, false},
  {"silkscreen on S2 decides", true, kLayerC1, kLayerS2, false},
  {"silkscreen on S1 decides", false, kLayerC1, kLayerS1, true},
};
// clang-format on

TEST(ComponentList, SideRule) {
  for (const SideCase& c : kSideCases) {
    ComponentBoard b;
    for (const float x : {0.0f, 50000.0f}) {
      if (c.smdPads) {
        b.smd(1, {x, -50000}, static_cast<std::uint8_t>(c.copperLayer));
      } else {
        b.pad(1, {x, -50000}, static_cast<std::uint8_t>(c.copperLayer));
      }
    }
    if (c.silkLayer) b.silk(1, {0, 0}, {50000, 0}, static_cast<std::uint8_t>(c.silkLayer));
    const auto list = componentList(b.board.objects);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].topSide, c.top) << c.why;
    EXPECT_EQ(list[0].smd, c.smdPads) << c.why;
  }
}

TEST(ComponentList, SilkscreenOnBothSidesLeavesItToTheCopper) {
  ComponentBoard b;
  b.smd(1, {0, 0}, kLayerC2);
  b.silk(1, {0, 0}, {1000, 0}, kLayerS1);
  b.silk(1, {0, 0}, {1000, 0}, kLayerS2);
  EXPECT_FALSE(componentList(b.board.objects)[0].topSide);
}

TEST(ComponentList, AsManySmdAsThroughHolePadsIsSmd) {
  ComponentBoard b;
  b.smd(1, {0, 0});
  b.pad(1, {20000, 0});
  b.smd(2, {0, 0});
  b.pad(2, {20000, 0});
  b.pad(2, {40000, 0});
  const auto list = componentList(b.board.objects);
  EXPECT_TRUE(list[0].smd);
  EXPECT_FALSE(list[1].smd);
}

TEST(ComponentList, FieldsWithAndWithoutPickPlaceData) {
  ComponentBoard b;
  b.part(1, "R1", "4k7");
  TObjekt* id = b.part(2, "R2", "1k");
  id->component.package = "0805";
  id->component.comment = "kept for later";
  const auto before = componentList(b.board.objects);
  EXPECT_EQ(before[1].rotation, "---");
  EXPECT_EQ(before[1].package, "---");
  EXPECT_EQ(before[1].comment, "");
  EXPECT_FALSE(before[1].hasPickPlace);

  ComponentBoard::usePickPlace(id, 90, "0805");
  const auto after = componentList(b.board.objects);
  EXPECT_EQ(after[0].value, "4k7");
  EXPECT_EQ(after[1].rotation, "90");
  EXPECT_EQ(after[1].package, "0805");
  EXPECT_EQ(after[1].comment, "kept for later");
  EXPECT_TRUE(after[1].hasName && after[1].hasValue);
}

TEST(ComponentList, RotationTextHasOneDecimalAtMost) {
  const std::pair<double, const char*> cases[] = {{0, "0"},          {90, "90"},     {12.5, "12.5"},
                                                  {359.94, "359.9"}, {100.0, "100"}, {0.04, "0"}};
  for (const auto& [degrees, text] : cases) EXPECT_EQ(placeRotationText(degrees), text) << degrees;
}

TEST(ComponentList, ACellEditRelaysTheLabel) {
  ComponentBoard b;
  TObjekt* id = b.part(1, "R1");
  const auto strokes = id->children.size();
  EXPECT_TRUE(setComponentListText(b.board.objects, 1, ComponentListCell::Name, "R100"));
  EXPECT_EQ(id->text, "R100");
  EXPECT_GT(id->children.size(), strokes);
  EXPECT_TRUE(setComponentListText(b.board.objects, 1, ComponentListCell::Value, "22k"));
  EXPECT_EQ(componentList(b.board.objects)[0].value, "22k");

  b.smd(2, {0, 0});
  EXPECT_FALSE(setComponentListText(b.board.objects, 2, ComponentListCell::Name, "X"));
  EXPECT_FALSE(componentList(b.board.objects)[0].hasName) << "no name comes first";
}

}  // namespace
}  // namespace pravelo
