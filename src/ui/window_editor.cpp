#include "ui/window_editor.h"

#include <QCursor>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>

#include "ui/board_view.h"
#include "ui/component_dialog.h"
#include "ui/generator_dialogs.h"
#include "ui/qt_text.h"
#include "ui/text_dialog.h"
#include "ui/tile_dialog.h"

namespace pravelo {

void WindowEditor::showMessage(const std::string& text, const std::string& title,
                               MessageIcon icon) {
  host_.showMessage(text, title, icon);
}

Answer WindowEditor::ask(const std::string& text, const std::string& title, Buttons buttons,
                         MessageIcon icon) {
  return host_.ask(text, title, buttons, icon);
}

void WindowEditor::showContextMenu(DPoint world) { view_.openContextMenu(world); }

// The menu opens under the pointer, which is over the vertex.
std::optional<NodeCommand> WindowEditor::showNodeMenu(DPoint, const NodeMenuState& state) {
  QMenu menu(&view_);
  menu.setObjectName("NodeMenu");
  for (const NodeMenuItem& item : nodeMenuItems()) {
    QAction* entry = menu.addAction(qtr(item.caption));
    entry->setObjectName(item.scriptName);
    entry->setData(static_cast<int>(item.command));
    entry->setEnabled(state.enabled(item.command));
  }
  const QAction* chosen = menu.exec(QCursor::pos());
  if (chosen == nullptr) return std::nullopt;
  return static_cast<NodeCommand>(chosen->data().toInt());
}

std::optional<TextDialogValues> WindowEditor::showTextDialog(const TextDialogValues& shown) {
  return runTextDialog(view_.window(), shown);
}

std::optional<std::string> WindowEditor::askValue(const std::string& title,
                                                  const std::string& proposal) {
  bool ok = false;
  const QString entered =
      QInputDialog::getText(view_.window(), QString::fromStdString(title), QString(),
                            QLineEdit::Normal, QString::fromStdString(proposal), &ok);
  if (!ok) return std::nullopt;
  return entered.toStdString();
}

std::optional<TileValues> WindowEditor::showTileDialog(const TileDialog& dialog) {
  return runTileDialog(view_.window(), dialog);
}

bool WindowEditor::showFootprintDialog(FootprintDialog& dialog) {
  return runFootprintDialog(view_.window(), dialog, openHelp_);
}

bool WindowEditor::showShapeDialog(ShapeDialog& dialog) {
  return runShapeDialog(view_.window(), dialog, *this, openHelp_);
}

ComponentDialogEnd WindowEditor::showComponentDialog(ComponentSession& session) {
  return runComponentDialog(view_.window(), session, view_.scheme(),
                            view_.unit() == LengthUnit::Mil);
}

void WindowEditor::repaintAll() { view_.refresh(); }

void WindowEditor::repaintWorld(const TRect& world) { view_.refreshWorldRect(world); }

// The grid and the user origin are part of the picture, so it is drawn anew as well.
void WindowEditor::viewChanged() {
  view_.viewChanged();
  view_.refresh();
}

void WindowEditor::overlayChanged() { view_.overlayChanged(); }

void WindowEditor::overlayChangedWithin(const TRect& world) { view_.updateOverlayWithin(world); }

void WindowEditor::setCursor(Cursor cursor) { view_.setToolCursor(cursor); }

}  // namespace pravelo
