#include "editing/selection.h"

#include <gtest/gtest.h>

#include "board_fixture.h"

namespace pravelo {
namespace {

using testing::EditingBoard;

std::vector<int> selectedIndices(const Board& board) {
  std::vector<int> indices;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (board.objects[i]->selected) indices.push_back(static_cast<int>(i));
  }
  return indices;
}

TObjekt label(TextRole role, std::int16_t component, bool visible) {
  TObjekt t = newObject();
  initText(t, {0, 0}, "R1", 0, 0, kLayerS1, 1, 1, 20000, 0);
  TObjekt stroke = newObject();
  initTrack(stroke, 2000, kLayerS1);
  stroke.points = {{0, 0}, {10000, 0}};
  t.children = {stroke};
  t.variant = role;
  t.componentId = component;
  t.optA = visible ? 1 : 0;
  return t;
}

// Objects 0 and 1 form group 5 inside group 2 with object 2; 3 and 4 are a component with its
// hidden value label 5 and its ID label 6; 7 is loose.
class SelectionTest : public ::testing::Test {
 protected:
  SelectionTest() {
    for (int i = 0; i < 3; ++i) b.track(kLayerC1, {i * 10000.0f, 0}, {i * 10000.0f, 5000}, 1000);
    for (int i : {0, 1, 2}) pushGroup(b[i], 2);
    for (int i : {0, 1}) pushGroup(b[i], 5);
    for (int i = 0; i < 2; ++i) b[b.pad({i * 10000.0f, -50000}, 5000, 1000)].componentId = 7;
    b.add(label(kComponentValueText, 7, false));
    b.add(label(kComponentIdText, 7, true));
    b.track(kLayerC1, {0, 100000}, {10000, 100000}, 1000);
  }
  EditingBoard b;
};

TEST_F(SelectionTest, PeersAreTheInnermostGroupAndTheComponent) {
  selectObject(b.board, 1, true);
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{0, 1}));
  deselectAll(b.board);
  selectObject(b.board, 2, true);
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{2}));
  deselectAll(b.board);
  selectObject(b.board, 4, true);
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{3, 4, 6}));
  EXPECT_EQ(b[6].children[0].selected, 1);
  EXPECT_EQ(b[5].children[0].selected, 0);
  EXPECT_EQ(selectedCount(b.board), 3);
}

TEST_F(SelectionTest, AltTogglesOnlyTheClickedObject) {
  selectObject(b.board, 0, true);
  selectObject(b.board, 1, false, true);  // Shift+Alt on a selected member
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{0}));
  selectObject(b.board, 1, true, true);
  selectObject(b.board, 1, false);  // Shift alone deselects the group
  EXPECT_TRUE(selectedIndices(b.board).empty());
}

TEST_F(SelectionTest, HiddenLabelsAreNeverSelected) {
  selectObject(b.board, 5, true);
  EXPECT_TRUE(selectedIndices(b.board).empty());
  selectAll(b.board);
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{0, 1, 2, 3, 4, 6, 7}));
  EXPECT_EQ(b[5].selected, 0);
}

TEST_F(SelectionTest, ReturnsTheBoundsOfWhatItSet) {
  const TRect area = selectObject(b.board, 0, true);
  EXPECT_EQ(area.left, -500);
  EXPECT_EQ(area.right, 10500);
  EXPECT_EQ(area.bottom, 5500);
}

TEST_F(SelectionTest, RectangleSelectsThePeersOfWhatItCatches) {
  selectInRectangle(b.board, {-6000, -56000}, {6000, -44000});
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{3, 4, 6}));
  deselectAll(b.board);
  selectInRectangle(b.board, {9000, 2000}, {11000, 3000});  // across object 1 only
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{0, 1}));
}

TEST_F(SelectionTest, SelectAllTakesOnlyVisibleLayers) {
  b[7].layer = kLayerS2;
  b.board.header.layerVisible[kLayerS2 - 1] = 0;
  selectAll(b.board);
  EXPECT_EQ(b[7].selected, 0);
  EXPECT_EQ(selectedCount(b.board), 6);
}

TEST(SelectInRectangle, OutlineInsideOrCrossingASide) {
  EditingBoard b;
  const int zone = b.zone(kLayerC2, -100000, -100000, 100000, 100000);
  const int inner = b.track(kLayerC1, {-10000, 0}, {10000, 0}, 1000);
  const int hidden = b.track(kLayerS2, {-10000, 5000}, {10000, 5000}, 1000);
  b.board.header.layerVisible[kLayerS2 - 1] = 0;
  struct Case {
    const char* what;
    DPoint a, b;
    std::vector<int> selected;
  };
  const Case cases[] = {
      {"inside the zone, around the track", {-20000, -20000}, {20000, 20000}, {inner}},
      {"corners in any order", {20000, 20000}, {-20000, -20000}, {inner}},
      {"crossing the track", {0, -20000}, {20000, 20000}, {inner}},
      {"inside the zone, empty", {30000, 30000}, {50000, 50000}, {}},
      {"crossing the zone's edge", {90000, 30000}, {120000, 50000}, {zone}},
      {"around everything", {-200000, -200000}, {200000, 200000}, {zone, inner}},
  };
  for (const Case& c : cases) {
    deselectAll(b.board);
    selectInRectangle(b.board, c.a, c.b);
    EXPECT_EQ(selectedIndices(b.board), c.selected) << c.what;
  }
  EXPECT_EQ(b[hidden].selected, 0);
}

TEST(SelectOnly, ExactlyTheGivenObjectsWithoutPeers) {
  EditingBoard b;
  for (int i = 0; i < 3; ++i) b[b.track(kLayerC1, {0, 0}, {1000, 0}, 100)].componentId = 3;
  b[2].selected = 1;
  selectOnly(b.board, {0});
  EXPECT_EQ(selectedIndices(b.board), (std::vector<int>{0}));
}

}  // namespace
}  // namespace pravelo
