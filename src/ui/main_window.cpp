#include "ui/main_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSplashScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include "base/units.h"
#include "document/document_texts.h"
#include "document/object_list.h"
#include "editing/editor.h"
#include "editing/ground_plane_controls.h"
#include "editing/tool_machine.h"
#include "editing/view_commands.h"
#include "project/board_commands.h"
#include "project/boards.h"
#include "project/new_board.h"
#include "ui/board_navigator.h"
#include "ui/board_view.h"
#include "ui/component_list_panel.h"
#include "ui/drc_panel.h"
#include "ui/gerber_dialog.h"
#include "ui/layer_bar.h"
#include "ui/new_board_dialog.h"
#include "ui/project_info_dialog.h"
#include "ui/qt_host.h"
#include "ui/qt_text.h"
#include "ui/selector_panel.h"
#include "ui/title_picture.h"
#include "ui/window_editor.h"
#include "view/view_transform.h"
#include "view/zoom.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

// The display settings of the options that change the picture.
RenderOptions renderOptionsOf(const OptionenSettings& o) {
  RenderOptions options;
  options.transparent = o.Transparent;
  options.darkGroundPlane = o.AutoMasseDunkel;
  options.allGroundPlanes = o.AlleAutoMassen;
  options.drillHoleColour = static_cast<DrillHoleColour>(o.BohrlochFarbe);
  options.showGrid = o.RasterSichtbar;
  options.dotGrid = o.Punktraster;
  options.gridMarking = o.RasterMarkierung;
  return options;
}

// The title picture stays on top while the window is being created.
std::unique_ptr<QSplashScreen> showSplash() {
  auto splash = std::make_unique<QSplashScreen>(titlePicture(), Qt::WindowStaysOnTopHint);
  splash->setObjectName("Splash");
  splash->show();
  return splash;
}

}  // namespace

MainWindow::MainWindow(AppStart start, Host* host, QWidget* parent)
    : QMainWindow(parent),
      start_(std::move(start)),
      splash_(showSplash()),
      ownHost_(host ? nullptr : std::make_unique<QtHost>(this)),
      host_(host ? host : ownHost_.get()),
      doc_(defaultDocument(originAtTop())),
      scheme_(loadScheme(start_.folders.settings, start_.settings.optionen.Farbschema)),
      renderOptions_(renderOptionsOf(start_.settings.optionen)) {
  setObjectName("MainForm");
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                 QMainWindow::AllowTabbedDocks);
  createCommands();
  createMenus();
  createCentralArea();
  createDialogs();
  createFileCommands();
  createViewControls();
  createEditor();
  showDocument();
}

MainWindow::~MainWindow() = default;

void MainWindow::createCentralArea() {
  layers_ = new LayerBar(this);
  addToolBar(Qt::TopToolBarArea, layers_);
  connect(layers_, &LayerBar::visibilityToggled, this, &MainWindow::SetViewLayer);
  connect(layers_, &LayerBar::layerActivated, this, &MainWindow::setActiveLayer);

  view_ = new BoardView;
  navigator_ = new BoardNavigator(*view_);
  navigator_->setVisible(start_.settings.optionen.PlatinenZoom);

  tabs_ = new QTabBar;
  tabs_->setObjectName("TabSet");
  tabs_->setShape(QTabBar::RoundedSouth);
  tabs_->setExpanding(false);
  tabs_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tabs_, &QTabBar::currentChanged, this, &MainWindow::TabSetChange);
  connect(tabs_, &QTabBar::customContextMenuRequested, this,
          [this](const QPoint& at) { boardPopup_->popup(tabs_->mapToGlobal(at)); });

  auto* centre = new QWidget;
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* area = new QHBoxLayout;
  area->addWidget(navigator_, 0, Qt::AlignTop);
  area->addWidget(view_, 1);
  layout->addLayout(area, 1);
  layout->addWidget(tabs_);
  setCentralWidget(centre);

  helpLine_ = new QLabel;
  helpLine_->setObjectName("L_Hilfetext");
  statusBar()->addWidget(helpLine_, 1);
}

bool MainWindow::event(QEvent* event) {
  // Hints of the control under the pointer go to the help line.
  // Over the drawing area the tool's help stands instead.
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (tip.isEmpty() && view_->viewport()->underMouse()) {
      showHelpLine();
    } else {
      helpLine_->setText(tip);
    }
    return true;
  }
  return QMainWindow::event(event);
}

bool MainWindow::originAtTop() const { return start_.settings.optionen.NullpunktOben; }

void MainWindow::showDocument() {
  loadActiveTemplates();
  showBoards();
}

void MainWindow::showBoards() {
  {
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const auto& board : doc_.boards) tabs_->addTab(fromStored(board->name) + " ");
    tabs_->setCurrentIndex(doc_.activeBoard);
  }
  showActiveBoard();
  drc_->showBoard(&activeBoard(doc_), lengthUnit(), scheme_);
  updateTitle();
}

void MainWindow::showActiveBoard() {
  view_->showActiveBoard(doc_, scheme_, renderOptions_);
  navigator_->showActiveBoard(doc_, scheme_);
  layers_->showLayers(activeBoard(doc_).header);
  selector_->showBoard(&activeBoard(doc_), lengthUnit());
  componentList_->showBoard(&activeBoard(doc_));
  selectionChanged();
  showEditorState();
  showTemplateButtons();
}

void MainWindow::zoomToFitBoard() {
  Board& board = activeBoard(doc_);
  storeView(board.header,
            fitBoard(viewOf(board.header), viewFrameOf(board, view_->viewportSize())));
}

void MainWindow::updateTitle() {
  QString title = qtr(texts::productCaption);
  if (!doc_.fileName.empty()) title += " - [" + QString::fromStdString(doc_.fileName) + "]";
  setWindowTitle(title);
}

void MainWindow::addBoardFromDialog() {
  const NewBoardValues& values = newBoardDlg_->values();
  const BoardSize size = newBoardSize(values);
  addBoard(doc_, utf8ToWindows1252(values.name), size.width, size.height, originAtTop());
  drawBoardOutline(doc_, values, originAtTop());
}

void MainWindow::SB_NeuClick() {
  if (!discardDocument(doc_, *host_, [this] { return saveDocumentCommand(); })) return;
  if (newBoardDlg_->execute(originAtTop(), lengthUnit())) {
    addBoardFromDialog();
  } else {
    addDefaultBoard(doc_, originAtTop());
  }
  doc_.fileName.clear();
  doc_.modified = false;
  zoomToFitBoard();
  showDocument();
}

void MainWindow::NeuePlatine1Click() {
  if (!newBoardDlg_->execute(originAtTop(), lengthUnit())) return;
  addBoardFromDialog();
  doc_.modified = true;
  zoomToFitBoard();
  showDocument();
  host_->showMessage(boardAddedMessage(activeBoard(doc_).name), pravelo::tr(texts::productName),
                     MessageIcon::Information);
}

// The board's own page of the properties panel: nothing selected, the panel shown.
void MainWindow::Platinengrsse1Click() {
  deselectAll(activeBoard(doc_).objects);
  view_->refresh();
  if (!start_.settings.optionen.Eigenschaften) {
    action("Eigenschaften1")->setChecked(true);
    Eigenschaften1Click();
  }
  objectsChanged();
  showEditorState();
}

void MainWindow::Platinelschen1Click() {
  deleteBoardCommand(doc_, *host_);
  showDocument();
}

void MainWindow::Platinekopieren1Click() {
  copyActiveBoard(doc_);
  showDocument();
}

void MainWindow::moveBoard(bool (*command)(Document&)) {
  if (command(doc_)) showBoards();
}

void MainWindow::Platinenachrechts1Click() { moveBoard(moveActiveBoardToLast); }
void MainWindow::Platineeinsnachrechts1Click() { moveBoard(moveActiveBoardRight); }
void MainWindow::Platinenachlinks1Click() { moveBoard(moveActiveBoardToFirst); }
void MainWindow::Platineeinsnachlinks1Click() { moveBoard(moveActiveBoardLeft); }

void MainWindow::Projektinfo1Click() {
  const auto info = projectInfoDlg_->execute(doc_.project);
  if (!info || *info == doc_.project) return;
  doc_.project = *info;
  doc_.modified = true;
}

void MainWindow::Gerber274Xerzeugen1Click() {
  gerberDlg_->execute(activeBoard(doc_), doc_.fileName);
}

void MainWindow::TabSetChange(int index) {
  if (index < 0 || index == doc_.activeBoard) return;
  activateBoard(doc_, index);
  loadActiveTemplates();
  showActiveBoard();
  drc_->showBoard(&activeBoard(doc_), lengthUnit(), scheme_);
}

// The active layer is always shown, since its visibility button is locked.
void MainWindow::setActiveLayer(int layer) {
  setActiveLayerCommand(*editor_, layer);
  followGroundPlane(*editor_, *machine_);
  if (!isLayerVisible(activeBoard(doc_).header, layer)) SetViewLayer(layer, true);
  showActiveBoard();
}

}  // namespace pravelo
