#include "project/clipboard.h"

#include <gtest/gtest.h>

#include "document/object_list.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  TObjekt* pad(float x, std::int16_t component = 0) {
    TObjekt p = newObject();
    initPad(p, {x, -10000}, kLayerC1, kPadCircular, 3000, 8000);
    p.componentId = component;
    return add(std::move(p));
  }
  TObjekt* label(TextRole role, std::int16_t component) {
    TObjekt t = testing::textWithStroke(role == kComponentIdText ? "R1" : "4k7", {0, 0}, kLayerS1);
    t.variant = role;
    t.componentId = component;
    return add(std::move(t));
  }
  TObjekt* add(TObjekt o) {
    objects.push_back(std::make_unique<TObjekt>(std::move(o)));
    return objects.back().get();
  }
  void select(std::initializer_list<TObjekt*> chosen) {
    deselectAll(objects);
    for (TObjekt* o : chosen) o->selected = 1;
  }
  // The objects a paste appended after the first `before`.
  std::vector<TObjekt*> pasted(std::size_t before) {
    std::vector<TObjekt*> result;
    for (std::size_t i = before; i < objects.size(); ++i) result.push_back(objects[i].get());
    return result;
  }

  ObjectList objects;
  ObjectList clipboard;
};

TEST_F(ClipboardTest, ConnectionsSurviveOnlyBetweenCopiedPads) {
  TObjekt* a = pad(0);
  TObjekt* b = pad(20000);
  testing::connect(a, b);
  select({a, b});
  copySelection(objects, clipboard);
  ASSERT_EQ(placeClipboard(objects, clipboard, {0, -50000}, true), PlaceResult::Placed);
  const auto both = pasted(2);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0]->connections, std::vector<TObjekt*>{both[1]});
  EXPECT_EQ(both[1]->connections, std::vector<TObjekt*>{both[0]});
  EXPECT_FLOAT_EQ(both[0]->pos.y, -60000);
  EXPECT_EQ(a->connections, std::vector<TObjekt*>{b}) << "the originals keep theirs";

  select({a});
  copySelection(objects, clipboard);
  placeClipboard(objects, clipboard, {0, 0}, true);
  EXPECT_TRUE(objects.back()->connections.empty());
}

TEST_F(ClipboardTest, AnAutoroutedTrackCopiedWithoutItsPadsLosesItsRouteEnds) {
  TObjekt* a = pad(0);
  TObjekt track = testing::strokeTrack(0, -10000, 20000, -10000, kLayerC1);
  track.autorouted = 1;
  track.routeEndA = a;
  TObjekt* t = add(std::move(track));
  select({t});
  copySelection(objects, clipboard);
  EXPECT_EQ(clipboard.front()->routeEndA, nullptr);
  select({a, t});
  copySelection(objects, clipboard);
  EXPECT_EQ(clipboard[1]->routeEndA, clipboard[0].get());
}

TEST_F(ClipboardTest, AWholeComponentStaysOneAPartBecomesPlainObjects) {
  TObjekt* p1 = pad(0, 3);
  TObjekt* p2 = pad(20000, 3);
  TObjekt* id = label(kComponentIdText, 3);
  TObjekt* value = label(kComponentValueText, 3);
  select({p1, p2, id, value});
  copySelection(objects, clipboard);
  placeClipboard(objects, clipboard, {0, 0}, true);
  for (TObjekt* o : pasted(4)) EXPECT_EQ(o->componentId, 5) << "compacted to 1, then 4 + 1";
  EXPECT_EQ(objects[6]->variant, kComponentIdText);

  select({p1, id});
  copySelection(objects, clipboard);
  for (const auto& o : clipboard) EXPECT_EQ(o->componentId, 0);
  EXPECT_EQ(clipboard[1]->variant, kPlainText);
}

// Component numbers are int16: a paste that would pass 32767 is refused and changes nothing.
TEST_F(ClipboardTest, APastePastTheComponentRangeIsRefused) {
  TObjekt* part = pad(0, 30000);
  select({part});
  copySelection(objects, clipboard);
  ASSERT_EQ(placeClipboard(objects, clipboard, {0, 0}, true), PlaceResult::Placed);
  EXPECT_EQ(objects.back()->componentId, 30002) << "30000 compacts to 1, added to 30001";
  pad(40000, 32766);
  select({});
  EXPECT_EQ(placeClipboard(objects, clipboard, {0, 0}, true), PlaceResult::TooManyComponents);
  EXPECT_EQ(objects.size(), 3u);
}

TEST_F(ClipboardTest, APasteOfSeveralUnitsBecomesOneNewGroup) {
  TObjekt* a = pad(0);
  TObjekt* b = pad(20000);
  pushGroup(*a, 7);
  select({a, b});
  copySelection(objects, clipboard);
  placeClipboard(objects, clipboard, {0, 0}, true);
  const auto both = pasted(2);
  // The clipboard's group 7 became 1 and then 1 + 8; the new paste group is 10 on both.
  EXPECT_EQ(both[0]->groups, (std::vector<std::int32_t>{9, 10}));
  EXPECT_EQ(both[1]->groups, (std::vector<std::int32_t>{10}));
  EXPECT_TRUE(both[0]->selected && both[1]->selected);
  EXPECT_FALSE(a->selected);
}

TEST_F(ClipboardTest, GroupingTwoGroupsAndUngroupingRestoresThem) {
  TObjekt* a = pad(0);
  TObjekt* b = pad(10000);
  TObjekt* c = pad(20000);
  pushGroup(*a, 2);
  pushGroup(*b, 2);
  pushGroup(*c, 3);
  select({a, b});
  EXPECT_EQ(selectedUnitCount(objects), 1);
  EXPECT_FALSE(groupSelection(objects)) << "one group is a unit already";
  select({a, b, c});
  ASSERT_TRUE(groupSelection(objects));
  EXPECT_EQ(a->groups, (std::vector<std::int32_t>{2, 4}));
  EXPECT_EQ(c->groups, (std::vector<std::int32_t>{3, 4}));
  ASSERT_TRUE(ungroupSelection(objects));
  EXPECT_EQ(a->groups, std::vector<std::int32_t>{2});
  EXPECT_EQ(c->groups, std::vector<std::int32_t>{3});
}

TEST_F(ClipboardTest, DeleteKeepsLabelsOfComponentsThatRemainAndRemovesOrphanedOnes) {
  TObjekt* p1 = pad(0, 2);
  TObjekt* p2 = pad(20000, 2);
  TObjekt* id = label(kComponentIdText, 2);
  label(kComponentValueText, 2);
  select({p1, id});
  ASSERT_TRUE(deleteSelection(objects));
  EXPECT_EQ(objects.size(), 3u) << "the label stays while the component has a pad";
  select({p2});
  ASSERT_TRUE(deleteSelection(objects));
  EXPECT_TRUE(objects.empty()) << "nothing but labels left: they go too";

  // A former label without a component is a plain text and can be deleted.
  TObjekt* loose = label(kComponentIdText, 0);
  select({loose});
  EXPECT_TRUE(deleteSelection(objects));
  EXPECT_TRUE(objects.empty());
}

TEST_F(ClipboardTest, DeletedPadsLeaveNoConnectionsBehind) {
  TObjekt* a = pad(0);
  TObjekt* b = pad(20000);
  testing::connect(a, b);
  select({a});
  deleteSelection(objects);
  EXPECT_TRUE(b->connections.empty());
}

TEST_F(ClipboardTest, NewNumbersAreOneMoreThanTheLargestAndAtLeastTwo) {
  EXPECT_EQ(nextGroupNumber(objects), 2);
  EXPECT_EQ(nextComponentNumber(objects), 2);
  TObjekt* a = pad(0, 9);
  pushGroup(*a, 12);
  pushGroup(*a, 5);
  EXPECT_EQ(nextGroupNumber(objects), 6) << "innermost numbers count";
  EXPECT_EQ(nextComponentNumber(objects), 10);
}

}  // namespace
}  // namespace pravelo
