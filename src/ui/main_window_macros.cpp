// The macro panel beside the layout: its library, dropping macros onto the board, saving the
// selection as a macro, deleting and renaming library entries.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <filesystem>

#include "editing/macro_commands.h"
#include "editing/tool_machine.h"
#include "project/macro_tree.h"
#include "settings/app_folders.h"
#include "ui/board_view.h"
#include "ui/macro_panel.h"
#include "ui/macro_panel_texts.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

// The board's viewport takes macros dragged from the panel while there is one to drop.
class MacroDropTarget : public QObject {
 public:
  MacroDropTarget(QObject* parent, std::function<bool()> accepts,
                  std::function<void(QPointF, bool)> dropped)
      : QObject(parent), accepts_(std::move(accepts)), dropped_(std::move(dropped)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove) {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (drag->mimeData()->hasFormat(kMacroMimeType) && accepts_()) {
        drag->acceptProposedAction();
      } else {
        drag->ignore();
      }
      return true;
    }
    if (type == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!drop->mimeData()->hasFormat(kMacroMimeType)) return false;
      drop->acceptProposedAction();
      dropped_(drop->position(), drop->modifiers() & Qt::ControlModifier);
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool()> accepts_;
  std::function<void(QPointF, bool)> dropped_;
};

// The library root, or the default folder when the stored one is missing.
std::filesystem::path macroRoot(const FolderSettings& folders, const AppFolders& app) {
  std::error_code error;
  if (!folders.Makro.empty() && std::filesystem::is_directory(folders.Makro, error)) {
    return folders.Makro;
  }
  return defaultMacroFolder(app.settings);
}

}  // namespace

void MainWindow::createMacroPanel() {
  macroState_.asComponent = start_.settings.optionen.Bauteil;
  macroPanel_ = new TMakroPanel(macroState_, *host_, this);
  addDockWidget(Qt::LeftDockWidgetArea, macroPanel_);
  macroPanel_->setVisible(start_.settings.optionen.Makro);
  action("TB_Makro")->setChecked(start_.settings.optionen.Makro);
  connect(macroPanel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!isVisible()) return;
    start_.settings.optionen.Makro = visible;
    action("TB_Makro")->setChecked(visible);
  });
  connect(macroPanel_, &TMakroPanel::helpLine, this,
          [this](const QString& text) { helpLine_->setText(text); });
  connect(macroPanel_, &TMakroPanel::saveRequested, this, &MainWindow::Makrospeichern1Click);
  connect(macroPanel_, &TMakroPanel::deleteRequested, this, [this] {
    if (deletePanelMacro(*editor_, macroState_)) macroPanel_->refresh();
  });
  connect(macroPanel_, &TMakroPanel::editRequested, this, [this] {
    editMacroComponent(*editor_, macroState_);
    macroPanel_->refresh();
  });
  connect(macroPanel_, &TMakroPanel::renameRequested, this,
          [this](const QString& path, const QString& name) {
            renameMacroNode(*editor_, macroState_, path.toStdString(), name.toStdString());
            macroPanel_->refresh();
          });
  view_->viewport()->setAcceptDrops(true);
  view_->viewport()->installEventFilter(new MacroDropTarget(
      this, [this] { return !macroState_.macro.empty(); },
      [this](QPointF position, bool ctrl) {
        start_.settings.optionen.Bauteil = macroState_.asComponent;
        if (dropPanelMacro(*editor_, macroState_, view_->worldAt(position), ctrl) > 0) {
          view_->refresh();
          objectsChanged();
          showEditorState();
        }
      }));
  const std::filesystem::path root = macroRoot(start_.settings.ordner, start_.folders);
  installBundledLibrary(start_.folders.program / "Makros", root);
  macroPanel_->setScheme(scheme_);
  macroPanel_->showLibrary(root, start_.settings.ordner.MakroOrdner);
}

void MainWindow::storeMacroPanel() {
  writeBackMacro(macroState_);
  start_.settings.ordner.MakroOrdner = macroState_.file.string();
  start_.settings.optionen.Bauteil = macroState_.asComponent;
}

void MainWindow::TB_MakroClick() {
  const bool shown = action("TB_Makro")->isChecked();
  start_.settings.optionen.Makro = shown;
  macroPanel_->setVisible(shown);
}

void MainWindow::Makrospeichern1Click() {
  if (!confirmMacroSave(*editor_)) return;
  QFileDialog dialog(this, {}, QString::fromStdString(macroPanel_->selectedFolder().string()),
                     qtr(texts::macroSaveFilter).split('|').first());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("pvm");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  if (saveSelectionAsMacro(*editor_, macroState_, dialog.selectedFiles().first().toStdString())) {
    macroPanel_->refresh();
  }
}

}  // namespace pravelo
