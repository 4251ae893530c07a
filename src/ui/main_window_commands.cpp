// The main window's commands: one action per catalogue control, bound to its command by id,
// and the menus, pop-up menus and tool bar built from the menu table.
#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "app/editor_commands.h"
#include "app/menu_table.h"
#include "editing/editor.h"
#include "editing/tool_machine.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/rotation_menu.h"

namespace pravelo {

namespace {

struct WindowCommand {
  CommandId id;
  void (MainWindow::*handler)();
};

// The commands that need the window: file choosers, dialogs, panels, the document's boards.
constexpr WindowCommand kWindowCommands[] = {
    {CommandId::SB_NeuClick, &MainWindow::SB_NeuClick},
    {CommandId::SB_LoadClick, &MainWindow::SB_LoadClick},
    {CommandId::SB_SaveClick, &MainWindow::SB_SaveClick},
    {CommandId::Speichernals1Click, &MainWindow::Speichernals1Click},
    {CommandId::Projektinfo1Click, &MainWindow::Projektinfo1Click},
    {CommandId::Gerber274Xerzeugen1Click, &MainWindow::Gerber274Xerzeugen1Click},
    {CommandId::UmrissHPGLplt1Click, &MainWindow::UmrissHPGLplt1Click},
    {CommandId::GerberImportieren1Click, &MainWindow::GerberImportieren1Click},
    {CommandId::Beenden1Click, &MainWindow::Beenden1Click},
    {CommandId::NeuePlatine1Click, &MainWindow::NeuePlatine1Click},
    {CommandId::Platinennachladen1Click, &MainWindow::Platinennachladen1Click},
    {CommandId::Platinengrsse1Click, &MainWindow::Platinengrsse1Click},
    {CommandId::Platinelschen1Click, &MainWindow::Platinelschen1Click},
    {CommandId::Platinekopieren1Click, &MainWindow::Platinekopieren1Click},
    {CommandId::Platinenachrechts1Click, &MainWindow::Platinenachrechts1Click},
    {CommandId::Platineeinsnachrechts1Click, &MainWindow::Platineeinsnachrechts1Click},
    {CommandId::Platinenachlinks1Click, &MainWindow::Platinenachlinks1Click},
    {CommandId::Platineeinsnachlinks1Click, &MainWindow::Platineeinsnachlinks1Click},
    {CommandId::R_HinzufuegenClick, &MainWindow::R_HinzufuegenClick},
    {CommandId::R_HotkeysClick, &MainWindow::R_HotkeysClick},
    {CommandId::TB_SelectorClick, &MainWindow::TB_SelectorClick},
    {CommandId::TB_DRCClick, &MainWindow::TB_DRCClick},
    {CommandId::TB_BauteileClick, &MainWindow::TB_BauteileClick},
    {CommandId::Grundeinstellungen1Click, &MainWindow::Grundeinstellungen1Click},
    {CommandId::Arbeitsverzeichnisse1Click, &MainWindow::Arbeitsverzeichnisse1Click},
    {CommandId::Autospeichern1Click, &MainWindow::Autospeichern1Click},
    {CommandId::TB_MakroClick, &MainWindow::TB_MakroClick},
    {CommandId::Makrospeichern1Click, &MainWindow::Makrospeichern1Click},
    {CommandId::Eigenschaften1Click, &MainWindow::Eigenschaften1Click},
    {CommandId::Sprache1Click, &MainWindow::Sprache1Click},
    {CommandId::Hilfethemen1Click, &MainWindow::Hilfethemen1Click},
    {CommandId::Export_TextIOClick, &MainWindow::Export_TextIOClick},
    {CommandId::Import_TextIOClick, &MainWindow::Import_TextIOClick},
    {CommandId::Bohrdaten1Click, &MainWindow::Bohrdaten1Click},
    {CommandId::BohrungenAuflisten1Click, &MainWindow::BohrungenAuflisten1Click},
    {CommandId::N1Click, &MainWindow::N1Click},
    {CommandId::GIFExport1Click, &MainWindow::GIFExport1Click},
    {CommandId::JPGjpg1Click, &MainWindow::JPGjpg1Click},
    {CommandId::EMFExport1Click, &MainWindow::EMFExport1Click},
    {CommandId::SVGExport1Click, &MainWindow::SVGExport1Click},
    {CommandId::SB_PrintClick, &MainWindow::SB_PrintClick},
    {CommandId::Druckereinrichten1Click, &MainWindow::Druckereinrichten1Click},
    {CommandId::Vorlage1Click, &MainWindow::Vorlage1Click},
};

// Tool-bar pictures from the style until the program has pictures of its own.
QStyle::StandardPixmap iconOf(ControlId id) {
  switch (id) {
    case ControlId::TB_Neu:
      return QStyle::SP_FileIcon;
    case ControlId::TB_Open:
      return QStyle::SP_DialogOpenButton;
    case ControlId::TB_Save:
      return QStyle::SP_DialogSaveButton;
    case ControlId::TB_Undo:
      return QStyle::SP_ArrowBack;
    case ControlId::TB_Redo:
      return QStyle::SP_ArrowForward;
    case ControlId::TB_Delete:
      return QStyle::SP_TrashIcon;
    default:
      return QStyle::SP_CustomBase;
  }
}

Modifiers heldModifiers() {
  const Qt::KeyboardModifiers m = QGuiApplication::keyboardModifiers();
  return {(m & Qt::ShiftModifier) != 0, (m & Qt::ControlModifier) != 0, (m & Qt::AltModifier) != 0};
}

// Entries of one menu or the tool bar: controls that exist, separators only between them.
template <class Widget>
void addEntries(Widget* widget, const Menu& menu,
                const std::function<QAction*(ControlId)>& actionOf,
                const std::function<QMenu*(const Menu&)>& submenuOf) {
  bool separatorDue = false;
  bool any = false;
  auto add = [&](QAction* a) {
    if (separatorDue && any) widget->addSeparator();
    separatorDue = false;
    any = true;
    widget->addAction(a);
  };
  for (const MenuEntry& e : menu.entries) {
    if (e.kind == MenuEntry::Kind::Separator) {
      separatorDue = true;
    } else if (e.kind == MenuEntry::Kind::Control) {
      if (QAction* a = actionOf(e.control)) add(a);
    } else if (QMenu* sub = submenuOf(menuInfo(e.submenu))) {
      add(sub->menuAction());
    }
  }
}

}  // namespace

bool MainWindow::commandBound(CommandId id) const {
  return static_cast<bool>(handlers_[static_cast<std::size_t>(id)]);
}

void MainWindow::createCommands() {
  for (const Command& c : commands()) {
    auto& handler = handlers_[static_cast<std::size_t>(c.id)];
    if (isEditorCommand(c.id)) {
      handler = [this, id = c.id] { runEditorCommand(id); };
    } else if (const auto* w = std::ranges::find(kWindowCommands, c.id, &WindowCommand::id);
               w != std::end(kWindowCommands)) {
      handler = [this, h = w->handler] { (this->*h)(); };
    }
  }
  for (const Control& c : controls()) {
    const auto& handler = handlers_[static_cast<std::size_t>(c.command)];
    if (!handler) continue;
    const Command& command = commandInfo(c.command);
    auto* a = new QAction(qtr(c.caption), this);
    a->setObjectName(c.name);
    a->setStatusTip(qtr(command.hint));
    if (shortcutControl(c.command) == c.id) {
      a->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
    }
    if (const QStyle::StandardPixmap icon = iconOf(c.id); icon != QStyle::SP_CustomBase) {
      a->setIcon(style()->standardIcon(icon));
    }
    connect(a, &QAction::triggered, this, handler);
    actions_[c.name] = a;
  }
}

QAction* MainWindow::action(const char* name) const { return actions_.at(name); }

// Runs a command of the editor core with the keys held now, then shows what it changed.
void MainWindow::runEditorCommand(CommandId id) {
  editor_->viewport = view_->viewportSize();
  pravelo::runEditorCommand(*editor_, *machine_, id, heldModifiers());
  showDisplaySettings();
  view_->viewChanged();
  objectsChanged();
  showEditorState();
}

void MainWindow::createMenus() {
  const auto actionOf = [this](ControlId id) -> QAction* {
    const auto found = actions_.find(controlInfo(id).name);
    return found == actions_.end() ? nullptr : found->second;
  };
  std::function<QMenu*(const Menu&)> submenuOf = [&](const Menu& m) -> QMenu* {
    auto* menu = new QMenu(qtr(m.caption), this);
    menu->setObjectName(m.name);
    addEntries(menu, m, actionOf, submenuOf);
    if (!menu->isEmpty()) return menu;
    delete menu;
    return nullptr;
  };
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  for (const Menu& m : menus()) {
    if (m.place == MenuPlace::MenuBar) {
      if (QMenu* menu = submenuOf(m)) bar->addMenu(menu);
    } else if (m.place == MenuPlace::PopUp) {
      auto* menu = new QMenu(this);
      menu->setObjectName(m.name);
      addEntries(menu, m, actionOf, submenuOf);
    } else if (m.place == MenuPlace::ToolBar) {
      QToolBar* tools = addToolBar(qtr(m.caption));
      tools->setObjectName(m.name);
      addEntries(tools, m, actionOf, submenuOf);
    }
  }
  // The rotate button drops down its angles.
  auto* tools = findChild<QToolBar*>("ToolBar1");
  if (auto* rotate = qobject_cast<QToolButton*>(tools->widgetForAction(action("SB_Rotate")))) {
    rotate->setMenu(createRotationMenu(start_.settings.optionen, this));
    rotate->setPopupMode(QToolButton::MenuButtonPopup);
  }
  fileMenu_ = findChild<QMenu*>("Datei1");
  boardPopup_ = findChild<QMenu*>("PlatinenPopup");
  drawingPopup_ = findChild<QMenu*>("PaintBoxPopup");
}

}  // namespace pravelo
