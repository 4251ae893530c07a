#include "document/object_list.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(DeselectLayer, DeselectsOnlyTheObjectsOfThatLayerWithTheirStrokes) {
  ObjectList list;
  for (std::uint8_t layer : {kLayerS1, kLayerC1, kLayerS1}) {
    auto o = std::make_unique<TObjekt>(newObject());
    o->layer = layer;
    o->selected = 1;
    o->children.push_back(newObject());
    o->children.back().selected = 1;
    list.push_back(std::move(o));
  }
  deselectLayer(list, kLayerS1);
  EXPECT_EQ(list[0]->selected, 0);
  EXPECT_EQ(list[0]->children[0].selected, 0);
  EXPECT_EQ(list[1]->selected, 1);
  EXPECT_EQ(list[1]->children[0].selected, 1);
  EXPECT_EQ(list[2]->selected, 0);
}

}  // namespace
}  // namespace pravelo
