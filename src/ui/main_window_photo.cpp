// The main window's photo view: the options panel above the drawing area while the Photo view
// tool is chosen, and the layer, ground-plane and scanned-copy controls locked meanwhile.
#include <QAction>
#include <QToolButton>
#include <QVBoxLayout>

#include "editing/editor.h"
#include "editing/photo_view_commands.h"
#include "settings/settings.h"
#include "ui/layer_bar.h"
#include "ui/main_window.h"
#include "ui/photo_view_panel.h"

namespace pravelo {

void MainWindow::createPhotoViewPanel() {
  photoPanel_ = new TRealAnsichtDlg;
  photoPanel_->hide();
  qobject_cast<QVBoxLayout*>(centralWidget()->layout())->insertWidget(0, photoPanel_);
  connect(photoPanel_, &TRealAnsichtDlg::optionsChanged, this,
          [this](const PhotoOptions& options) { setPhotoOptions(*editor_, options); });
}

// The tool machine opens and closes the view; the window follows it. Closing writes the
// options the view put back into the settings. The view never draws the scanned copy, so its
// buttons rest; one held as the view opens is let go and undoes what it did.
void MainWindow::showPhotoView() {
  const bool on = editor_->photoViewOn;
  if (on == photoPanel_->isVisibleTo(this)) return;
  if (on) photoPanel_->showOptions(editor_->photo);
  photoPanel_->setVisible(on);
  layers_->setEnabled(!on);
  exclusiveButton_->setEnabled(!on);
  hideButton_->setEnabled(!on);
  if (!on) writePhotoViewSettings(start_.store, start_.settings.photoView);
}

}  // namespace pravelo
