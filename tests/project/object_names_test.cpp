#include "project/object_names.h"

#include <gtest/gtest.h>

#include "support/sample_layout.h"

namespace pravelo {
namespace {

class ObjectNamesTest : public ::testing::Test {
 protected:
  TObjekt* pad(const char* name, bool selected) {
    TObjekt p = newObject();
    initPad(p, {0, 0}, kLayerC1, kPadCircular, 3000, 8000);
    p.name = name;
    p.selected = selected ? 1 : 0;
    objects.push_back(std::make_unique<TObjekt>(std::move(p)));
    return objects.back().get();
  }
  ObjectList objects;
};

TEST_F(ObjectNamesTest, TheProposalIsTheFirstNamedSelectedObject) {
  pad("GND", false);
  pad("", true);
  pad("VCC", true);
  pad("OUT", true);
  EXPECT_EQ(firstSelectedName(objects), "VCC");
  objects[2]->selected = objects[3]->selected = 0;
  EXPECT_EQ(firstSelectedName(objects), "");
}

TEST_F(ObjectNamesTest, TheContextMenuOffersThePickedNameFirst) {
  pad("GND", false);
  pad("VCC", true);
  pad("", false);
  EXPECT_EQ(contextMenuName(objects, 0), "GND");
  EXPECT_EQ(contextMenuName(objects, 2), "VCC") << "an unnamed pick falls back on the selection";
  EXPECT_EQ(contextMenuName(objects, -1), "VCC");
  objects[1]->selected = 0;
  EXPECT_EQ(contextMenuName(objects, 2), "");
}

TEST_F(ObjectNamesTest, NamingTrimsBlanksAndTouchesOnlyTheSelection) {
  pad("old", true);
  pad("old", false);
  nameSelection(objects, "  R12  ");
  EXPECT_EQ(objects[0]->name, "R12");
  EXPECT_EQ(objects[1]->name, "old");
  nameSelection(objects, " \t ");
  EXPECT_EQ(objects[0]->name, "") << "an empty entry clears the name";
}

}  // namespace
}  // namespace pravelo
