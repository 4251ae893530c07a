// Isolation milling of the active board and the overlay of the computed paths.
#include <QApplication>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "editing/tool_machine.h"
#include "editing/tool_table.h"
#include "manufacturing/hpgl_milling.h"
#include "manufacturing/milling_export.h"
#include "manufacturing/milling_texts.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/milling_dialog.h"
#include "ui/milling_dialog_texts.h"
#include "ui/milling_progress.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

// The busy cursor, taken back on every way out.
class MillingBusyCursor {
 public:
  MillingBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~MillingBusyCursor() { release(); }
  MillingBusyCursor(const MillingBusyCursor&) = delete;
  MillingBusyCursor& operator=(const MillingBusyCursor&) = delete;
  void release() {
    if (held_) QApplication::restoreOverrideCursor();
    held_ = false;
  }

 private:
  bool held_ = true;
};

}  // namespace

void MainWindow::createMillingControls() {
  umrissDlg_ = new TUmrissDlg(start_.settings.milling, this);
  connect(umrissDlg_, &TUmrissDlg::helpRequested, this, &MainWindow::openHelp);
  millingPanel_ = new QToolBar(this);
  millingPanel_->setObjectName("P_Umriss");
  addToolBar(Qt::TopToolBarArea, millingPanel_);
  hairlineButton_ = new QToolButton(millingPanel_);
  hairlineButton_->setObjectName("SB_UmrissHaarlinie");
  hairlineButton_->setText(qtr(texts::millHairline));
  hairlineButton_->setCheckable(true);
  millingPanel_->addWidget(hairlineButton_);
  auto* remove = new QToolButton(millingPanel_);
  remove->setObjectName("SB_UmrisseEntfernen");
  remove->setText(qtr(texts::millRemovePaths));
  millingPanel_->addWidget(remove);
  millingPanel_->hide();
  connect(hairlineButton_, &QToolButton::clicked, this, &MainWindow::SB_UmrissHaarlinieClick);
  connect(remove, &QToolButton::clicked, this, &MainWindow::SB_UmrisseEntfernenClick);
}

std::string MainWindow::millingFolder() const {
  const FolderSettings& f = start_.settings.ordner;
  if (!f.PLT.empty()) return f.PLT;
  return f.EqualDir ? layoutFolder() : f.PLT_Last;
}

void MainWindow::UmrissHPGLplt1Click() {
  machine_->chooseTool(ToolId::Edit);
  const Board& board = activeBoard(doc_);
  const std::optional<MillingChoice> choice =
      umrissDlg_->execute(board, lengthUnit(), start_.settings.optionen.CAM_Nullpunkt);
  if (!choice || choice->jobs.empty()) return;
  SB_UmrisseEntfernenClick();
  const MillingOptions& o = choice->options;
  const Language language = currentLanguage();
  if (millingIgnoresGroundPlane(board, o)) {
    host_->showMessage(pravelo::tr(texts::millPlaneWarning),
                       pravelo::tr(texts::millPlaneWarningTitle), MessageIcon::Warning);
  }
  MillingBusyCursor busy;
  const std::string preset = outputPreset(".plt");
  const auto remember = [this](const std::string& path) {
    start_.settings.ordner.PLT_Last = std::filesystem::path(path).parent_path().string();
  };
  ContourList paths;
  if (!o.separateFiles) {
    std::vector<int> pens;
    for (const MillingJob& job : choice->jobs) pens.push_back(job.pen);
    MillingCommands commands;
    {
      MillingProgressWindow progress(this);
      commands = millingFile(board, o, pens, progress.callback());
    }
    paths = std::move(commands.paths);
    busy.release();
    // A cancelled file dialog writes nothing, but the computed paths are still shown.
    if (const auto path = choosers_.saveHpgl(millingFolder(), preset)) {
      remember(*path);
      if (saveMillingText(*path, commands.text, *host_, language) && o.jobList) {
        saveMillingText(jobListPath(*path), jobListText(choice->jobs, o, lengthUnit(), language),
                        *host_, language);
      }
    }
  } else {
    busy.release();
    const auto path = choosers_.saveHpgl(millingFolder(), preset);
    if (!path) return;
    remember(*path);
    MillingBusyCursor computing;
    MillingProgressWindow progress(this);
    paths = writeSeparateMillingFiles(board, o, choice->jobs, *path, *host_, lengthUnit(), language,
                                      progress.callback())
                .paths;
  }
  view_->setMillingPaths(std::move(paths), &board, o.width);
  hairlineButton_->setEnabled(o.width > 0);
  millingPanel_->show();
}

void MainWindow::SB_UmrisseEntfernenClick() {
  millingPanel_->hide();
  view_->setMillingPaths({}, nullptr, 0);
}

// The paths stay with the board they were computed for.
void MainWindow::SB_UmrissHaarlinieClick() {
  view_->setMillingHairline(hairlineButton_->isChecked());
}

}  // namespace pravelo
