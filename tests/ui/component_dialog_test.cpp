#include "ui/component_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editing/scripted_window.h"
#include "project/components.h"
#include "ui/pvb_spin_edit.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;

// Two components of one pad and two labels each; the first is edited.
class ComponentDialogTest : public ::testing::Test {
 protected:
  ComponentDialogTest() {
    for (const int k : {3, 4}) {
      TObjekt p = newObject();
      initSmdPad(p, {static_cast<float>(k * 100000), -100000}, 20000, kLayerC1, 10000);
      add(std::move(p), k);
      for (const TextRole role : {kComponentIdText, kComponentValueText}) {
        TObjekt t = newObject();
        initText(t, {0, 0}, role == kComponentIdText ? "R" + std::to_string(k) : "1k", 0, 0,
                 kLayerS1, 1, 1, 13000, 0);
        t.variant = role;
        add(std::move(t), k);
      }
    }
  }
  void add(TObjekt o, int component) {
    o.componentId = static_cast<std::int16_t>(component);
    objects.push_back(std::make_unique<TObjekt>(std::move(o)));
  }
  TObjekt* label(int k, TextRole role) {
    return componentLabel(componentMembers(objects, k), role);
  }

  ObjectList objects;
  ScriptedWindow host;
  ColourScheme scheme = standardScheme();
};

TEST_F(ComponentDialogTest, TypingChangesTheLabelsAtOnce) {
  ComponentSession session(objects, 3, {}, host, host);
  TBezWertDlg window(session, scheme, false);
  EXPECT_EQ(child<QLineEdit>(window, "E_Bez")->text(), "R3");
  EXPECT_EQ(child<QComboBox>(window, "CB_Layer_Bez")->currentIndex(), 1) << "S1";
  EXPECT_EQ(child<QComboBox>(window, "CB_Layer_Bez")->itemText(3), "B2=") << "German captions";
  EXPECT_EQ(child<QComboBox>(window, "CB_Layer_Bez")->itemText(4), "U =");
  EXPECT_DOUBLE_EQ(child<TPvbSpinEdit>(window, "SE_Texthoehe")->value(), 1.3);
  QTest::keyClicks(child<QLineEdit>(window, "E_Bez"), "a");
  EXPECT_EQ(label(3, kComponentIdText)->text, "R3a");
  child<QComboBox>(window, "CB_Layer_Wert")->setCurrentIndex(3);
  EXPECT_EQ(label(3, kComponentValueText)->layer, kLayerS2);
  EXPECT_EQ(label(3, kComponentValueText)->optB, 1);
  child<QComboBox>(window, "CB_TextStaerke")->setCurrentIndex(2);
  EXPECT_FLOAT_EQ(label(3, kComponentIdText)->dim.y, 2);
  EXPECT_EQ(label(4, kComponentIdText)->text, "R4") << "nothing selected, nothing carried over";
}

TEST_F(ComponentDialogTest, PickAndPlaceFieldsShowAndWorkOnRequest) {
  ComponentSession session(objects, 3, {}, host, host);
  TBezWertDlg window(session, scheme, false);
  auto* expand = child<QPushButton>(window, "SB_Expand");
  EXPECT_FALSE(child<QGroupBox>(window, "P_PickPlace")->isVisibleTo(&window));
  EXPECT_EQ(expand->text(), "Pick+ Place Daten anzeigen");
  expand->click();
  EXPECT_TRUE(child<QGroupBox>(window, "P_PickPlace")->isVisibleTo(&window));
  EXPECT_FALSE(child<QDoubleSpinBox>(window, "SE_Rotation")->isEnabled());
  child<QCheckBox>(window, "CB_PickPlace")->setChecked(true);
  EXPECT_TRUE(child<QDoubleSpinBox>(window, "SE_Rotation")->isEnabled());
  child<QPushButton>(window, "SB_R270")->click();
  EXPECT_DOUBLE_EQ(session.fields().rotation, 270);
  child<QDoubleSpinBox>(window, "SE_XOffset")->setValue(2.5);
  child<QPushButton>(window, "B_Null")->click();
  EXPECT_DOUBLE_EQ(session.fields().offsetXMm, 0);
  child<QPushButton>(window, "B_OK")->click();
  EXPECT_EQ(window.end(), ComponentDialogEnd::Ok);
}

TEST_F(ComponentDialogTest, SeveralComponentsTintTheChangedFields) {
  for (const auto& o : objects) o->selected = isHiddenLabel(*o) ? 0 : 1;
  label(3, kComponentValueText)->dim.x = 15000;
  ComponentSession session(objects, 3, {}, host, host);
  TBezWertDlg window(session, scheme, false);
  EXPECT_TRUE(child<TPvbSpinEdit>(window, "SE_Texthoehe")->isBlank()) << "the heights differ";
  auto* style = child<QComboBox>(window, "CB_TextStil");
  EXPECT_TRUE(style->styleSheet().isEmpty());
  style->setCurrentIndex(2);
  EXPECT_TRUE(session.tinted(ComponentField::Style));
  EXPECT_FALSE(style->styleSheet().isEmpty());
  EXPECT_TRUE(child<QLineEdit>(window, "E_Wert")->styleSheet().isEmpty());
}

TEST_F(ComponentDialogTest, DisintegrateEndsTheDialogOnlyAfterItsQuestion) {
  ComponentSession session(objects, 3, {}, host, host);
  TBezWertDlg window(session, scheme, false);
  child<QPushButton>(window, "B_Aufloesen")->click();
  EXPECT_EQ(window.end(), ComponentDialogEnd::Cancel) << "the question was cancelled";
  host.answers.push_back(Answer::Ok);
  child<QPushButton>(window, "B_Aufloesen")->click();
  EXPECT_EQ(window.end(), ComponentDialogEnd::BreakUp);
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(ComponentDialogTest, AMacrosComponentHasNoDisintegrateButton) {
  ComponentSession session(objects, 3, {}, host, host);
  session.withoutBreakUp();
  TBezWertDlg window(session, scheme, false);
  EXPECT_TRUE(child<QPushButton>(window, "B_Aufloesen")->isHidden());
}

}  // namespace
}  // namespace pravelo
