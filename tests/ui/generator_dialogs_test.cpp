#include "ui/generator_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>

#include "base/text.h"
#include "support/scripted_host.h"
#include "ui/pvb_spin_edit.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;

// Works the modal dialog once it is shown; `work` must close it.
void whileGeneratorDialogOpen(const std::function<void(QDialog&)>& work) {
  QTimer::singleShot(0, [work] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    work(*dialog);
  });
}

class GeneratorDialogsTest : public ::testing::Test {
 protected:
  GeneratorDialogsTest() { setLanguage(Language::English); }

  std::vector<int> helpTopics;
  HelpOpener openHelp = [this](int topic) { helpTopics.push_back(topic); };
};

TEST_F(GeneratorDialogsTest, FootprintFieldsFollowTheTypeAndPadKind) {
  FootprintDialog dialog;
  ObjectList pattern;
  int refreshes = 0;
  dialog.refresh = [&](const FootprintValues&) -> const ObjectList& {
    ++refreshes;
    return pattern;
  };
  whileGeneratorDialogOpen([](QDialog& w) {
    EXPECT_FALSE(child<QSpinBox>(w, "SE_VAnz")->isEnabled());
    EXPECT_FALSE(child<TPvbSpinEdit>(w, "SE_Y")->isEnabled());
    child<QComboBox>(w, "CB_Typ")->setCurrentIndex(2);  // square
    child<QSpinBox>(w, "SE_HAnz")->setValue(5);
    child<QSpinBox>(w, "SE_VAnz")->setValue(3);
    EXPECT_TRUE(child<QSpinBox>(w, "SE_VAnz")->isEnabled());
    EXPECT_TRUE(child<TPvbSpinEdit>(w, "SE_X")->isEnabled());
    EXPECT_EQ(child<QLabel>(w, "L_Total")->text(), "Total: 16");
    child<QRadioButton>(w, "SB_SMD")->setChecked(true);
    EXPECT_FALSE(child<TPvbSpinEdit>(w, "SE_XPad")->isEnabled());
    EXPECT_TRUE(child<TPvbSpinEdit>(w, "SE_SMDX")->isEnabled());
    child<QPushButton>(w, "B_Help")->click();
    child<QPushButton>(w, "B_OK")->click();
  });
  ASSERT_TRUE(runFootprintDialog(nullptr, dialog, openHelp));
  EXPECT_EQ(dialog.values.type, FootprintType::Square);
  EXPECT_EQ(dialog.values.pads, FootprintPads::Smd);
  EXPECT_EQ(footprintPadCount(dialog.values), 16);
  EXPECT_GT(refreshes, 4);
  EXPECT_EQ(helpTopics, std::vector<int>{kFootprintHelpTopic});
}

// OK with a shape that does not fit says so and keeps the dialog open.
TEST_F(GeneratorDialogsTest, ShapeTooBigKeepsTheDialogOpen) {
  ShapeDialog dialog;
  dialog.preview = [](const ShapeValues&) { return ObjectList{}; };
  dialog.fits = [](const ObjectList&) { return false; };
  testing::ScriptedHost host;
  whileGeneratorDialogOpen([&host](QDialog& w) {
    child<QPushButton>(w, "B_Help")->click();
    child<QPushButton>(w, "B_OK")->click();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Object too big for the current working-space.");
    child<QPushButton>(w, "B_Cancel")->click();
  });
  EXPECT_FALSE(runShapeDialog(nullptr, dialog, host, openHelp));
  EXPECT_EQ(helpTopics, std::vector<int>{kShapeHelpTopic});
}

}  // namespace
}  // namespace pravelo
