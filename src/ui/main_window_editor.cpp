// The main window's editing: the tool machine behind the drawing area, the tool column, the
// size column, the selector panel, undo and redo, the help line and the key labels.
#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/editor_commands.h"
#include "document/object_list.h"
#include "editing/bend_mode.h"
#include "editing/editor.h"
#include "editing/favourites.h"
#include "editing/ground_plane_controls.h"
#include "editing/tool_machine.h"
#include "ui/board_view.h"
#include "ui/component_list_panel.h"
#include "ui/main_window.h"
#include "ui/properties_panel.h"
#include "ui/qt_text.h"
#include "ui/selector_panel.h"
#include "ui/size_column.h"
#include "ui/tool_icons.h"
#include "ui/ui_texts.h"
#include "ui/window_editor.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

// The tool's letter in the hotkey string, or Esc for the Edit tool: the buttons' captions.
QString toolCaption(const ToolInfo& tool, const std::string& hotkeys) {
  if (tool.hotkeyIndex < 0) return qtr(texts::keyEscape);
  const auto index = static_cast<std::size_t>(tool.hotkeyIndex);
  if (index >= hotkeys.size() || hotkeys[index] == '_') return QStringLiteral("·");
  return QString(QChar::fromLatin1(hotkeys[index]));
}

QString keyStyle(bool held) {
  return held ? QStringLiteral("color: white; background: green;") : QString();
}

}  // namespace

void MainWindow::createEditor() {
  editorHost_ =
      std::make_unique<WindowEditor>(*host_, *view_, [this](int topic) { openHelp(topic); });
  editor_ = std::make_unique<Editor>(doc_, start_.settings, *editorHost_, *editorHost_);
  machine_ = std::make_unique<ToolMachine>(*editor_);
  view_->setMachine(*editor_, *machine_);
  connect(view_, &BoardView::machineEvent, this, [this] {
    objectsChanged();
    showEditorState();
  });
  connect(view_, &BoardView::pointerMoved, this, [this] { showHelpLine(); });
  connect(view_, &BoardView::modifierKeysChanged, this, &MainWindow::showModifierKeys);
  connect(view_, &BoardView::crosshairChanged, this, &MainWindow::showCoordinatesPanel);

  action("TB_Selector")->setCheckable(true);
  createToolColumn();
  createSizeColumn();
  createSelector();
  createComponentList();
  createDrcPanel();
  createAutorouterPanel();
  createPropertiesPanel();
  createMacroPanel();

  // The key labels below the drawing area.
  auto* keys = new QWidget;
  auto* row = new QHBoxLayout(keys);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  const struct {
    QLabel** label;
    const char* name;
  } labels[] = {{&shiftKey_, "L_Shift"},
                {&shiftText_, "L_ShiftText"},
                {&ctrlKey_, "L_Strg"},
                {&ctrlText_, "L_StrgText"},
                {&bendMode_, "L_Knickmodus"}};
  for (const auto& l : labels) {
    *l.label = new QLabel;
    (*l.label)->setObjectName(l.name);
    row->addWidget(*l.label);
  }
  row->addStretch(1);
  shiftKey_->setText(qtr(texts::keyShift));
  ctrlKey_->setText(qtr(texts::keyCtrl));
  ctrlText_->setText(qtr(texts::gridOff));
  qobject_cast<QVBoxLayout*>(centralWidget()->layout())->insertWidget(1, keys);
  showModifierKeys(false, false);
  createCoordinatesPanel();
  createPhotoViewPanel();
  showEditorState();
}

// Black, with yellow text, at the left end of the status bar.
void MainWindow::createCoordinatesPanel() {
  auto* panel = new QFrame;
  panel->setObjectName("P_ExtraKoordinaten");
  panel->setStyleSheet(
      QStringLiteral("#P_ExtraKoordinaten { background: black; } QLabel { color: yellow; "
                     "font-family: Tahoma; }"));
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 0, 4, 0);
  const char* names[3][2] = {
      {"L_uDX", "L_XDX"}, {"L_uDY", "L_XDY"}, {"L_uDistance", "L_XDistance"}};
  for (std::size_t i = 0; i < 3; ++i) {
    extraCaptions_[i] = new QLabel;
    extraCaptions_[i]->setObjectName(names[i][0]);
    extraValues_[i] = new QLabel;
    extraValues_[i]->setObjectName(names[i][1]);
    row->addWidget(extraCaptions_[i]);
    row->addWidget(extraValues_[i]);
  }
  statusBar()->insertWidget(0, panel);
  panel->hide();
  extraCoordinates_ = panel;
}

void MainWindow::showCoordinatesPanel() {
  const auto panel = coordinatesPanel(editor_->crosshair,
                                      crosshairOptions(start_.settings.optionen), lengthUnit());
  if (panel) {
    for (std::size_t i = 0; i < 3; ++i) {
      extraCaptions_[i]->setText(QString::fromStdString((*panel)[i].caption));
      extraValues_[i]->setText(QString::fromStdString((*panel)[i].value));
    }
  }
  extraCoordinates_->setVisible(panel.has_value());
}

// One exclusive button per tool, then the cut-out, capture and rubber-band buttons.
void MainWindow::createToolColumn() {
  auto* column = new QToolBar(qtr(texts::toolColumnTitle), this);
  column->setObjectName("ToolColumn");
  addToolBar(Qt::LeftToolBarArea, column);
  toolButtons_ = new QActionGroup(this);
  toolButtons_->setExclusive(true);
  const std::string hotkeys = toolHotkeys(start_.settings.optionen);
  for (const ToolInfo& tool : toolTable()) {
    const QString caption = toolCaption(tool, hotkeys);
    QAction* button = toolButtons_->addAction(caption);
    button->setObjectName(tool.button);
    if (tool.id != ToolId::Pad) button->setIcon(toolIcon(tool.id, caption));
    button->setCheckable(true);
    button->setToolTip(qtr(tool.hint));
    button->setStatusTip(qtr(tool.hint));
    const ToolId id = tool.id;
    const auto choose = [this, id] {
      machine_->chooseTool(id);
      objectsChanged();
      showEditorState();
      view_->setFocus();
    };
    // The text tool opens its dialog first: the button finishes its click before that.
    connect(button, &QAction::triggered, this, [choose, id] {
      if (id == ToolId::Text) {
        QTimer::singleShot(0, choose);
      } else {
        choose();
      }
    });
    column->addAction(button);
  }
  column->addSeparator();
  createDrawingModes(column);
  column->addSeparator();

  QAction* capture = column->addAction(qtr(texts::captureCaption));
  capture->setObjectName("SB_Fang");
  capture->setCheckable(true);
  capture->setChecked(start_.settings.optionen.Fang);
  capture->setToolTip(qtr(texts::captureHint));
  capture->setStatusTip(qtr(texts::captureHint));
  connect(capture, &QAction::triggered, this, &MainWindow::SB_FangMouseDown);

  QAction* rubberBand = column->addAction(QString::number(start_.settings.optionen.Gummiband));
  rubberBand->setObjectName("SB_Gummiband");
  rubberBand->setToolTip(qtr(texts::rubberBandHint));
  rubberBand->setStatusTip(qtr(texts::rubberBandHint));
  connect(rubberBand, &QAction::triggered, this, &MainWindow::SB_GummibandMouseDown);
}

// The rectangle tool's drop-down and the two cut-out buttons; their state lives in the editor,
// which the tools read.
void MainWindow::createDrawingModes(QToolBar* column) {
  DrawingModes& modes = editor_->drawing;
  auto* menu = new QMenu(this);
  menu->setObjectName("RechteckModus");
  auto* choice = new QActionGroup(menu);
  const struct {
    const char* name;
    const Text& caption;
    bool zone;
  } rectangleModes[] = {{"MI_RechteckLeiterbahn", texts::rectangleTrackMode, false},
                        {"MI_RechteckFlaeche", texts::rectangleZoneMode, true}};
  for (const auto& m : rectangleModes) {
    QAction* entry = choice->addAction(qtr(m.caption));
    entry->setObjectName(m.name);
    entry->setCheckable(true);
    entry->setChecked(modes.rectangleZone == m.zone);
    menu->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, zone = m.zone] {
      editor_->drawing.rectangleZone = zone;
      machine_->chooseTool(ToolId::Rectangle);
      objectsChanged();
      showEditorState();
    });
  }
  findChild<QAction*>("SB_Rechteck")->setMenu(menu);

  // A cut-out button going down also chooses the tool that draws with it.
  const struct {
    const char* name;
    const Text& caption;
    const Text& hint;
    bool DrawingModes::*flag;
    bool zone;
  } cutouts[] = {{"SB_Sperrflaeche_Polygon", texts::cutoutZoneCaption, texts::cutoutZoneHint,
                  &DrawingModes::cutoutZone, true},
                 {"SB_Sperrflaeche_Rect", texts::cutoutRectCaption, texts::cutoutRectHint,
                  &DrawingModes::cutoutRect, false}};
  for (const auto& c : cutouts) {
    QAction* button = column->addAction(qtr(c.caption));
    button->setObjectName(c.name);
    button->setCheckable(true);
    button->setChecked(modes.*c.flag);
    button->setToolTip(qtr(c.hint));
    button->setStatusTip(qtr(c.hint));
    connect(button, &QAction::toggled, this, [this, zone = c.zone](bool down) {
      if (!setCutoutMode(*editor_, *machine_, zone, down) || !down) return;
      objectsChanged();
      showEditorState();
      view_->setFocus();
    });
  }
}

void MainWindow::SB_FangMouseDown() {
  start_.settings.optionen.Fang = findChild<QAction*>("SB_Fang")->isChecked();
}

void MainWindow::SB_GummibandMouseDown() {
  int& level = start_.settings.optionen.Gummiband;
  level = (level + 1) % 3;
  findChild<QAction*>("SB_Gummiband")->setText(QString::number(level));
}

// The size column beside the drawing area; its changes apply to the selection.
void MainWindow::createSizeColumn() {
  auto* dock = new QDockWidget(qtr(texts::sizeColumnTitle), this);
  dock->setObjectName("SizeDock");
  dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
  sizeColumn_ = new SizeColumn;
  sizeColumn_->setUnit(lengthUnit());
  sizeColumn_->setFavourites(readFavourites(start_.settings.favourites));
  dock->setWidget(sizeColumn_);
  addDockWidget(Qt::LeftDockWidgetArea, dock);
  // The pad tool's button drops down the pad shape menu.
  auto* column = findChild<QToolBar*>("ToolColumn");
  if (auto* pad =
          qobject_cast<QToolButton*>(column->widgetForAction(findChild<QAction*>("SB_Circle")))) {
    pad->setMenu(sizeColumn_->shapeMenu());
    pad->setPopupMode(QToolButton::MenuButtonPopup);
  }

  connect(sizeColumn_, &SizeColumn::fieldChanged, this, [this](SizeField field, int units) {
    changeSizes(field, [this, field, units](ObjectList& objects) {
      return changeSizeField(editor_->sizes, field, units, objects);
    });
  });
  connect(sizeColumn_, &SizeColumn::flipSmdClicked, this, [this] {
    changeSizes(SizeField::SMDPad_X,
                [this](ObjectList& objects) { return flipSmd(editor_->sizes, objects); });
  });
  connect(sizeColumn_, &SizeColumn::padShapeChosen, this, [this](int shape) {
    changeSizes(SizeField::Aussen, [this, shape](ObjectList& objects) {
      return changePadShape(editor_->sizes, shape, objects);
    });
  });
  connect(sizeColumn_, &SizeColumn::throughPadToggled, this, [this](bool on) {
    changeSizes(SizeField::Aussen, [this, on](ObjectList& objects) {
      return changeThroughPad(editor_->sizes, on, objects);
    });
  });
  connect(sizeColumn_, &SizeColumn::favouriteChosen, this,
          [this](FavouriteKind kind, Favourite entry) {
            changeSizes(favouriteFields(kind).front(), [this, kind, entry](ObjectList& objects) {
              return chooseFavourite(kind, entry, editor_->sizes, objects);
            });
          });
  connect(sizeColumn_, &SizeColumn::favouritesChanged, this,
          [this](FavouriteKind kind, bool added) {
            storeFavourites(sizeColumn_->favourites(), start_.settings.favourites);
            if (added && kind != FavouriteKind::Tracks) {
              writePadFavourites(start_.store, start_.settings.favourites);
            }
          });
}

void MainWindow::changeSizes(SizeField kindField, const std::function<bool(ObjectList&)>& change) {
  if (doc_.activeBoard < 0) return;
  ObjectList& objects = activeBoard(doc_).objects;
  const bool recorded = selectionHasKind(objects, kindField);
  if (recorded) editor_->beginChange();
  const bool changed = change(objects);
  if (recorded) editor_->commitGesture();
  if (changed) view_->refresh();
  if (selector_->isVisible()) selector_->refresh();
  showSizes();
  showEditorState();
}

void MainWindow::selectionChanged() {
  if (doc_.activeBoard < 0) return;
  const bool ctrl = QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
  fieldsFollowSelection(editor_->sizes, activeBoard(doc_).objects, ctrl,
                        start_.settings.optionen.StrgZumFangen);
  showSizes();
  showProperties();
}

// The pad tool's button shows the selected pads' shape, or the shape of new pads.
void MainWindow::showSizes() {
  sizeColumn_->setFields(editor_->sizes);
  findChild<QAction*>("SB_Circle")
      ->setIcon(padShapeIcon(editor_->sizes.shownPadShape, editor_->sizes.shownThroughPad));
}

void MainWindow::createSelector() {
  selector_ = new TSelector(start_.settings.selector, this);
  selector_->setObjectName("TSelector");
  addDockWidget(Qt::RightDockWidgetArea, selector_);
  selector_->setVisible(start_.settings.optionen.Selector);
  action("TB_Selector")->setChecked(start_.settings.optionen.Selector);
  connect(selector_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    // Hiding the window hides its docks too; only the user's choice counts.
    if (!isVisible()) return;
    start_.settings.optionen.Selector = visible;
    action("TB_Selector")->setChecked(visible);
  });
  connect(selector_, &TSelector::selectionChosen, this, [this](int autoZoom) {
    if (autoZoom > 0 &&
        zoomSelectionCommand(activeBoard(doc_), editor_->view(), view_->viewportSize())) {
      view_->viewChanged();
    }
    view_->refresh();
    selectionChanged();
  });
}

void MainWindow::TB_SelectorClick() {
  const bool shown = action("TB_Selector")->isChecked();
  start_.settings.optionen.Selector = shown;
  selector_->setVisible(shown);
  if (shown) selector_->refresh();
}

void MainWindow::createPropertiesPanel() {
  properties_ = new TEigenschaftenDlg(this);
  addDockWidget(Qt::RightDockWidgetArea, properties_);
  const bool shown = start_.settings.optionen.Eigenschaften;
  properties_->setVisible(shown);
  action("Eigenschaften1")->setCheckable(true);
  action("Eigenschaften1")->setChecked(shown);
  connect(properties_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    // Hiding the window hides its docks too; only the user's choice counts.
    if (!isVisible()) return;
    start_.settings.optionen.Eigenschaften = visible;
    action("Eigenschaften1")->setChecked(visible);
    showProperties();
  });
  connect(properties_, &TEigenschaftenDlg::propertyChanged, this, &MainWindow::changeProperty);
  connect(properties_, &TEigenschaftenDlg::gestureEnded, this, [this] {
    editor_->commitGesture();
    showEditorState();
  });
  connect(properties_, &TEigenschaftenDlg::pageChosen, this, &MainWindow::showProperties);
  connect(properties_, &TEigenschaftenDlg::favouritesRequested, this,
          [this](FavouriteKind kind) { sizeColumn_->openFavourites(kind); });
}

void MainWindow::Eigenschaften1Click() {
  const bool shown = action("Eigenschaften1")->isChecked();
  start_.settings.optionen.Eigenschaften = shown;
  properties_->setVisible(shown);
  showProperties();
}

void MainWindow::showProperties() {
  if (properties_ == nullptr || !start_.settings.optionen.Eigenschaften || doc_.activeBoard < 0) {
    return;
  }
  const OptionenSettings& options = start_.settings.optionen;
  properties_->showSummary(
      summariseProperties(activeBoard(doc_), options, lengthUnit(), properties_->chosenPage()),
      lengthUnit(), options.Imax_CU, options.Imax_DT);
}

void MainWindow::changeProperty(Property field, const PropertyInput& input) {
  if (doc_.activeBoard < 0) return;
  const bool changed = applyProperty(*editor_, field, input);
  if (!properties_->dragging()) editor_->commitGesture();
  if (changed && propertyInfo(field).page == PropertyPage::Board) {
    // The tab caption, the drawing area's size and the inner layers' buttons follow.
    showBoards();
    return;
  }
  if (changed) view_->refresh();
  objectsChanged();
  showEditorState();
}

// The selector lists objects by their index, so its list must never outlive a change.
void MainWindow::objectsChanged() {
  if (selector_->isVisible()) selector_->refresh();
  if (componentList_->isVisible()) componentList_->refresh();
  selectionChanged();
}

void MainWindow::showEditorState() {
  const char* button = toolInfo(machine_->tool()).button;
  for (QAction* a : toolButtons_->actions()) a->setChecked(a->objectName() == button);
  for (const Control& c : controls()) {
    const auto a = actions_.find(c.name);
    if (a != actions_.end() && isEditorCommand(c.command)) {
      a->second->setEnabled(commandEnabled(*editor_, *machine_, c.command));
    }
  }
  showGroundPlaneControls();
  showPhotoView();
  showAutorouter();
  bendMode_->setText(QString::fromStdString(bendModeLabel(editor_->drawing.bendMode)));
  action("Export_TextIO")->setEnabled(!activeBoard(doc_).objects.empty());
  showGrid();
  showHelpLine();
}

// The plane button's picture, and the plane's own controls only while the plane is on.
void MainWindow::showGroundPlaneControls() {
  const GroundPlaneControls plane = groundPlaneControls(activeBoard(doc_).header);
  // The photo view shows the finished board: its planes are not changed there.
  const bool locked = editor_->photoViewOn;
  action("SB_AutoMasse")->setIcon(groundPlaneIcon(plane.glyph));
  auto* clearance = sizeColumn_->findChild<QWidget*>("SE_FreistanzOffset");
  clearance->setVisible(plane.planeTools);
  clearance->setEnabled(!locked);
  const std::pair<const char*, bool> cutouts[] = {
      {"SB_Sperrflaeche_Polygon", editor_->drawing.cutoutZone},
      {"SB_Sperrflaeche_Rect", editor_->drawing.cutoutRect}};
  for (const auto& [name, down] : cutouts) {
    auto* button = findChild<QAction*>(name);
    const QSignalBlocker block(button);
    button->setChecked(down);
    button->setVisible(plane.planeTools);
    button->setEnabled(!locked);
  }
}

// Over the drawing area the line shows the tool state's help; a tool without one keeps it.
void MainWindow::showHelpLine() {
  if (!view_->viewport()->underMouse()) return;
  if (const Text* help = machine_->help()) helpLine_->setText(qtr(*help));
}

void MainWindow::showModifierKeys(bool shift, bool ctrl) {
  shiftKey_->setStyleSheet(keyStyle(shift));
  ctrlKey_->setStyleSheet(keyStyle(ctrl));
  shiftText_->setText(qtr(ctrl ? texts::captureOff : texts::halfGrid));
  halfGrid_ = shift && !ctrl;
  showGrid();
}

}  // namespace pravelo
