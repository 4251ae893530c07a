#include "ui/properties_panel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "project/boards.h"
#include "project/save_commands.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/main_window.h"
#include "ui/pvb_spin_edit.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;
using testing::TempConfig;
using testing::trigger;

// A 100 mm x 80 mm board with two pads of different drills, a track and a track on I1, opened in
// the window with the properties panel shown.
class PropertiesPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Document doc;
    Board& board = addBoard(doc, "Panel", 1000000, 800000);
    for (const auto& [x, drill] : {std::pair{200000.0f, 4000.0f}, std::pair{300000.0f, 5000.0f}}) {
      TObjekt pad = newObject();
      initPad(pad, {x, -200000}, kLayerC1, kPadCircular, drill, 9000);
      testing::add(board, std::move(pad));
    }
    testing::add(board, testing::strokeTrack(200000, -500000, 600000, -500000, kLayerC1));
    // On a hidden inner layer: kept while the multilayer switch is off.
    testing::add(board, testing::strokeTrack(0, -10000, 10000, -10000, kLayerI1));
    const std::string path = (config.root() / "panel.pvb6").string();
    ASSERT_TRUE(writeDocumentFile(doc, path));
    window = std::make_unique<MainWindow>(config.start(), &host);
    window->start(path);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    panel = window->findChild<TEigenschaftenDlg*>("TEigenschaftenDlg");
    ASSERT_NE(panel, nullptr);
    trigger(*window, "Eigenschaften1");
  }

  const Board& board() const { return activeBoard(window->document()); }
  template <class T>
  T* child(const char* name) const {
    auto* found = panel->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QLineEdit* box(const char* field) const {
    return child<TPvbSpinEdit>(field)->findChild<QLineEdit*>("E_Edit");
  }
  void type(const char* field, const char* text) {
    QLineEdit* edit = box(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  QString page() const {
    return child<QStackedWidget>("PageControl")->currentWidget()->objectName();
  }

  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window;
  TEigenschaftenDlg* panel = nullptr;
};

TEST_F(PropertiesPanelTest, TheToggleShowsThePanelFromTheViewMenuAndThePopUp) {
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(window->settings().optionen.Eigenschaften);
  QAction* toggle = window->findChild<QAction*>("Eigenschaften1");
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_TRUE(window->findChild<QMenu*>("Ansicht1")->actions().contains(toggle));
  EXPECT_TRUE(window->findChild<QMenu*>("PaintBoxPopup")->actions().contains(toggle));
  trigger(*window, "Eigenschaften1");
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(window->settings().optionen.Eigenschaften);
}

TEST_F(PropertiesPanelTest, NothingSelectedShowsTheBoardPage) {
  EXPECT_EQ(page(), "Platine");
  EXPECT_EQ(child<QLabel>("L_Typ")->text(), "Platine");
  EXPECT_FALSE(child<QListWidget>("LB_Multiselect")->isVisible());
  EXPECT_EQ(box("SE_BoardX")->text(), "100.0000");
  EXPECT_EQ(child<QLabel>("L_Flaeche")->text(), "80 cm²");
}

TEST_F(PropertiesPanelTest, MixedValuesAreBlankAndOneTypedFieldChangesEveryPad) {
  trigger(*window, "Allesmarkieren1");
  auto* rows = child<QListWidget>("LB_Multiselect");
  EXPECT_TRUE(rows->isVisible());
  ASSERT_EQ(rows->count(), 2);
  EXPECT_EQ(rows->item(0)->text(), "2; Pads");
  EXPECT_EQ(rows->item(1)->text(), "1; Leiterbahn");
  EXPECT_EQ(page(), "Pad");
  EXPECT_EQ(box("SE_Innen")->text(), "");  // the drills differ
  EXPECT_EQ(box("SE_Aussen")->text(), "1.80");

  type("SE_Aussen", "2.5");
  for (int i = 0; i < 2; ++i) EXPECT_FLOAT_EQ(board().objects[i]->dim.x, 12500);
  EXPECT_FLOAT_EQ(board().objects[0]->dim.y, 4000);
  EXPECT_FLOAT_EQ(board().objects[1]->dim.y, 5000);
  EXPECT_EQ(box("SE_Innen")->text(), "") << "still differing";
  trigger(*window, "TB_Undo");
  EXPECT_FLOAT_EQ(board().objects[0]->dim.x, 9000);

  trigger(*window, "Allesmarkieren1");
  rows->setCurrentRow(1);
  EXPECT_EQ(page(), "Leiterbahn");
  EXPECT_EQ(child<QLabel>("L_Knoten")->text(), "2");
}

TEST_F(PropertiesPanelTest, SpokeButtonsShowThePatternAndAClickTogglesOneSpoke) {
  trigger(*window, "Allesmarkieren1");
  for (int k = 1; k <= 8; ++k) {
    const QString name = QString("SB_TH%1").arg(k);
    EXPECT_EQ(child<QToolButton>(name.toLatin1().constData())->isChecked(), k % 2 == 1) << k;
  }
  child<QToolButton>("SB_TH2")->click();
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(static_cast<std::uint32_t>(board().objects[i]->paramA), 0x57575757u);
  }
  EXPECT_TRUE(child<QToolButton>("SB_TH2")->isChecked());
  auto* thermal = child<QCheckBox>("CB_ThermalPad");
  thermal->click();
  EXPECT_EQ(board().objects[0]->optB, 1);
  EXPECT_EQ(thermal->checkState(), Qt::Checked);
}

// A board side typed with four decimals is kept to the unit; the multilayer switch asks before
// deleting inner-layer objects and stays on after Cancel.
TEST_F(PropertiesPanelTest, BoardPageKeepsExactSizesAndAsksBeforeDeletingInnerLayers) {
  type("SE_BoardX", "123.4567");
  EXPECT_EQ(board().header.width, 1234567);
  EXPECT_EQ(board().header.height, 800000);
  EXPECT_EQ(box("SE_BoardX")->text(), "123.4567");
  type("SE_BoardY", "700");
  EXPECT_EQ(board().header.height, 5000000);

  auto* multilayer = child<QCheckBox>("CB_InnerLayer");
  multilayer->click();
  EXPECT_EQ(board().header.multilayer, 1);
  EXPECT_TRUE(host.questions.empty());
  // Switching off again would delete the track on I1: Cancel keeps it and the switch.
  host.answers.push_back(Answer::Cancel);
  multilayer->click();
  EXPECT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(board().header.multilayer, 1);
  EXPECT_TRUE(multilayer->isChecked());
  EXPECT_EQ(board().objects.size(), 4u);
}

// The settings key "Eigenschaften" brings the panel back at the next start.
TEST_F(PropertiesPanelTest, TheNextStartShowsThePanelAgain) {
  ASSERT_TRUE(window->close());
  window = std::make_unique<MainWindow>(config.start(), &host);
  window->start("");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_TRUE(window->findChild<TEigenschaftenDlg*>("TEigenschaftenDlg")->isVisible());
  EXPECT_TRUE(window->findChild<QAction*>("Eigenschaften1")->isChecked());
}

}  // namespace
}  // namespace pravelo
