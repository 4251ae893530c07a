// The scanned copies behind the active board: reading them when a board becomes active, the
// scanned-copy dialog, and the status-bar buttons that show the copy alone or hide it.
#include <QAction>
#include <QStatusBar>
#include <QToolButton>

#include "app/layout_folder.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/template_dialog.h"
#include "ui/template_dialog_texts.h"
#include "ui/widget_hint.h"

namespace pravelo {

namespace {

QToolButton* templateStatusButton(const char* name, const Text& caption, const Text& hint) {
  auto* button = new QToolButton;
  button->setObjectName(name);
  button->setText(qtr(caption));
  setWidgetHint(button, hint);
  button->hide();
  return button;
}

}  // namespace

void MainWindow::createTemplateControls() {
  vorlageDlg_ = new TVorlageDlg(*host_, this);
  connect(vorlageDlg_, &TVorlageDlg::helpRequested, this, &MainWindow::openHelp);
  connect(vorlageDlg_, &TVorlageDlg::viewChanged, this, [this] {
    renderOptions_.templatePictures = renderedTemplates(templates_);
    view_->refresh();
  });

  auto* openButton = new QToolButton;
  openButton->setDefaultAction(action("SB_Vorlage"));
  statusBar()->addPermanentWidget(openButton);

  // "Exclusive" draws the view once with every layer hidden while it is held.
  exclusiveButton_ =
      templateStatusButton("SB_NurVorlage", texts::templateExclusive, texts::templateExclusiveHint);
  connect(exclusiveButton_, &QToolButton::pressed, this, [this] { view_->setTemplateAlone(true); });
  connect(exclusiveButton_, &QToolButton::released, this,
          [this] { view_->setTemplateAlone(false); });
  statusBar()->addPermanentWidget(exclusiveButton_);

  // "Hide" turns the shown state of both sides over while it is held.
  hideButton_ =
      templateStatusButton("SB_HideVorlage", texts::templateHide, texts::templateHideHint);
  for (auto signal : {&QToolButton::pressed, &QToolButton::released}) {
    connect(hideButton_, signal, this, [this] {
      invertTemplatesShown(activeBoard(doc_).header);
      view_->refresh();
    });
  }
  statusBar()->addPermanentWidget(hideButton_);
}

void MainWindow::loadActiveTemplates() {
  if (doc_.activeBoard < 0) return;
  reloadTemplates(activeBoard(doc_).header, templates_, doc_.fileName, *host_);
  renderOptions_.templatePictures = renderedTemplates(templates_);
}

void MainWindow::showTemplateButtons() {
  if (exclusiveButton_ == nullptr || doc_.activeBoard < 0) return;
  const bool shown = activeSideHasTemplate(activeBoard(doc_).header, templates_);
  exclusiveButton_->setVisible(shown);
  hideButton_->setVisible(shown);
}

void MainWindow::Vorlage1Click() {
  BoardHeader& header = activeBoard(doc_).header;
  FolderSettings& folders = start_.settings.ordner;
  std::string& last = folders.EqualDir ? doc_.lastFolder : folders.Vorlage_Last;
  const std::string start =
      !folders.Vorlage.empty()
          ? folders.Vorlage
          : (folders.EqualDir ? layoutFolder() : existingFolderOr(last, layoutFolder()));
  vorlageDlg_->setFolder(start);
  vorlageDlg_->execute(header, templates_, doc_.fileName, header.activeLayer > kLayerS1 ? 2 : 1,
                       scheme_);
  if (folders.Vorlage.empty() && vorlageDlg_->folder() != start) last = vorlageDlg_->folder();
  renderOptions_.templatePictures = renderedTemplates(templates_);
  showTemplateButtons();
  doc_.modified = true;
  view_->refresh();
}

}  // namespace pravelo
