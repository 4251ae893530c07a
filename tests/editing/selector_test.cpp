#include "editing/selector.h"

#include <gtest/gtest.h>

#include "board_fixture.h"

namespace pravelo {
namespace {

using testing::EditingBoard;

std::vector<std::string> valueCaptions(const std::vector<SelectorValue>& tree) {
  std::vector<std::string> captions;
  for (const SelectorValue& v : tree) captions.push_back(v.caption);
  return captions;
}

std::vector<int> elementIndices(const SelectorValue& value) {
  std::vector<int> indices;
  for (const SelectorElement& e : value.elements) indices.push_back(e.index);
  return indices;
}

class SelectorTest : public ::testing::Test {
 protected:
  SelectorTest() {
    setLanguage(Language::English);
    b.board.header.originX = 0;
    b.board.header.originY = 0;
    b.pad({10000, 0}, 8000, 4000);                       // 0: drill 0.8, ring 0.4, size 1.6
    b.pad({20000, 0}, 10000, 4000);                      // 1: drill 0.8, ring 0.6, size 2.0
    b[b.pad({30000, 0}, 8000, 3000, kLayerC2)].via = 1;  // 2: drill 0.6
    b[2].variant = kPadSquare;
    b.track(kLayerC1, {0, 0}, {1000, 0}, 3000);     // 3
    b.track(kLayerS1, {0, 5000}, {1000, 0}, 2000);  // 4
    b.track(kLayerC2, {0, 0}, {1000, 0}, 3000);     // 5
    b[5].name = "GND";
  }
  ~SelectorTest() override { setLanguage(before); }

  std::vector<SelectorValue> tree(int type, int sort, int layers) {
    return selectorTree(b.board, SelectorSettings{type, layers, sort, 5}, LengthUnit::Mm);
  }

  Language before = currentLanguage();
  EditingBoard b;
};

TEST_F(SelectorTest, OneNodePerDistinctValueInAscendingOrder) {
  const auto drills = tree(kSelectPads, 0, kSelectAllLayers);
  EXPECT_EQ(valueCaptions(drills), (std::vector<std::string>{"0.600 mm", "0.800 mm"}));
  EXPECT_EQ(elementIndices(drills[1]), (std::vector<int>{0, 1}));
  EXPECT_EQ(valueCaptions(tree(kSelectPads, 1, kSelectAllLayers)),
            (std::vector<std::string>{"0.400 mm", "0.500 mm", "0.600 mm"}));
  EXPECT_EQ(valueCaptions(tree(kSelectPads, 2, kSelectAllLayers)),
            (std::vector<std::string>{"1.600 mm", "2.000 mm"}));
  EXPECT_EQ(valueCaptions(tree(kSelectPads, 3, kSelectAllLayers)),
            (std::vector<std::string>{"Circular", "Square"}));
  EXPECT_EQ(valueCaptions(tree(kSelectVias, 0, kSelectAllLayers)),
            (std::vector<std::string>{"0.600 mm"}));
}

TEST_F(SelectorTest, LayerFilterAndElementCaptions) {
  const auto copper = tree(kSelectTracks, 0, kSelectCopper);
  ASSERT_EQ(valueCaptions(copper), (std::vector<std::string>{"0.300 mm"}));
  ASSERT_EQ(copper[0].elements.size(), 2u);
  EXPECT_EQ(copper[0].elements[1].caption, "GND");
  EXPECT_EQ(elementCountText(elementCount(copper)), "2 Elements");
  const auto silk = tree(kSelectTracks, 0, kSelectSilkscreen);
  EXPECT_EQ(elementIndices(silk.at(0)), (std::vector<int>{4}));
  EXPECT_EQ(elementCountText(elementCount(silk)), "1 Element");
  EXPECT_EQ(elementCountText(0), "0 Elements");
}

TEST_F(SelectorTest, TextsByStringAndThicknessHiddenLabelsLeftOut) {
  for (const char* s : {"B", "A", "\xB5m"}) {  // texts are stored in Windows-1252
    TObjekt t = newObject();
    initText(t, {0, 0}, s, 0, 0, kLayerS1, 1, 2, 20000, 0);
    b.add(std::move(t));
  }
  b[b.add(b[6])].variant = kComponentValueText;
  b[9].optA = 0;
  EXPECT_EQ(valueCaptions(tree(kSelectTexts, 2, kSelectAllLayers)),
            (std::vector<std::string>{"A", "B", "\u00B5m"}));
  EXPECT_EQ(valueCaptions(tree(kSelectTexts, 1, kSelectAllLayers)),
            (std::vector<std::string>{"Bold"}));
}

TEST_F(SelectorTest, CaptionsInTheRunLanguageAndIndicesOutOfRangeCountAsFirst) {
  setLanguage(Language::German);
  EXPECT_EQ(sortCriterionCaptions(kSelectTexts),
            (std::vector<std::string>{"Höhe", "Stärke", "Text"}));
  EXPECT_EQ(elementCountText(3), "3 Elemente");
  setLanguage(Language::French);
  EXPECT_EQ(elementCountText(1), "1 élément");
  EXPECT_EQ(selectorTypeCaptions().size(), 5u);
  EXPECT_EQ(selectorLayerCaptions().size(), 3u);
  EXPECT_EQ(valueCaptions(tree(9, 7, -1)), valueCaptions(tree(kSelectPads, 0, kSelectCopper)));
}

}  // namespace
}  // namespace pravelo
