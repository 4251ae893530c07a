#include "ui/tile_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/pvb_spin_edit.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;

class TileDialogTest : public ::testing::Test {
 protected:
  TileDialogTest() {
    dialog.maxTiles = 30;
    dialog.padOffsets = {{-1, 2}, {3, -4}};
    dialog.preview = [this](const TileValues& v) {
      previewed.push_back(v);
      return ObjectList{};
    };
  }
  TileDialog dialog;
  std::vector<TileValues> previewed;
};

TEST_F(TileDialogTest, FieldsFollowTheModeAndTheirRules) {
  TKachel2Dlg window(dialog);
  ASSERT_FALSE(previewed.empty()) << "the preview is built at once";
  EXPECT_TRUE(child<QRadioButton>(window, "RB_Kacheln")->isChecked());
  EXPECT_FALSE(child<TPvbSpinEdit>(window, "SE_dY")->isEnabled()) << "one row";
  EXPECT_FALSE(child<QSpinBox>(window, "SE_Anzahl")->isEnabled());
  EXPECT_EQ(child<QSpinBox>(window, "SE_Anzahl")->maximum(), 30);

  child<QSpinBox>(window, "SE_Y")->setValue(5);
  child<QSpinBox>(window, "SE_X")->setValue(7);
  EXPECT_EQ(window.values().columns, 6) << "30 tiles at most";
  EXPECT_TRUE(child<TPvbSpinEdit>(window, "SE_dY")->isEnabled());

  child<QRadioButton>(window, "RB_Kreisfoermig")->setChecked(true);
  EXPECT_FALSE(child<QSpinBox>(window, "SE_X")->isEnabled());
  EXPECT_TRUE(child<QPushButton>(window, "SB_PadPlus")->isEnabled());
  child<QPushButton>(window, "SB_PadPlus")->click();
  EXPECT_EQ(child<QLabel>(window, "L_Pads")->text(), "2/2");
  EXPECT_DOUBLE_EQ(window.values().startXMm, 3);
  EXPECT_DOUBLE_EQ(window.values().startYMm, -4);
  child<QPushButton>(window, "SB_PadPlus")->click();
  EXPECT_EQ(child<QLabel>(window, "L_Pads")->text(), "1/2") << "wraps";
  child<QPushButton>(window, "B_Center")->click();
  EXPECT_DOUBLE_EQ(window.values().startXMm, 0);

  child<QCheckBox>(window, "CB_Mitdrehen")->setChecked(false);
  EXPECT_FALSE(child<QDoubleSpinBox>(window, "SE_MP_XOffset")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(window, "SB_PadMinus")->isEnabled());
  EXPECT_EQ(previewed.back(), window.values()) << "every change builds the preview again";
}

}  // namespace
}  // namespace pravelo
