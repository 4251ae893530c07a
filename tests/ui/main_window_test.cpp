#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "base/text.h"
#include "project/boards.h"
#include "project/save_commands.h"
#include "support/scripted_host.h"
#include "ui/board_view.h"
#include "ui/new_board_dialog.h"
#include "ui/project_info_dialog.h"
#include "ui/properties_panel.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::onNextDialog;
using testing::ScriptedHost;
using testing::tabCaptions;
using testing::TempConfig;
using testing::trigger;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { setLanguage(Language::German); }

  const Document& doc() const { return window->document(); }
  QStringList boardNames() const {
    QStringList names;
    for (const auto& b : doc().boards) names << QString::fromStdString(b->name);
    return names;
  }

  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(config.start(), &host);
};

TEST_F(MainWindowTest, StartsWithTheDefaultBoardInItsTab) {
  EXPECT_EQ(window->windowTitle(), "Pravelo-Board 6.0");
  EXPECT_EQ(tabCaptions(*window), QStringList{"Platine 1 "});
  ASSERT_EQ(doc().boards.size(), 1u);
  EXPECT_EQ(doc().boards[0]->header.width, 1600000);
  EXPECT_EQ(doc().boards[0]->header.height, 1000000);
  EXPECT_FALSE(doc().modified);
  // 160 mm at one pixel per 0.1 mm.
  EXPECT_EQ(window->findChild<BoardView*>("ScrollBoxEx1")->canvasSize(), (PixelSize{1601, 1001}));
}

TEST_F(MainWindowTest, BoardMenuCopiesMovesAndDeletesBoards) {
  trigger(*window, "Platinelschen1");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Die letzte Platine kann nicht gelöscht werden.");
  EXPECT_EQ(host.messages[0].title, "Pravelo-Board");
  EXPECT_EQ(doc().boards.size(), 1u);

  trigger(*window, "Platinekopieren1");
  trigger(*window, "Platinekopieren2");
  EXPECT_EQ(boardNames(),
            (QStringList{"Platine 1", "Kopie von Platine 1", "Kopie von Kopie von Platine 1"}));
  EXPECT_EQ(doc().activeBoard, 2);
  EXPECT_TRUE(doc().modified);

  struct Move {
    const char* action;
    QStringList order;  // first letters: P, K (copy), C (copy of the copy)
    int active;
  };
  // clang-format off
  const Move moves[] = {
      {"Platinenachlinks1",      {"C", "P", "K"}, 0},
      {"Platineeinsnachlinks1",  {"C", "P", "K"}, 0},  // already first: nothing
      {"Platineeinsnachrechts1", {"P", "C", "K"}, 1},
      {"Platinenachrechts1",     {"P", "K", "C"}, 2},
      {"Platineeinsnachrechts1", {"P", "K", "C"}, 2},  // already last: nothing
  };
  // clang-format on
  for (const Move& m : moves) {
    trigger(*window, m.action);
    QStringList order;
    for (const QString& name : boardNames()) {
      order << (name.startsWith("Kopie von Kopie") ? "C" : name.left(1));
    }
    EXPECT_EQ(order, m.order) << m.action;
    EXPECT_EQ(doc().activeBoard, m.active) << m.action;
    EXPECT_EQ(window->findChild<QTabBar*>("TabSet")->currentIndex(), m.active) << m.action;
  }

  host.answers = {Answer::Cancel, Answer::Ok};
  trigger(*window, "Platinelschen2");
  EXPECT_EQ(doc().boards.size(), 3u);
  trigger(*window, "Platinelschen1");
  ASSERT_EQ(host.questions.size(), 2u);
  EXPECT_EQ(host.questions[1].text,
            "Möchten Sie die Platine \"Kopie von Kopie von Platine 1\" wirklich löschen?");
  EXPECT_EQ(tabCaptions(*window), (QStringList{"Platine 1 ", "Kopie von Platine 1 "}));
  EXPECT_EQ(doc().activeBoard, 1);
}

TEST_F(MainWindowTest, MovesThatCannotMoveLeaveTheDocumentUnmodified) {
  for (const char* action : {"Platinenachlinks1", "Platineeinsnachlinks1", "Platinenachrechts1",
                             "Platineeinsnachrechts1"}) {
    trigger(*window, action);
  }
  EXPECT_FALSE(doc().modified);
}

TEST_F(MainWindowTest, ClickingATabActivatesItsBoard) {
  trigger(*window, "Platinekopieren1");
  auto* tabs = window->findChild<QTabBar*>("TabSet");
  tabs->setCurrentIndex(0);
  EXPECT_EQ(doc().activeBoard, 0);
}

TEST_F(MainWindowTest, AddNewBoardUsesTheDialogAndReportsTheName) {
  onNextDialog<TNeuDlg>([](TNeuDlg& dlg) {
    dlg.findChild<QToolButton*>("SpeedButton2")->click();
    dlg.findChild<QLineEdit*>("E_Name")->setText("  Größe ");
    dlg.findChild<QPushButton*>("B_OK")->click();
  });
  trigger(*window, "NeuePlatine1");
  ASSERT_EQ(doc().boards.size(), 2u);
  EXPECT_EQ(doc().activeBoard, 1);
  const Board& board = *doc().boards[1];
  EXPECT_EQ(board.name,
            "Gr\xF6\xDF"
            "e");  // stored as Windows-1252
  EXPECT_EQ(board.header.width, 2000000);
  EXPECT_EQ(board.objects.size(), 1u);
  EXPECT_EQ(tabCaptions(*window).last(), "Größe ");
  EXPECT_TRUE(doc().modified);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Es wurde eine neue Platine namens \"Größe\" hinzugefügt.");
}

TEST_F(MainWindowTest, CancellingAddNewBoardAddsNothing) {
  onNextDialog<TNeuDlg>([](TNeuDlg& dlg) { dlg.reject(); });
  trigger(*window, "NeuePlatine2");
  EXPECT_EQ(doc().boards.size(), 1u);
  EXPECT_FALSE(doc().modified);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainWindowTest, NewDocumentReplacesTheBoardsWithTheDialogsBoard) {
  trigger(*window, "Platinekopieren1");
  host.answers = {Answer::No};
  onNextDialog<TNeuDlg>([](TNeuDlg& dlg) {
    dlg.findChild<QToolButton*>("SpeedButton3")->click();
    dlg.findChild<QPushButton*>("B_OK")->click();
  });
  trigger(*window, "Neu1");
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Möchten Sie das aktuelle Layout speichern ?");
  ASSERT_EQ(doc().boards.size(), 1u);
  EXPECT_EQ(doc().boards[0]->header.width, 1400000);
  EXPECT_EQ(doc().boards[0]->objects.size(), 1u);
  EXPECT_FALSE(doc().modified);
}

TEST_F(MainWindowTest, CancellingTheDialogOfNewDocumentLeavesTheDefaultBoard) {
  onNextDialog<TNeuDlg>([](TNeuDlg& dlg) { dlg.reject(); });
  trigger(*window, "TB_Neu");
  EXPECT_TRUE(host.questions.empty());  // nothing to lose
  EXPECT_EQ(boardNames(), QStringList{"Platine 1"});
  EXPECT_EQ(doc().boards[0]->header.width, 1600000);
}

// A layout file of one board with a track on I1.
std::string writeInnerLayerFile(const TempConfig& config, std::uint8_t multilayer) {
  Document file;
  Board& board = addBoard(file, "Vier Lagen", 1000000, 1000000);
  board.header.multilayer = multilayer;
  auto track = std::make_unique<TObjekt>(newObject());
  initTrack(*track, 2000, kLayerI1);
  addPoint(*track, {0, 0});
  addPoint(*track, {1000, 0});
  board.objects.push_back(std::move(track));
  const std::string path = (config.root() / "vier.pvb6").string();
  EXPECT_TRUE(writeDocumentFile(file, path));
  return path;
}

// Both board-properties items deselect everything and show the properties panel on the board's
// page, whose fields then change the board.
TEST(BoardProperties, OpenTheBoardPageOfThePropertiesPanel) {
  TempConfig config;
  const std::string path = writeInnerLayerFile(config, 1);
  ScriptedHost host;
  MainWindow window(config.start(), &host);
  window.start(path);
  auto* panel = window.findChild<TEigenschaftenDlg*>("TEigenschaftenDlg");
  auto* toggle = window.findChild<QAction*>("Eigenschaften1");
  for (const char* item : {"Platinengrsse1", "Platineeinrichten1"}) {
    if (toggle->isChecked()) trigger(window, "Eigenschaften1");
    ASSERT_FALSE(panel->isVisible());
    trigger(window, "Allesmarkieren1");
    ASSERT_EQ(window.document().boards[0]->objects[0]->selected, 1);
    trigger(window, item);
    EXPECT_EQ(window.document().boards[0]->objects[0]->selected, 0) << item;
    EXPECT_TRUE(panel->isVisible()) << item;
    EXPECT_TRUE(toggle->isChecked()) << item;
    EXPECT_EQ(panel->findChild<QStackedWidget*>("PageControl")->currentWidget()->objectName(),
              "Platine")
        << item;
  }
  auto* name = panel->findChild<QLineEdit*>("E_Board");
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, " Steuerung ");
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(tabCaptions(window), QStringList{"Steuerung "});
}

TEST_F(MainWindowTest, LayerButtonsShowHideAndActivateLayers) {
  auto* showS1 = window->findChild<QToolButton*>("SB_B1");
  showS1->click();
  EXPECT_EQ(doc().boards[0]->header.layerVisible[1], 0);
  EXPECT_FALSE(window->findChild<QToolButton*>("SB_K2")->isEnabled());  // C2 is active
  window->findChild<QToolButton*>("RB_B1")->click();
  EXPECT_EQ(doc().boards[0]->header.activeLayer, 2);
  EXPECT_EQ(doc().boards[0]->header.layerVisible[1], 1);
  EXPECT_FALSE(showS1->isEnabled());
  EXPECT_TRUE(window->findChild<QToolButton*>("SB_K2")->isEnabled());
}

TEST_F(MainWindowTest, ProjectInfoIsStoredAndMarksTheDocument) {
  onNextDialog<TProjectInfoDlg>([](TProjectInfoDlg& dlg) {
    dlg.findChild<QLineEdit*>("E_Titel")->setText("Netzteil");
    dlg.findChild<QPushButton*>("B_OK")->click();
  });
  trigger(*window, "Projektinfo1");
  EXPECT_EQ(doc().project.title, "Netzteil");
  EXPECT_TRUE(doc().modified);
}

TEST_F(MainWindowTest, HintsOfControlsAppearInTheHelpLine) {
  window->findChild<QAction*>("Platinekopieren1")->showStatusText(window.get());
  EXPECT_EQ(window->findChild<QLabel*>("L_Hilfetext")->text(),
            "Eine Kopie der aktiven Platine anfügen");
}

}  // namespace
}  // namespace pravelo
