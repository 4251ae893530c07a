#include "project/components.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "geometry/label_placement.h"

namespace pravelo {
namespace {

class ComponentsTest : public ::testing::Test {
 protected:
  TObjekt* pad(float x, std::int16_t component = 0, std::vector<std::int32_t> groups = {}) {
    TObjekt p = newObject();
    initSmdPad(p, {x, -10000}, 10000, kLayerC1, 10000);
    p.componentId = component;
    p.groups = std::move(groups);
    return add(std::move(p));
  }
  TObjekt* label(TextRole role, std::int16_t component, bool visible = true) {
    TObjekt t = newLabel(role == kComponentIdText ? "R1" : "4k7");
    t.variant = role;
    t.componentId = component;
    t.optA = visible ? 1 : 0;
    return add(std::move(t));
  }
  static TObjekt newLabel(const char* text) {
    TObjekt t = newObject();
    initText(t, {0, 0}, text, 0, 0, kLayerS1, 1, 1, 13000, 0);
    return t;
  }
  TObjekt* add(TObjekt o) {
    objects.push_back(std::make_unique<TObjekt>(std::move(o)));
    return objects.back().get();
  }
  int count(int component, TextRole role) const {
    return static_cast<int>(std::ranges::count_if(objects, [&](const auto& o) {
      return o->componentId == component && o->kind == kText && o->variant == role;
    }));
  }

  ObjectList objects;
};

TEST_F(ComponentsTest, MakingBindsTheSelectionWithTwoPlacedLabels) {
  TObjekt* a = pad(0, 0, {3});
  TObjekt* b = pad(40000, 0, {3, 5});
  TObjekt* loose = pad(90000);
  a->selected = b->selected = 1;
  const int number = makeComponent(objects, newLabel("IC1"), newLabel("7400"));
  ASSERT_EQ(number, 2) << "numbers start at 2";
  EXPECT_EQ(a->componentId, 2);
  EXPECT_EQ(b->componentId, 2);
  EXPECT_EQ(loose->componentId, 0);
  EXPECT_TRUE(a->groups.empty());
  EXPECT_TRUE(b->groups.empty());
  ASSERT_EQ(objects.size(), 5u);
  const std::vector<TObjekt*> members = componentMembers(objects, number);
  TObjekt* id = componentLabel(members, kComponentIdText);
  TObjekt* value = componentLabel(members, kComponentValueText);
  ASSERT_TRUE(id && value);
  EXPECT_EQ(id->text, "IC1");
  EXPECT_EQ(value->text, "7400");
  EXPECT_TRUE(id->selected && value->selected);
  const std::vector<const TObjekt*> box(members.begin(), members.end());
  EXPECT_TRUE(labelsAtAutomaticPositions(*id, *value, *componentBox(box)));
  EXPECT_FALSE(id->children.empty());
}

TEST_F(ComponentsTest, AnAbsorbedComponentGivesUpItsLabels) {
  TObjekt* inner = pad(0, 7);
  label(kComponentIdText, 7);
  label(kComponentValueText, 7, false);  // hidden, so never selected
  TObjekt* extra = pad(40000);
  TObjekt* other = pad(90000, 9);
  label(kComponentIdText, 9);
  for (const auto& o : objects) o->selected = o->componentId == 7 && !isHiddenLabel(*o);
  extra->selected = 1;
  const int number = makeComponent(objects, newLabel("U1"), newLabel("LM358"));
  ASSERT_EQ(number, 10);
  EXPECT_EQ(count(number, kComponentIdText), 1);
  EXPECT_EQ(count(number, kComponentValueText), 1);
  EXPECT_TRUE(componentMembers(objects, 7).empty()) << "no orphaned label stays behind";
  EXPECT_EQ(inner->componentId, number);
  EXPECT_EQ(other->componentId, 9);
  EXPECT_EQ(count(9, kComponentIdText), 1) << "an unselected component keeps its label";
}

TEST_F(ComponentsTest, NoNumberLeftChangesNothing) {
  pad(0, 32767);
  TObjekt* a = pad(20000);
  a->selected = 1;
  EXPECT_EQ(makeComponent(objects, newLabel("R1"), newLabel("1k")), 0);
  EXPECT_EQ(objects.size(), 2u);
  EXPECT_EQ(a->componentId, 0);
}

TEST_F(ComponentsTest, BreakingUpLeavesOneGroupWithoutLabels) {
  TObjekt* a = pad(0, 4);
  TObjekt* b = pad(20000, 4);
  label(kComponentIdText, 4);
  label(kComponentValueText, 4, false);
  TObjekt* other = pad(60000, 6, {8});
  label(kComponentIdText, 6);
  ASSERT_TRUE(breakUpComponent(objects, 4));
  EXPECT_EQ(objects.size(), 4u);
  EXPECT_EQ(a->componentId, 0);
  EXPECT_EQ(b->componentId, 0);
  EXPECT_EQ(a->groups, std::vector<std::int32_t>{9});
  EXPECT_EQ(b->groups, std::vector<std::int32_t>{9});
  EXPECT_EQ(other->componentId, 6);
  EXPECT_EQ(count(6, kComponentIdText), 1);
  EXPECT_FALSE(breakUpComponent(objects, 4));
}

}  // namespace
}  // namespace pravelo
