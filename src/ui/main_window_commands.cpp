// The main window's menus, tool bar and board tab menu, built from the command catalogue.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <string_view>

#include "ui/command_catalogue.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

struct HandlerEntry {
  std::string_view name;
  void (MainWindow::*handler)();
};

// The handlers the window has; a catalogue control whose handler is missing stays disabled.
constexpr HandlerEntry kHandlers[] = {
    {"SB_NeuClick", &MainWindow::SB_NeuClick},
    {"SB_LoadClick", &MainWindow::SB_LoadClick},
    {"SB_SaveClick", &MainWindow::SB_SaveClick},
    {"Speichernals1Click", &MainWindow::Speichernals1Click},
    {"Platinennachladen1Click", &MainWindow::Platinennachladen1Click},
    {"NeuePlatine1Click", &MainWindow::NeuePlatine1Click},
    {"Platinengrsse1Click", &MainWindow::Platinengrsse1Click},
    {"Platinelschen1Click", &MainWindow::Platinelschen1Click},
    {"Platinekopieren1Click", &MainWindow::Platinekopieren1Click},
    {"Platinenachrechts1Click", &MainWindow::Platinenachrechts1Click},
    {"Platineeinsnachrechts1Click", &MainWindow::Platineeinsnachrechts1Click},
    {"Platinenachlinks1Click", &MainWindow::Platinenachlinks1Click},
    {"Platineeinsnachlinks1Click", &MainWindow::Platineeinsnachlinks1Click},
    {"Projektinfo1Click", &MainWindow::Projektinfo1Click},
    {"Sprache1Click", &MainWindow::Sprache1Click},
    {"Hilfethemen1Click", &MainWindow::Hilfethemen1Click},
    {"Beenden1Click", &MainWindow::Beenden1Click},
    {"Vergroessern1Click", &MainWindow::Vergroessern1Click},
    {"Verkleinern1Click", &MainWindow::Verkleinern1Click},
    {"Zoomalles1Click", &MainWindow::Zoomalles1Click},
    {"ZoomalleObjekte1Click", &MainWindow::ZoomalleObjekte1Click},
    {"ZoomaufMarkierung1Click", &MainWindow::ZoomaufMarkierung1Click},
    {"Zoomvorher2Click", &MainWindow::Zoomvorher2Click},
    {"TB_TransparentClick", &MainWindow::TB_TransparentClick},
    {"SB_EinheitClick", &MainWindow::SB_EinheitClick},
    {"R_HinzufuegenClick", &MainWindow::R_HinzufuegenClick},
    {"R_HotkeysClick", &MainWindow::R_HotkeysClick},
    {"R_LinienClick", &MainWindow::R_LinienClick},
    {"R_PunkteClick", &MainWindow::R_PunkteClick},
    {"R_SichtbarClick", &MainWindow::R_SichtbarClick},
    {"Nullpunktsetzen1Click", &MainWindow::Nullpunktsetzen1Click},
    {"RcksetzenObenLinks1Click", &MainWindow::RcksetzenObenLinks1Click},
    {"SetzenachUntenLinks1Click", &MainWindow::SetzenachUntenLinks1Click},
    {"TB_UndoClick", &MainWindow::TB_UndoClick},
    {"TB_RedoClick", &MainWindow::TB_RedoClick},
    {"TB_SelectorClick", &MainWindow::TB_SelectorClick},
};

void (MainWindow::*handlerOf(std::string_view name))() {
  for (const HandlerEntry& h : kHandlers) {
    if (h.name == name) return h.handler;
  }
  return nullptr;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const Text& caption) {
  QMenu* menu = bar->addMenu(qtr(caption));
  menu->setObjectName(name);
  return menu;
}

}  // namespace

void MainWindow::createCommands() {
  for (const Command& c : commandCatalogue()) {
    auto* a = new QAction(qtr(c.caption), this);
    a->setObjectName(c.name);
    a->setStatusTip(qtr(c.hint));
    a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
    if (auto handler = handlerOf(c.handler)) {
      connect(a, &QAction::triggered, this, handler);
    } else {
      a->setEnabled(false);
    }
    actions_[c.name] = a;
  }
}

QAction* MainWindow::action(const char* name) const { return actions_.at(name); }

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  fileMenu_ = addMenu(bar, "Datei1", texts::menuFile);
  fileMenu_->addActions(
      {action("Neu1"), action("ffnen1"), action("Speichern1"), action("Speichernals1")});
  fileMenu_->addSeparator();
  fileMenu_->addAction(action("Projektinfo1"));
  fileMenu_->addSeparator();
  fileMenu_->addAction(action("Beenden1"));

  QMenu* edit = addMenu(bar, "Bearbeiten1", texts::menuEdit);
  edit->addActions({action("Undo"), action("Redo")});

  QMenu* board = addMenu(bar, "Platine1", texts::menuBoard);
  board->addActions({action("NeuePlatine1"), action("Platinennachladen1")});
  board->addSeparator();
  board->addActions(
      {action("Platinengrsse1"), action("Platinelschen1"), action("Platinekopieren1")});
  board->addSeparator();
  const QList<QAction*> moves = {action("Platinenachlinks1"), action("Platineeinsnachlinks1"),
                                 action("Platineeinsnachrechts1"), action("Platinenachrechts1")};
  board->addActions(moves);

  QMenu* options = addMenu(bar, "Optionen1", texts::menuOptions);
  options->addAction(action("Sprache1"));

  QMenu* help = addMenu(bar, "Hilfe1", texts::menuHelp);
  help->addAction(action("Hilfethemen1"));

  // The context menu of the board tabs.
  boardPopup_ = new QMenu(this);
  boardPopup_->setObjectName("PlatinenPopup");
  boardPopup_->addActions({action("NeuePlatine2"), action("Platineeinrichten1"),
                           action("Platinelschen2"), action("Platinekopieren2")});
  boardPopup_->addSeparator();
  boardPopup_->addActions(moves);
}

void MainWindow::createToolBar() {
  QToolBar* bar = addToolBar(qtr(texts::toolBarTitle));
  bar->setObjectName("ToolBar1");
  const struct {
    const char* name;
    QStyle::StandardPixmap icon;
  } buttons[] = {{"TB_Neu", QStyle::SP_FileIcon},
                 {"TB_Open", QStyle::SP_DialogOpenButton},
                 {"TB_Save", QStyle::SP_DialogSaveButton},
                 {"TB_Undo", QStyle::SP_ArrowBack},
                 {"TB_Redo", QStyle::SP_ArrowForward}};
  for (const auto& b : buttons) {
    QAction* a = action(b.name);
    a->setIcon(style()->standardIcon(b.icon));
    bar->addAction(a);
  }
}

}  // namespace pravelo
