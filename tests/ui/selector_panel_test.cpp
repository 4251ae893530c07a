#include "ui/selector_panel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include "base/text.h"
#include "editing/selector.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

using testing::add;
using testing::strokeTrack;

std::vector<int> selectedIndices(const Board& board) {
  std::vector<int> indices;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (board.objects[i]->selected) indices.push_back(static_cast<int>(i));
  }
  return indices;
}

void clickItem(QTreeWidget& tree, QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers = {}) {
  ASSERT_NE(item, nullptr);
  tree.scrollToItem(item);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, modifiers, tree.visualItemRect(item).center());
}

// Pads 0 and 1 and a via 2; tracks 3 (0.3 mm, C1), 4 (0.2 mm, S1) and 5 (0.3 mm, C2).
class SelectorPanelTest : public ::testing::Test {
 protected:
  SelectorPanelTest() {
    setLanguage(Language::English);
    doc.boards.push_back(std::make_unique<Board>());
    doc.activeBoard = 0;
    Board& b = activeBoard(doc);
    b.header = newBoardHeader(1000000, 1000000);
    b.header.originY = 0;  // the origin at the top left
    for (float x : {10000.0f, 20000.0f, 30000.0f}) {
      TObjekt pad = newObject();
      initPad(pad, {x, -10000}, kLayerC1, kPadCircular, 4000, 8000);
      add(b, std::move(pad));
    }
    b.objects[2]->via = 1;
    for (auto [layer, width] : {std::pair{kLayerC1, 3000}, {kLayerS1, 2000}, {kLayerC2, 3000}}) {
      TObjekt track = strokeTrack(0, -20000, 5000, -20000, layer);
      track.width = width;
      add(b, std::move(track));
    }
    b.objects[0]->selected = 1;
    panel.showBoard(&b, LengthUnit::Mm);
    panel.show();
  }
  ~SelectorPanelTest() override { setLanguage(Language::German); }

  QTreeWidget& tree() { return *panel.findChild<QTreeWidget*>("TV_Elemente"); }

  Document doc;
  SelectorSettings settings;
  TSelector panel{settings};
};

TEST_F(SelectorPanelTest, ChoosingAValueSelectsExactlyItsElements) {
  QSignalSpy chosen(&panel, &TSelector::selectionChosen);
  panel.findChild<QComboBox*>("CB_Layer")->setCurrentIndex(kSelectAllLayers);
  panel.findChild<QComboBox*>("CB_Typ")->setCurrentIndex(kSelectTracks);
  EXPECT_EQ(settings.TYP, kSelectTracks);
  EXPECT_EQ(panel.findChild<QComboBox*>("CB_Sort")->currentText(), "Width");
  EXPECT_EQ(panel.findChild<QLabel*>("L_Anzahl")->text(), "3 Elements");
  ASSERT_EQ(tree().topLevelItemCount(), 2);
  EXPECT_EQ(tree().topLevelItem(1)->text(0), "0.300 mm");

  clickItem(tree(), tree().topLevelItem(1));
  EXPECT_EQ(selectedIndices(activeBoard(doc)), (std::vector<int>{3, 5}));
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).toInt(), 5);  // the auto-zoom default

  tree().expandAll();
  clickItem(tree(), tree().topLevelItem(1)->child(1));
  EXPECT_EQ(selectedIndices(activeBoard(doc)), (std::vector<int>{5}));
  clickItem(tree(), tree().topLevelItem(0)->child(0), Qt::ControlModifier);
  EXPECT_EQ(selectedIndices(activeBoard(doc)), (std::vector<int>{4, 5}));
}

TEST_F(SelectorPanelTest, FiltersAndCriteriaAreKeptInTheSettings) {
  panel.findChild<QComboBox*>("CB_Sort")->setCurrentIndex(2);  // pads by size
  panel.findChild<QComboBox*>("CB_Layer")->setCurrentIndex(kSelectSilkscreen);
  panel.findChild<QSlider*>("TB_Zoom")->setValue(0);
  EXPECT_EQ(settings, (SelectorSettings{kSelectPads, kSelectSilkscreen, 2, 0}));
  EXPECT_EQ(tree().topLevelItemCount(), 0);
  EXPECT_EQ(panel.findChild<QLabel*>("L_Anzahl")->text(), "0 Elements");

  panel.findChild<QComboBox*>("CB_Layer")->setCurrentIndex(kSelectCopper);
  ASSERT_EQ(tree().topLevelItemCount(), 1);
  EXPECT_EQ(tree().topLevelItem(0)->text(0), "1.600 mm");
  EXPECT_EQ(tree().topLevelItem(0)->child(0)->text(0), "1.000 mm / 1.000 mm");

  // A new panel over the same settings starts with the stored choice.
  TSelector again(settings);
  EXPECT_EQ(again.findChild<QComboBox*>("CB_Sort")->currentIndex(), 2);
  EXPECT_EQ(again.findChild<QComboBox*>("CB_Layer")->currentIndex(), kSelectCopper);
}

}  // namespace
}  // namespace pravelo
