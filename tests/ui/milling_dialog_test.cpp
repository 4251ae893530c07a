#include "ui/milling_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QProgressDialog>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "base/file_io.h"
#include "document/layout_file.h"
#include "manufacturing/hpgl_milling.h"
#include "project/save_commands.h"
#include "support/gerber_boards.h"
#include "support/scripted_host.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/milling_progress.h"
#include "ui/pvb_spin_edit.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;

Board millingBoard() {
  testing::GerberBoard b(400000, 300000);
  b.track({{50000, -50000}, {300000, -50000}}, 8000);
  b.pad({350000, -200000}, kPadCircular, 16000, 5000).via = 1;
  b.board.name = "Milling";
  return std::move(b.board);
}

TEST(MillingDialog, ControlsFollowTheBoardAndTheJobListFollowsTheControls) {
  MillingSettings stored;
  TUmrissDlg dialog(stored);
  const Board board = millingBoard();
  testing::onNextDialog<TUmrissDlg>([](TUmrissDlg& d) {
    auto* ok = child<QPushButton>(d, "B_OK");
    EXPECT_FALSE(ok->isEnabled()) << "no job yet";
    EXPECT_FALSE(child<QCheckBox>(d, "CB_Koernen_K1")->isEnabled());
    child<QCheckBox>(d, "CB_K1")->setChecked(true);
    EXPECT_TRUE(ok->isEnabled());
    child<QCheckBox>(d, "CB_K2")->setChecked(true);
    child<QCheckBox>(d, "CB_Koernen_K1")->setChecked(true);
    child<QCheckBox>(d, "CB_Koernen_K2")->setChecked(true);
    EXPECT_FALSE(child<QCheckBox>(d, "CB_Koernen_K1")->isChecked()) << "one side only";
    child<QComboBox>(d, "CB_Bohrungen")->setCurrentIndex(2);
    child<QToolButton>(d, "IM_Passbohrung3")->setChecked(true);
    auto* jobs = child<QTreeWidget>(d, "LB_Jobs");
    ASSERT_EQ(jobs->topLevelItemCount(), 4);
    // A new job joins at the end; the user drags the drilling job to the top, and it stays
    // there as the list is rebuilt.
    ASSERT_EQ(jobs->topLevelItem(2)->text(0).toStdString(), "4");
    jobs->insertTopLevelItem(0, jobs->takeTopLevelItem(2));
    child<QComboBox>(d, "CB_Spiegeln_K1")->setCurrentIndex(2);
    std::vector<int> pens;
    for (const MillingJob& j : d.listedJobs()) pens.push_back(j.pen);
    EXPECT_EQ(pens, (std::vector<int>{4, 2, 3, 1}));
    EXPECT_EQ(jobs->topLevelItem(0)->text(2).toStdString(), "Unten");
    d.accept();
  });
  const auto choice = dialog.execute(board, LengthUnit::Mm, true);
  ASSERT_TRUE(choice);
  EXPECT_TRUE(choice->options.millC1 && choice->options.millC2 && choice->options.punchC2);
  EXPECT_EQ(choice->options.mirrorC1, MillMirror::Vertical);
  EXPECT_EQ(choice->jobs.front().pen, kPenDrillings);
  EXPECT_TRUE(stored.Passbohrung3) << "stored for the settings file";
}

TEST(MillingProgress, WindowIsModalForTheWholeApplication) {
  MillingProgressWindow progress(nullptr);
  EXPECT_EQ(progress.window()->windowModality(), Qt::ApplicationModal);
  progress.report(1, 3, MillingStage::CreateOutlines);
  EXPECT_EQ(progress.window()->windowTitle().toStdString(), "Isolationsumrisse (2/3)");
  EXPECT_EQ(progress.window()->labelText().toStdString(), "Umrisse erzeugen");
  EXPECT_EQ(progress.window()->value(), 9);
}

class MillingCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(config.root() / "Layouts");
    Document doc;
    doc.boards.push_back(std::make_unique<Board>(millingBoard()));
    doc.boards[0]->header.groundPlane[kLayerC1 - 1] = 1;
    doc.boards[0]->objects[0]->clearance = 4000;
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
    window = std::make_unique<MainWindow>(config.start(), &host);
    MainWindow::FileChoosers choosers;
    choosers.saveHpgl = [this](const std::string&, const std::string& preset) {
      presets.push_back(preset);
      return chosen;
    };
    window->setFileChoosers(choosers);
    window->start(layout);
  }

  void millC1() {
    testing::onNextDialog<TUmrissDlg>([](TUmrissDlg& d) {
      child<TPvbSpinEdit>(d, "SE_Breite")->setValue(0.2);
      child<QCheckBox>(d, "CB_K1")->setChecked(true);
      d.accept();
    });
    testing::trigger(*window, "UmrissHPGLplt1");
  }

  testing::TempConfig config;
  testing::ScriptedHost host;
  std::string layout = (config.root() / "Layouts" / "board.pvb6").string();
  std::string plt = (config.root() / "Layouts" / "board.plt").string();
  std::optional<std::string> chosen = plt;
  std::vector<std::string> presets;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MillingCommands, WritesTheFileAndShowsThePathsUntilRemoved) {
  const std::string before = writeLayout(window->document());
  millC1();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Umriss erstellen") << "the ground plane is ignored";
  EXPECT_EQ(presets, std::vector<std::string>{"board.plt"});
  MillingOptions o;
  o.millC1 = true;
  o.width = 2000;
  EXPECT_EQ(readWholeFile(plt).value(),
            millingFile(activeBoard(window->document()), o, {kPenIsolationC1}).text);
  auto* view = window->findChild<BoardView*>();
  EXPECT_EQ(view->millingPaths().size(), 1u);
  auto* panel = window->findChild<QToolBar*>("P_Umriss");
  EXPECT_TRUE(panel->isVisibleTo(window.get()));
  EXPECT_TRUE(child<QToolButton>(*window, "SB_UmrissHaarlinie")->isEnabled());
  child<QToolButton>(*window, "SB_UmrissHaarlinie")->click();
  EXPECT_TRUE(view->millingHairline());
  EXPECT_FALSE(window->document().modified);
  EXPECT_EQ(writeLayout(window->document()), before) << "the board is unchanged by the output";

  child<QToolButton>(*window, "SB_UmrisseEntfernen")->click();
  EXPECT_TRUE(view->millingPaths().empty());
  EXPECT_FALSE(panel->isVisibleTo(window.get()));
}

// The paths belong to the board they were computed for: the hairline switch on another board
// draws nothing there.
TEST_F(MillingCommands, HairlineOnAnotherBoardLeavesItsPictureAlone) {
  millC1();
  testing::trigger(*window, "Platinekopieren1");
  ASSERT_EQ(window->document().activeBoard, 1);
  auto* view = window->findChild<BoardView*>();
  const QImage before = view->viewport()->grab().toImage();
  child<QToolButton>(*window, "SB_UmrissHaarlinie")->click();
  EXPECT_TRUE(view->millingHairline());
  EXPECT_EQ(view->viewport()->grab().toImage(), before);
}

TEST_F(MillingCommands, ACancelledFileDialogWritesNothingButShowsThePaths) {
  chosen.reset();
  millC1();
  EXPECT_FALSE(std::filesystem::exists(plt));
  EXPECT_EQ(window->findChild<BoardView*>()->millingPaths().size(), 1u);
}

}  // namespace
}  // namespace pravelo
