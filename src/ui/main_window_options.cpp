// The general settings: the three menu items that open them on their page, and what OK
// changes in the window.
#include <QTimer>

#include "ui/board_navigator.h"
#include "ui/board_view.h"
#include "ui/drc_panel.h"
#include "ui/macro_panel.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"

namespace pravelo {

void MainWindow::createOptionsDialog() {
  optionsDlg_ = new TOptionsDlg(start_.folders, *host_, this);
  // Colour edits show at once; Cancel shows the scheme of the opening again.
  connect(optionsDlg_, &TOptionsDlg::schemeShown, this, &MainWindow::showScheme);
}

void MainWindow::Grundeinstellungen1Click() {
  openOptions(optionsStartPage(CommandId::Grundeinstellungen1Click));
}

void MainWindow::Arbeitsverzeichnisse1Click() {
  openOptions(optionsStartPage(CommandId::Arbeitsverzeichnisse1Click));
}

void MainWindow::Autospeichern1Click() {
  openOptions(optionsStartPage(CommandId::Autospeichern1Click));
}

void MainWindow::openOptions(OptionsPage page) {
  storeMacroPanel();
  const std::optional<AppSettings> chosen = optionsDlg_->execute(page, start_.settings);
  if (!chosen) return;
  const bool macroFolderChanged = chosen->ordner.Makro != start_.settings.ordner.Makro;
  start_.settings = *chosen;
  const OptionenSettings& o = start_.settings.optionen;
  renderOptions_.darkGroundPlane = o.AutoMasseDunkel;
  renderOptions_.allGroundPlanes = o.AlleAutoMassen;
  renderOptions_.drillHoleColour = static_cast<DrillHoleColour>(o.BohrlochFarbe);
  navigator_->setVisible(o.PlatinenZoom);
  autoSaveTimer_->setInterval(o.AutoSaveTime);
  if (o.AutoSave) {
    autoSaveTimer_->start();
  } else {
    autoSaveTimer_->stop();
  }
  if (macroFolderChanged) showMacroLibrary();
  showScheme(optionsDlg_->schemes().shown());
  showDisplaySettings();
  showEditorState();
}

void MainWindow::showScheme(const ColourScheme& scheme) {
  scheme_ = scheme;
  macroPanel_->setScheme(scheme_);
  drc_->showBoard(&activeBoard(doc_), lengthUnit(), scheme_);
  showActiveBoard();
}

}  // namespace pravelo
