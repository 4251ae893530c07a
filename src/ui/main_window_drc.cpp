// The design rule check panel: shown and hidden by TB_DRCClick, its runs, markers and the zoom
// to an entry.
#include "editing/editor.h"
#include "ui/board_view.h"
#include "ui/drc_panel.h"
#include "ui/main_window.h"
#include "view/drc_entry_zoom.h"
#include "view/view_transform.h"

namespace pravelo {

void MainWindow::createDrcPanel() {
  drc_ = new TDRC_Dlg(start_.settings.drc, this);
  addDockWidget(Qt::RightDockWidgetArea, drc_);
  drc_->setVisible(start_.settings.optionen.DRC);
  connect(drc_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    // Hiding the window hides its docks too; only the user's choice counts.
    if (isVisible()) start_.settings.optionen.DRC = visible;
  });
  connect(drc_, &TDRC_Dlg::markersChanged, this, [this] {
    view_->setDrcMarkers(drc_->isHidden() ? std::vector<DrcFinding>{} : drc_->selectedFindings());
  });
  connect(drc_, &TDRC_Dlg::completeRequested, this, [this] { drc_->run(completeDrcArea()); });
  connect(drc_, &TDRC_Dlg::windowRequested, this, [this] {
    const WorldRect shown = visibleWorldRect(editor_->view(), view_->viewportSize());
    drc_->run(rectFromCorners(shown.left, shown.top, shown.right, shown.bottom));
  });
  connect(drc_, &TDRC_Dlg::entryChosen, this, [this](TRect marker) {
    const bool zoomed =
        zoomToDrcEntry(activeBoard(doc_), editor_->view(), view_->viewportSize(), marker);
    if (zoomed) view_->viewChanged();
    view_->refresh();
    selectionChanged();
  });
}

void MainWindow::TB_DRCClick() {
  const bool shown = drc_->isHidden();
  start_.settings.optionen.DRC = shown;
  drc_->setVisible(shown);
  drc_->showBoard(&activeBoard(doc_), lengthUnit(), scheme_);
}

}  // namespace pravelo
