#include "ui/macro_panel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "base/host.h"
#include "project/macro_file.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

class RecordingMacroHost : public Host {
 public:
  void showMessage(const std::string& text, const std::string&, MessageIcon) override {
    messages.push_back(text);
  }
  Answer ask(const std::string& text, const std::string&, Buttons, MessageIcon) override {
    messages.push_back(text);
    return Answer::Cancel;
  }
  std::vector<std::string> messages;
};

// A library with an SMD part (top side), a damaged file and a folder.
class MacroPanelTest : public ::testing::Test {
 protected:
  MacroPanelTest() {
    setLanguage(Language::English);
    ObjectList part;
    TObjekt pad = newObject();
    initSmdPad(pad, {0, 0}, 6000, kLayerC1, 9000);
    part.push_back(std::make_unique<TObjekt>(std::move(pad)));
    std::filesystem::create_directories(folder.path() / "Chips");
    saveMacro(folder.path() / "Chips" / "R2.pvm", part, "Resistor", "");
    testing::writeBytes(folder.file("Broken.pvm"), "\x06\x33\xaa\xff\x01");
    panel.resize(200, 400);
    panel.showLibrary(folder.path(), folder.path() / "Chips" / "R2.pvm");
  }

  QTreeWidget* tree() { return panel.findChild<QTreeWidget*>("TV_Makros"); }

  testing::TempFolder folder;
  MacroPanel state;
  RecordingMacroHost host;
  TMakroPanel panel{state, host};
};

TEST_F(MacroPanelTest, TheLastMacroIsSelectedAndShownAtStart) {
  ASSERT_EQ(tree()->topLevelItemCount(), 2);
  EXPECT_EQ(tree()->topLevelItem(0)->text(0), "Broken");
  EXPECT_EQ(tree()->topLevelItem(1)->text(0), "Chips");
  EXPECT_EQ(state.macro.size(), 1u);
  EXPECT_EQ(panel.findChild<QLineEdit*>("E_Makrotext1")->text(), "Resistor");
  EXPECT_EQ(panel.findChild<QToolButton*>("SB_MakroLayerChange")->text(), "TOP");
  EXPECT_FALSE(panel.findChild<QLabel*>("PB_Makro")->pixmap().isNull());
}

TEST_F(MacroPanelTest, ADamagedMacroIsReportedAndLeavesTheMacroEmpty) {
  tree()->setCurrentItem(tree()->topLevelItem(0));
  EXPECT_EQ(host.messages, std::vector<std::string>{"The macro can not be loaded."});
  EXPECT_TRUE(state.macro.empty());
}

TEST_F(MacroPanelTest, TheSideButtonFlipsTheMacroAndTheBoxHidesTheLabels) {
  panel.findChild<QToolButton*>("SB_MakroLayerChange")->click();
  EXPECT_EQ(panel.findChild<QToolButton*>("SB_MakroLayerChange")->text(), "BOT");
  EXPECT_EQ(state.macro[0]->layer, kLayerC2);
  panel.findChild<QCheckBox*>("CB_Bauteil")->setChecked(false);
  EXPECT_FALSE(state.asComponent);
}

// Macro nodes drag like the preview and a double click asks to edit the macro's component;
// folders do neither.
TEST_F(MacroPanelTest, MacroNodesDragAndDoubleClickFoldersDoNot) {
  int editRequests = 0;
  QObject::connect(&panel, &TMakroPanel::editRequested, [&] { ++editRequests; });
  QTreeWidgetItem* chips = tree()->topLevelItem(1);
  QTreeWidgetItem* part = chips->child(0);
  EXPECT_FALSE(chips->flags() & Qt::ItemIsDragEnabled);
  EXPECT_TRUE(part->flags() & Qt::ItemIsDragEnabled);
  emit tree()->itemDoubleClicked(chips, 0);
  EXPECT_EQ(editRequests, 0);
  emit tree()->itemDoubleClicked(part, 0);
  EXPECT_EQ(editRequests, 1);
}

}  // namespace
}  // namespace pravelo
