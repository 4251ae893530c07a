// The Excellon export and the drill list of the active board.
#include "document/document_texts.h"
#include "manufacturing/drill_export.h"
#include "ui/drill_list_dialog.h"
#include "ui/excellon_dialog.h"
#include "ui/main_window.h"

namespace pravelo {

void MainWindow::createDrillDialogs() {
  lochDlg_ = new TLochDlg(start_.settings.excellon, this);
  bohrInfoDlg_ = new TBohrInfoDlg(*host_, this);
  connect(lochDlg_, &TLochDlg::helpRequested, this, &MainWindow::openHelp);
}

void MainWindow::Bohrdaten1Click() {
  const Board& board = activeBoard(doc_);
  warnAboutSilkscreenDrills(board, *host_);
  std::optional<ExcellonOptions> options = lochDlg_->execute();
  if (!options) return;
  storeExcellonOptions(*options, start_.settings.excellon);
  options->camOrigin = start_.settings.optionen.CAM_Nullpunkt;
  if (const std::string problem = formatRangeProblem(board, *options, currentLanguage());
      !problem.empty()) {
    host_->showMessage(problem, pravelo::tr(texts::productName), MessageIcon::Warning);
    return;
  }
  offerCoarserDrills(board, *options, *host_);
  const auto path = choosers_.saveDrill(layoutFolder(), outputPreset(".drl"));
  if (path) writeOutputFile(*path, drillFileText(board, *options, drillFileDate()));
}

void MainWindow::BohrungenAuflisten1Click() {
  const Board& board = activeBoard(doc_);
  warnAboutSilkscreenDrills(board, *host_);
  bohrInfoDlg_->execute(board, lengthUnit());
}

}  // namespace pravelo
