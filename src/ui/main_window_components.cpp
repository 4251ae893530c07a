// The component list panel, shown and hidden by TB_BauteileClick, and the component data
// export it opens.
#include <vector>

#include "editing/component_command.h"
#include "editing/component_list_commands.h"
#include "manufacturing/excellon_file.h"
#include "manufacturing/pick_place_file.h"
#include "ui/board_view.h"
#include "ui/component_export_dialog.h"
#include "ui/component_list_panel.h"
#include "ui/main_window.h"

namespace pravelo {

void MainWindow::createComponentList() {
  componentList_ = new TBTList(start_.settings.componentListWidths, this);
  componentExportDlg_ = new TBT_ExportDlg(start_.settings.componentExport, this);
  addDockWidget(Qt::LeftDockWidgetArea, componentList_);
  const bool shown = start_.settings.optionen.Bauteile;
  componentList_->setVisible(shown);
  action("TB_Bauteile")->setCheckable(true);
  action("TB_Bauteile")->setChecked(shown);
  connect(componentList_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    // Hiding the window hides its docks too; only the user's choice counts.
    if (!isVisible()) return;
    start_.settings.optionen.Bauteile = visible;
    action("TB_Bauteile")->setChecked(visible);
    if (visible) componentList_->refresh();
  });
  connect(componentList_, &TBTList::componentChosen, this, [this](int component) {
    selectListedComponent(*editor_, component);
    view_->refresh();
    selectionChanged();
  });
  connect(componentList_, &TBTList::cellEdited, this,
          [this](int component, ComponentListCell cell, const std::string& text) {
            if (editComponentListCell(*editor_, component, cell, text)) view_->refresh();
            objectsChanged();
            showEditorState();
          });
  connect(componentList_, &TBTList::componentOpened, this, [this](int component) {
    editComponentCommand(*editor_, component);
    view_->refresh();
    objectsChanged();
    showEditorState();
  });
  connect(componentList_, &TBTList::exportRequested, this, &MainWindow::exportComponentData);
}

void MainWindow::TB_BauteileClick() {
  const bool shown = action("TB_Bauteile")->isChecked();
  start_.settings.optionen.Bauteile = shown;
  componentList_->setVisible(shown);
  if (shown) componentList_->refresh();
}

void MainWindow::exportComponentData() {
  const Board& board = activeBoard(doc_);
  const std::vector<PickPlaceRow> rows = pickPlaceRows(board);
  if (!componentExportDlg_->execute(rows, board.header, start_.settings.optionen.CAM_Nullpunkt)) {
    return;
  }
  const auto path = choosers_.saveParts(layoutFolder(), outputPreset(".txt"));
  if (!path) return;
  writeOutputFile(*path, pickPlaceFileText(rows, board.header, componentExportDlg_->options(),
                                           doc_.fileName, drillFileDate()));
}

}  // namespace pravelo
