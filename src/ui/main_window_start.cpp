// Start-up and shut-down of the main window, its dialogs, the language choice and the help.
#include <QCloseEvent>
#include <QDesktopServices>
#include <QSplashScreen>
#include <QTimer>
#include <QUrl>

#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/help_topics.h"
#include "app/language_file.h"
#include "document/document_texts.h"
#include "editing/editor.h"
#include "editing/favourites.h"
#include "editing/photo_view_commands.h"
#include "project/boards.h"
#include "ui/gerber_dialog.h"
#include "ui/language_dialog.h"
#include "ui/main_window.h"
#include "ui/new_board_dialog.h"
#include "ui/project_info_dialog.h"
#include "ui/qt_text.h"
#include "ui/size_column.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

constexpr int kEndOfStartUpMs = 100;

}  // namespace

// Every dialog exists once for the whole run and keeps its values between uses.
void MainWindow::createDialogs() {
  projectInfoDlg_ = new TProjectInfoDlg(this);
  gerberDlg_ = new TGerberDlg(*host_, start_.settings, start_.store, this);
  newBoardDlg_ = new TNeuDlg(*host_, this);
  languageDlg_ = new TLanguageDlg(this);
  connect(projectInfoDlg_, &TProjectInfoDlg::helpRequested, this, &MainWindow::openHelp);
  connect(newBoardDlg_, &TNeuDlg::helpRequested, this, &MainWindow::openHelp);
  createDrillDialogs();
  createMillingControls();
  createGerberImportDialog();
  createOptionsDialog();
  createImageDialogs();
  createPrintDialog();
}

void MainWindow::start(const std::string& commandLine) {
  const WindowSettings& geometry = start_.settings.window;
  move(geometry.WindowX, geometry.WindowY);
  resize(geometry.WindowW, geometry.WindowH);
  if (geometry.WindowMax) {
    showMaximized();
  } else {
    show();
  }
  // A missing or foreign file on the command line is ignored without a message.
  if (const auto file = startupLayoutFile(commandLine))
    openLayout(file->string(), OpenedFrom::Dialog);
  QTimer::singleShot(kEndOfStartUpMs, this, &MainWindow::endOfStartUp);
}

void MainWindow::endOfStartUp() { splash_.reset(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!discardDocument(doc_, *host_, [this] { return saveDocumentCommand(); })) {
    event->ignore();
    return;
  }
  storeMacroPanel();
  writeSettings();
  event->accept();
}

void MainWindow::writeSettings() {
  WindowSettings& geometry = start_.settings.window;
  const bool normal = !isMaximized() && !isMinimized() && !isFullScreen();
  if (normal) {
    geometry.WindowX = pos().x();
    geometry.WindowY = pos().y();
    geometry.WindowW = width();
    geometry.WindowH = height();
  }
  geometry.WindowMax = isMaximized();
  if (!doc_.lastFolder.empty()) start_.settings.ordner.Layout_Last = doc_.lastFolder;
  storeFavourites(sizeColumn_->favourites(), start_.settings.favourites);
  start_.settings.sizes = sizeSettings(editor_->sizes);
  // Closing the window closes an open photo view.
  if (editor_->photoViewOn) start_.settings.photoView = photoViewSettingsOf(editor_->photo);
  writeShutdownSettings(start_.store, start_.settings, normal);
}

void MainWindow::Beenden1Click() { close(); }

void MainWindow::Sprache1Click() {
  const auto language = languageDlg_->execute(start_.language);
  if (!language) return;
  if (!writeLanguage(start_.folders.settings, *language)) {
    host_->showMessage(pravelo::tr(texts::languageNotWritten), pravelo::tr(texts::productName),
                       MessageIcon::Error);
    return;
  }
  host_->showMessage(pravelo::tr(texts::languageAtNextStart), pravelo::tr(texts::productName),
                     MessageIcon::Information);
}

void MainWindow::Hilfethemen1Click() { openHelp(kHelpContents); }

// Without the page or a browser nothing happens.
void MainWindow::openHelp(int topic) {
  const auto page = helpPage(findHelpFolder(start_.folders.program), topic, start_.language);
  if (page) QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page->string())));
}

}  // namespace pravelo
