// The Gerber and Excellon import into a new or the current board.
#include <QApplication>

#include "manufacturing/gerber_import_run.h"
#include "ui/gerber_import_dialog.h"
#include "ui/main_window.h"

namespace pravelo {

void MainWindow::createGerberImportDialog() {
  gerberImportDlg_ = new TGerberImport_Dlg(
      [this](const GerberImportRequest& request, bool newBoard) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const ImportOutcome outcome =
            runGerberImport(doc_, request, newBoard, *host_, editor_->undoDepth());
        QApplication::restoreOverrideCursor();
        if (outcome == ImportOutcome::Imported) {
          zoomToFitBoard();
          showDocument();
        }
        return outcome;
      },
      this);
}

void MainWindow::GerberImportieren1Click() { gerberImportDlg_->execute(scheme_); }

}  // namespace pravelo
