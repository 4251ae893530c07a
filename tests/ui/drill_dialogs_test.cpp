#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>

#include "base/file_io.h"
#include "manufacturing/drill_list.h"
#include "project/save_commands.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/drill_list_dialog.h"
#include "ui/excellon_dialog.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;

using testing::child;

Board drillBoard() {
  Board board;
  board.name = "Drills";
  board.header = newBoardHeader(1000000, 800000);
  for (FPoint p : {FPoint{100000, -700000}, FPoint{123450, -790000}, FPoint{500000, -400000}}) {
    TObjekt pad = newObject();
    initPad(pad, p, kLayerC1, kPadCircular, p.x == 100000 ? 5000 : 4000, 9000);
    pad.via = p.x == 500000;
    testing::add(board, pad);
  }
  TObjekt silk = newObject();
  initPad(silk, {900000, -100000}, kLayerS1, kPadCircular, 4000, 9000);
  testing::add(board, silk);
  return board;
}

TEST(ExcellonDialog, StartsFromTheStoredOptionsWithEachRadioGroupOnItsOwn) {
  ExcellonSettings stored;
  stored.MM33 = true;
  stored.Zoll = false;
  stored.Zero = true;
  stored.Kommentare = true;
  TLochDlg dialog(stored);
  EXPECT_TRUE(child<QRadioButton>(dialog, "RB_MM33")->isChecked());
  EXPECT_TRUE(child<QRadioButton>(dialog, "RB_Best")->isChecked()) << "a group of its own";
  ExcellonOptions o = dialog.options();
  EXPECT_EQ(o.format, ExcellonFormat::Mm33);
  EXPECT_TRUE(o.deleteLeadingZeros && o.noComments && o.selection.sorted);
  EXPECT_FALSE(o.decimalPoint || o.m71 || o.noG90);

  child<QRadioButton>(dialog, "RB_Kupfer_HPGL")->setChecked(true);
  child<QRadioButton>(dialog, "RB_Zoll")->setChecked(true);
  child<QCheckBox>(dialog, "CB_Vias")->setChecked(false);
  child<QCheckBox>(dialog, "CB_Sortieren")->setChecked(false);
  o = dialog.options();
  EXPECT_EQ(o.side, DrillSide::BottomMilling);
  EXPECT_EQ(o.format, ExcellonFormat::Inch24);
  EXPECT_FALSE(o.selection.vias || o.selection.sorted);
  EXPECT_TRUE(o.selection.simpleHoles);
}

TEST(DrillListDialog, ListFollowsTheCheckBoxesAndGoesToTheClipboard) {
  const Board board = drillBoard();
  ScriptedHost host;
  TBohrInfoDlg dialog(host);
  dialog.showBoard(board, LengthUnit::Mm);
  EXPECT_EQ(dialog.listText().toStdString(), drillListText(drillListTools(board, true, true),
                                                           LengthUnit::Mm, '.', currentLanguage()));
  child<QCheckBox>(dialog, "CB_Vias")->setChecked(false);
  EXPECT_TRUE(dialog.listText().trimmed().endsWith("2 Bohrungen"))
      << dialog.listText().toStdString();

  child<QPushButton>(dialog, "B_Clipboard")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), dialog.listText());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Der Text ist jetzt in der Zwischenablage");
}

class DrillCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(config.root() / "Layouts");
    Document doc;
    doc.boards.push_back(std::make_unique<Board>(drillBoard()));
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
    window = std::make_unique<MainWindow>(config.start(), &host);
    MainWindow::FileChoosers choosers;
    choosers.saveDrill = [this](const std::string&, const std::string& preset) {
      presets.push_back(preset);
      return std::optional<std::string>(drill);
    };
    window->setFileChoosers(choosers);
    window->start(layout);
  }

  testing::TempConfig config;
  ScriptedHost host;
  std::string layout = (config.root() / "Layouts" / "board.pvb6").string();
  std::string drill = (config.root() / "Layouts" / "board.drl").string();
  std::vector<std::string> presets;
  std::unique_ptr<MainWindow> window;
};

TEST_F(DrillCommands, ExportWarnsAboutTheSilkscreenAndWritesTheChosenFile) {
  testing::onNextDialog<TLochDlg>([](TLochDlg& dialog) {
    child<QRadioButton>(dialog, "RB_MM32")->setChecked(true);
    child<QCheckBox>(dialog, "CB_NoComments")->setChecked(true);
    dialog.accept();
  });
  testing::trigger(*window, "BohrDatenExcellon1");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("1 Bohrungen"), std::string::npos);
  EXPECT_EQ(presets, std::vector<std::string>{"board.drl"});
  ExcellonOptions expected = excellonOptions(window->settings().excellon);
  EXPECT_EQ(expected.format, ExcellonFormat::Mm32) << "kept for the settings file";
  EXPECT_TRUE(expected.noComments);
  EXPECT_EQ(readWholeFile(drill).value(),
            drillFileText(activeBoard(window->document()), expected, ""));
  EXPECT_FALSE(window->document().modified);
}

TEST_F(DrillCommands, CancelWritesNothingAndTheListShowsTheBoard) {
  testing::onNextDialog<TLochDlg>([](TLochDlg& dialog) { dialog.reject(); });
  testing::trigger(*window, "BohrDatenExcellon1");
  EXPECT_FALSE(std::filesystem::exists(drill));

  QString shown;
  testing::onNextDialog<TBohrInfoDlg>([&shown](TBohrInfoDlg& dialog) {
    shown = dialog.listText();
    dialog.reject();
  });
  testing::trigger(*window, "BohrungenAuflisten1");
  EXPECT_TRUE(shown.trimmed().endsWith("3 Bohrungen")) << shown.toStdString();
}

}  // namespace
}  // namespace pravelo
