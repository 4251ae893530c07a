#include "ui/gerber_import_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "support/scripted_host.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;

TEST(GerberImportDialog, SlotsReadAsChosenAndImportRunsWithTheDialogsChoices) {
  testing::TempFolder folder;
  const std::string outline = folder.file("outline.gbr");
  const std::string drill = folder.file("holes.drl");
  testing::writeBytes(outline,
                      "%FSLAX34Y34*%\n%MOMM*%\n%ADD10C,1*%\nD10*\nX0Y0D02*\nX1000Y0D01*\n");
  testing::writeBytes(drill, "M48\nMETRIC\nT1C0.8\n%\nT1\nX1.5Y2.25\nM30\n");
  std::vector<GerberImportRequest> runs;
  ImportOutcome answer = ImportOutcome::KeepDialogOpen;
  TGerberImport_Dlg dialog(
      [&](const GerberImportRequest& r, bool newBoard) {
        EXPECT_FALSE(newBoard);
        runs.push_back(r);
        return answer;
      },
      nullptr);
  dialog.setSlotFile(4, outline);  // the fifth row is the outline
  EXPECT_TRUE(dialog.slotFilled(4));
  EXPECT_FALSE(dialog.slotFilled(0));
  dialog.setSlotFile(TGerberImport_Dlg::kDrillSlot, drill);
  EXPECT_FALSE(dialog.slotFilled(TGerberImport_Dlg::kDrillSlot)) << "a decimal file read as None";
  dialog.detectUnit();
  dialog.detectSuppression(true);
  EXPECT_TRUE(child<QRadioButton>(dialog, "RB_MM")->isChecked());
  EXPECT_EQ(child<QComboBox>(dialog, "CB_Suppression")->currentIndex(), 3);
  EXPECT_TRUE(dialog.slotFilled(TGerberImport_Dlg::kDrillSlot)) << "read again with the format";
  EXPECT_EQ(child<QLabel>(dialog, "L_ZFormat")->text(), "...,...");
  EXPECT_FALSE(child<QSpinBox>(dialog, "SE_VK")->isEnabled());

  child<QRadioButton>(dialog, "RB_AktuellePlatine")->setChecked(true);
  child<QPushButton>(dialog, "OKBtn")->click();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].gerberFiles[kLayerO], outline);
  EXPECT_TRUE(runs[0].gerberFiles[kLayerC1].empty());
  EXPECT_EQ(runs[0].drillFile, drill);
  EXPECT_FALSE(runs[0].drill.inch);
  EXPECT_EQ(runs[0].drill.suppression, ZeroSuppression::Decimal);
  EXPECT_EQ(dialog.result(), QDialog::Rejected) << "kept open";

  child<QPushButton>(dialog, "B_Clear4")->click();
  EXPECT_TRUE(child<QLineEdit>(dialog, "E_U")->text().isEmpty());
  EXPECT_FALSE(dialog.slotFilled(4));
  answer = ImportOutcome::Imported;
  child<QPushButton>(dialog, "OKBtn")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace pravelo

namespace pravelo {
namespace {

TEST(GerberImportWindow, TheMenuEntryImportsIntoANewTab) {
  testing::TempConfig config;
  testing::ScriptedHost host;
  MainWindow window(config.start(), &host);
  testing::TempFolder folder;
  const std::string top = folder.file("top.gbr");
  testing::writeBytes(top, "%FSLAX34Y34*%\n%MOMM*%\n%ADD10C,1*%\nD10*\nX0Y0D03*\nX20000Y0D03*\n");
  bool handled = false;
  testing::onNextDialog<TGerberImport_Dlg>([&](TGerberImport_Dlg& dialog) {
    dialog.setSlotFile(0, top);
    child<QPushButton>(dialog, "OKBtn")->click();
    handled = true;
    if (dialog.isVisible()) child<QPushButton>(dialog, "CancelBtn")->click();
  });
  testing::trigger(window, "GerberImportieren1");
  EXPECT_TRUE(handled);
  const Document& doc = window.document();
  ASSERT_EQ(doc.boards.size(), 2u);
  EXPECT_EQ(doc.activeBoard, 1);
  EXPECT_EQ(doc.boards[1]->name, "XGerber");
  EXPECT_EQ(doc.boards[1]->objects.size(), 2u);
  EXPECT_EQ(testing::tabCaptions(window).size(), 2);
}

}  // namespace
}  // namespace pravelo
