// The Gerber and Excellon import into a new or the current board.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <optional>

#include "editing/editor.h"
#include "manufacturing/gerber_import_run.h"
#include "manufacturing/gerber_import_texts.h"
#include "ui/gerber_import_dialog.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/run_input.h"

namespace pravelo {
namespace {

// While the tracks of a large import are joined, a small window says so; Escape stops the
// joining, every other input waits until the import is done.
class ImportProgress : public QObject {
 public:
  explicit ImportProgress(QWidget* parent) : window_(parent) {
    window_.setObjectName("ImportProgress");
    window_.setWindowTitle(qtr(texts::importCaption));
    auto* layout = new QVBoxLayout(&window_);
    layout->addWidget(new QLabel(qtr(texts::importOptimizing), &window_));
    layout->addWidget(new QLabel(qtr(texts::importCancelWithEsc), &window_));
    window_.show();
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~ImportProgress() override {
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    return holdInputDuringRun(*event, escape_) || QObject::eventFilter(watched, event);
  }
  // Asked now and then by the track join: the window breathes, and Escape is seen.
  bool cancelled() {
    QApplication::processEvents();
    return escape_;
  }

 private:
  QDialog window_;
  bool escape_ = false;
};

}  // namespace

void MainWindow::createGerberImportDialog() {
  gerberImportDlg_ = new TGerberImport_Dlg(
      [this](const GerberImportRequest& request, bool newBoard) {
        // The window appears with the first question of the track join, after every question
        // to the user has been asked.
        std::optional<ImportProgress> progress;
        const ImportOutcome outcome =
            runGerberImport(doc_, request, newBoard, *host_, editor_->undoDepth(), [&] {
              if (!progress) progress.emplace(gerberImportDlg_);
              return progress->cancelled();
            });
        progress.reset();
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
