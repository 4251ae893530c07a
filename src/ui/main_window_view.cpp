// The main window's view commands: zoom, the unit and grid controls with the grid menu, the
// coordinate read-out, the user origin, layer visibility and the transparent display.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

#include "app/command_catalogue.h"
#include "app/editor_commands.h"
#include "editing/view_commands.h"
#include "ui/board_view.h"
#include "ui/layer_bar.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/raster_dialog.h"
#include "ui/raster_hotkeys_dialog.h"
#include "ui/selector_panel.h"
#include "ui/size_column.h"
#include "ui/view_ui_texts.h"
#include "view/grid_code.h"
#include "view/grid_lines.h"
#include "view/grid_menu.h"
#include "view/user_origin.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

// The subdivision entries carry their n under this property.
constexpr const char* kMarking = "marking";

// The value entries of the grid menu carry their grid value code.
QAction* addGridEntry(QMenu* menu, std::int32_t code) {
  QAction* entry = menu->addAction(QString());
  entry->setCheckable(true);
  entry->setData(code);
  return entry;
}

QMenu* addSubmenu(QMenu* menu, const char* name, const Text& caption) {
  QMenu* submenu = menu->addMenu(qtr(caption));
  submenu->setObjectName(name);
  return submenu;
}

}  // namespace

void MainWindow::createViewControls() {
  for (const char* name : {"TB_Transparent", "R_Linien", "R_Punkte", "R_Sichtbar"}) {
    action(name)->setCheckable(true);
  }
  action("TB_Transparent")->setChecked(renderOptions_.transparent);
  connect(view_, &BoardView::contextMenuAt, this, [this](DPoint, QPoint at) {
    // The name was fixed as the menu opened; an "&" in it is no mnemonic.
    QAction* byName = action("MarkiereNamen1");
    byName->setText(qtr(controlInfo(ControlId::MarkiereNamen1).caption) +
                    fromStored(editor_->contextName).replace('&', "&&"));
    byName->setEnabled(commandEnabled(*editor_, *machine_, CommandId::MarkiereNamen1Click));
    drawingPopup_->popup(at);
  });
  connect(view_, &BoardView::pointerMoved, this, &MainWindow::showCoordinates);

  rasterDlg_ = new TRasterDlg(*host_, this);
  rasterHotkeysDlg_ = new TRasterHotkeysDlg(*rasterDlg_, this);
  layers_->setScheme(scheme_);
  view_->setUnit(lengthUnit());
  createStatusControls();
  createTemplateControls();
  showGrid();
}

// The status bar holds the coordinate read-out, the unit button and the grid button.
void MainWindow::createStatusControls() {
  coordinateX_ = new QLabel(qtr(texts::coordinateX));
  coordinateX_->setObjectName("L_X");
  coordinateY_ = new QLabel(qtr(texts::coordinateY));
  coordinateY_->setObjectName("L_Y");
  for (QLabel* label : {coordinateX_, coordinateY_}) {
    label->setStatusTip(qtr(texts::coordinateHint));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("Y: -00000.000 mil"));
    statusBar()->addPermanentWidget(label);
  }
  action("SB_Einheit")->setText(unitCaption(lengthUnit()));
  auto* unitButton = new QToolButton;
  unitButton->setDefaultAction(action("SB_Einheit"));
  statusBar()->addPermanentWidget(unitButton);

  rasterPopup_ = new QMenu(this);
  rasterPopup_->setObjectName("RasterPopup");
  for (std::int32_t code : kDefaultGridCodes) addGridEntry(rasterPopup_, code);
  QMenu* metric = addSubmenu(rasterPopup_, "R_Metrisch", texts::metricGrids);
  for (std::int32_t code : kMetricGridCodes) addGridEntry(metric, code);
  addSubmenu(rasterPopup_, "R_Benutzer", texts::userGrids);
  rasterPopup_->addSeparator();
  rasterPopup_->addAction(action("R_Hotkeys"));
  QMenu* style = addSubmenu(rasterPopup_, "R_Darstellung", texts::gridStyle);
  auto* styles = new QActionGroup(style);
  for (const char* name : {"R_Linien", "R_Punkte"})
    style->addAction(styles->addAction(action(name)));
  QMenu* subdivisions = addSubmenu(rasterPopup_, "R_Unterteilung", texts::subdivisions);
  auto* markings = new QActionGroup(subdivisions);
  for (int n : kGridMarkings) {
    QAction* entry = markings->addAction(n == 0 ? qtr(texts::subdivisionsOff) : QString::number(n));
    entry->setCheckable(true);
    entry->setProperty(kMarking, n);
    subdivisions->addAction(entry);
  }
  connect(markings, &QActionGroup::triggered, this, [this](QAction* entry) {
    start_.settings.optionen.RasterMarkierung = entry->property(kMarking).toInt();
    gridDisplayChanged();
  });
  rasterPopup_->addAction(action("R_Sichtbar"));
  connect(rasterPopup_, &QMenu::aboutToShow, this, &MainWindow::fillRasterPopup);
  // The menu reports the entries of its submenus too.
  connect(rasterPopup_, &QMenu::triggered, this, [this](QAction* entry) {
    if (entry->data().isValid()) setGrid(entry->data().toInt());
  });

  gridButton_ = new QToolButton;
  gridButton_->setObjectName("SB_Raster");
  gridButton_->setStatusTip(qtr(texts::gridButtonHint));
  gridButton_->setPopupMode(QToolButton::InstantPopup);
  gridButton_->setMenu(rasterPopup_);
  statusBar()->addPermanentWidget(gridButton_);
}

// Captions follow the unit, the current grid carries the check mark, and the user entries are
// listed anew.
void MainWindow::fillRasterPopup() {
  const double grid = activeBoard(doc_).header.grid;
  const LengthUnit unit = lengthUnit();
  auto caption = [&](QAction* entry) {
    const auto mm = decodeGridCode(entry->data().toInt());
    entry->setText(mm ? QString::fromStdString(gridEntryCaption(*mm, unit)) : QString());
    entry->setChecked(mm && isCurrentGrid(*mm, grid));
  };
  QMenu* user = rasterPopup_->findChild<QMenu*>("R_Benutzer");
  user->clear();
  delete user->findChild<QMenu*>("R_Entfernen");
  const std::vector<int>& userGrids = start_.settings.favourites.grids;
  for (std::int32_t code : userGrids) addGridEntry(user, code);
  user->addSeparator();
  user->addAction(action("R_Hinzufuegen"));
  QMenu* remove = addSubmenu(user, "R_Entfernen", texts::removeGrid);
  remove->setEnabled(!userGrids.empty());
  for (std::size_t i = 0; i < userGrids.size(); ++i) {
    const auto mm = decodeGridCode(userGrids[i]);
    QAction* entry =
        remove->addAction(mm ? QString::fromStdString(gridEntryCaption(*mm, unit)) : QString());
    connect(entry, &QAction::triggered, this, [this, i] {
      auto& grids = start_.settings.favourites.grids;
      if (i < grids.size()) grids.erase(grids.begin() + static_cast<std::ptrdiff_t>(i));
    });
  }
  for (QMenu* menu : {rasterPopup_, rasterPopup_->findChild<QMenu*>("R_Metrisch"), user}) {
    for (QAction* entry : menu->actions()) {
      if (entry->data().isValid()) caption(entry);
    }
  }
  const OptionenSettings& o = start_.settings.optionen;
  action("R_Linien")->setChecked(!o.Punktraster);
  action("R_Punkte")->setChecked(o.Punktraster);
  action("R_Sichtbar")->setChecked(o.RasterSichtbar);
  for (QAction* entry : rasterPopup_->findChild<QMenu*>("R_Unterteilung")->actions()) {
    entry->setChecked(entry->property(kMarking).toInt() == o.RasterMarkierung);
  }
}

LengthUnit MainWindow::lengthUnit() const {
  return start_.settings.optionen.MIL ? LengthUnit::Mil : LengthUnit::Mm;
}

// While Shift alone is held the button shows the half grid the tools use.
void MainWindow::showGrid() {
  if (gridButton_ == nullptr || doc_.activeBoard < 0) return;
  const double grid = activeBoard(doc_).header.grid;
  gridButton_->setText(
      QString::fromStdString(gridButtonCaption(halfGrid_ ? grid / 2 : grid, lengthUnit())));
}

// The grid belongs to the active board; a malformed code changes nothing.
void MainWindow::setGrid(std::int32_t code) {
  if (setGridCommand(*editor_, code)) showGrid();
}

void MainWindow::gridDisplayChanged() {
  const OptionenSettings& o = start_.settings.optionen;
  renderOptions_.showGrid = o.RasterSichtbar;
  renderOptions_.dotGrid = o.Punktraster;
  renderOptions_.gridMarking = o.RasterMarkierung;
  view_->refresh();
}

void MainWindow::R_HinzufuegenClick() {
  const auto code = rasterDlg_->execute();
  if (!code) return;
  auto& grids = start_.settings.favourites.grids;
  const int chosen = addUserGrid(grids, *code);
  if (chosen >= 0) setGrid(grids[chosen]);
}

void MainWindow::R_HotkeysClick() {
  if (const auto codes = rasterHotkeysDlg_->execute(start_.settings.rasterHotkeys, lengthUnit())) {
    start_.settings.rasterHotkeys = *codes;
  }
}

void MainWindow::showDisplaySettings() {
  const OptionenSettings& o = start_.settings.optionen;
  renderOptions_.transparent = o.Transparent;
  action("TB_Transparent")->setChecked(o.Transparent);
  action("R_Sichtbar")->setChecked(o.RasterSichtbar);
  gridDisplayChanged();
  action("SB_Einheit")->setText(unitCaption(lengthUnit()));
  view_->setUnit(lengthUnit());
  sizeColumn_->setUnit(lengthUnit());
  selector_->showBoard(&activeBoard(doc_), lengthUnit());
  showProperties();
  showGrid();
}

void MainWindow::showCoordinates(DPoint world) {
  const CoordinateReadout readout =
      coordinateReadout(world, userOrigin(activeBoard(doc_).header), lengthUnit());
  coordinateX_->setText(qtr(texts::coordinateX) + QString::fromStdString(readout.x));
  coordinateY_->setText(qtr(texts::coordinateY) + QString::fromStdString(readout.y));
}

void MainWindow::SetViewLayer(int layer, bool visible) {
  setLayerVisibleCommand(*editor_, layer, visible);
  selectionChanged();
}

}  // namespace pravelo
