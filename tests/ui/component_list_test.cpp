#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "base/file_io.h"
#include "manufacturing/pick_place_file.h"
#include "project/save_commands.h"
#include "support/component_board.h"
#include "support/scripted_host.h"
#include "ui/component_export_dialog.h"
#include "ui/component_list_panel.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;

// R10, R2 and a through-hole J1 on the window's board; the list shows R2, R10, J1 sorted as
// J1, R2, R10.
class ComponentListWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    setLanguage(Language::English);
    testing::ComponentBoard b;
    testing::ComponentBoard::usePickPlace(b.part(1, "R10", "1k"), 90, "0805");
    b.part(2, "R2", "2k2", {300000, -300000});
    b.pad(3, {600000, -600000}, kLayerC2);
    b.label(3, kComponentIdText, "J1");
    b.board.name = "Parts";
    Document doc;
    doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
    window = std::make_unique<MainWindow>(config.start(), &host);
    MainWindow::FileChoosers choosers;
    choosers.saveParts = [this](const std::string&, const std::string& preset) {
      presets.push_back(preset);
      return std::optional<std::string>(exported);
    };
    window->setFileChoosers(choosers);
    window->start(layout);
    testing::trigger(*window, "TB_Bauteile");
    panel = window->findChild<TBTList*>("TBTList");
    ASSERT_NE(panel, nullptr);
    table = child<QTableWidget>(*panel, "SG_Bauteile");
  }
  const Board& board() const { return activeBoard(window->document()); }
  QStringList column(int c) const {
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) texts << table->item(row, c)->text();
    return texts;
  }

  testing::TempConfig config;
  testing::ScriptedHost host;
  std::string layout = (config.root() / "parts.pvb6").string();
  std::string exported = (config.root() / "parts.txt").string();
  std::vector<std::string> presets;
  std::unique_ptr<MainWindow> window;
  TBTList* panel = nullptr;
  QTableWidget* table = nullptr;
};

TEST_F(ComponentListWindow, RowsAreSortedAndShowSideAndRotation) {
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(window->settings().optionen.Bauteile);
  EXPECT_EQ(column(0), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(column(1), (QStringList{"J1", "R2", "R10"}));
  EXPECT_EQ(column(2), (QStringList{"", "2k2", "1k"}));
  EXPECT_EQ(column(3), (QStringList{"TOP", "TOP", "TOP"}));
  EXPECT_EQ(column(4), (QStringList{"---", "---", "90°"}));
  EXPECT_FALSE(table->item(0, 2)->flags() & Qt::ItemIsEditable) << "J1 has no value label";
  EXPECT_TRUE(table->item(1, 2)->flags() & Qt::ItemIsEditable);

  child<QCheckBox>(*panel, "CB_Package")->setChecked(false);
  EXPECT_TRUE(table->isColumnHidden(5));
  EXPECT_LT(window->settings().componentListWidths[5], 0) << "a hidden column is negative";
  testing::trigger(*window, "TB_Bauteile");
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(ComponentListWindow, ARowSelectsItsComponentAndCellsRenameLabels) {
  table->selectRow(2);
  int selected = 0;
  for (const auto& o : board().objects) {
    EXPECT_EQ(o->selected != 0, o->componentId == 1);
    selected += o->selected;
  }
  EXPECT_EQ(selected, 4);

  table->item(1, 1)->setText("R3");
  QTest::qWait(20);  // the edit applies once the cell's own signal is done
  EXPECT_EQ(column(1), (QStringList{"J1", "R3", "R10"}));
  const auto renamed = std::ranges::find_if(board().objects, [](const auto& o) {
    return o->componentId == 2 && o->variant == kComponentIdText && o->kind == kText;
  });
  EXPECT_EQ((*renamed)->text, "R3");
  EXPECT_TRUE(window->document().modified);
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(ComponentListWindow, TheExportDialogPreviewsAndWritesTheFile) {
  testing::onNextDialog<TBT_ExportDlg>([](TBT_ExportDlg& dialog) {
    auto* preview = child<QPlainTextEdit>(dialog, "M_Vorschau");
    EXPECT_EQ(preview->toPlainText(),
              "1\tR2\t2k2\tTop\t---\t---\t---\n"
              "2\tR10\t1k\tTop\t15.00\t70.00\t90");
    child<QCheckBox>(dialog, "CB_Nummer")->setChecked(false);
    child<QCheckBox>(dialog, "CB_Package")->setChecked(true);
    EXPECT_EQ(child<QListWidget>(dialog, "LB1")->count(), 6);
    child<QComboBox>(dialog, "CB_Einheit")->setCurrentIndex(1);
    child<QCheckBox>(dialog, "CB_NullenEntfernen")->setChecked(true);
    child<QCheckBox>(dialog, "CB_PickPlaceData")->setChecked(true);
    child<QRadioButton>(dialog, "RB_Semikolon")->setChecked(true);
    EXPECT_EQ(preview->toPlainText(), "R10;1k;Top;590.55;2755.91;90;0805");
    auto* order = child<QListWidget>(dialog, "LB1");
    order->model()->moveRow({}, 0, {}, 3);  // as a drag of "ID" below "Layer"
    EXPECT_EQ(preview->toPlainText().toStdString(), "1k;Top;R10;590.55;2755.91;90;0805");
    order->model()->moveRow({}, 2, {}, 0);
    EXPECT_EQ(preview->toPlainText(), "R10;1k;Top;590.55;2755.91;90;0805");
    child<QCheckBox>(dialog, "CB_SMD")->setChecked(false);
    EXPECT_EQ(preview->toPlainText(), "") << "nothing through-hole is asked for";
    child<QCheckBox>(dialog, "CB_SMD")->setChecked(true);
    child<QPushButton>(dialog, "B_Export")->click();
  });
  child<QPushButton>(*panel, "B_Export")->click();
  EXPECT_EQ(presets, std::vector<std::string>{"parts.txt"});
  const PickPlaceOptions kept = pickPlaceOptions(window->settings().componentExport, true);
  EXPECT_EQ(kept.columns, (std::vector<int>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(kept.separator, ';');
  EXPECT_TRUE(kept.mil);
  const std::string written = readWholeFile(exported).value();
  EXPECT_TRUE(
      written.ends_with("* Name;Value;Layer;Pos-X;Pos-Y;Rot;Package\r\n*\r\n"
                        "R10;1k;Top;590.55;2755.91;90;0805\r\n"))
      << written;
  EXPECT_FALSE(window->document().modified);
}

}  // namespace
}  // namespace pravelo
