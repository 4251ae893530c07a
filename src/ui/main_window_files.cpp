// File commands of the main window: Open, Import boards, Save, Save As, the recent files in the
// File menu and backup saving.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <filesystem>

#include "app/layout_folder.h"
#include "base/atomic_file.h"
#include "document/document_texts.h"
#include "editing/editor.h"
#include "editing/text_io_defaults.h"
#include "project/open_commands.h"
#include "project/save_commands.h"
#include "project/save_problem.h"
#include "project/text_io_commands.h"
#include "project/text_io_texts.h"
#include "settings/recent_files.h"
#include "ui/component_list_texts.h"
#include "ui/drill_dialog_texts.h"
#include "ui/main_window.h"
#include "ui/milling_dialog_texts.h"
#include "ui/qt_text.h"

namespace pravelo {

namespace {

// The catalogue keeps the filter as "description|patterns|..."; Qt reads the patterns from the
// descriptions, joined by ";;".
QString qtFileFilter(const Text& filter) {
  const QStringList parts = qtr(filter).split('|');
  QStringList descriptions;
  for (int i = 0; i < parts.size(); i += 2) descriptions << parts[i];
  return descriptions.join(";;");
}

std::optional<std::string> chooseOpenFile(QWidget* parent, const std::string& folder,
                                          const Text& filter) {
  QFileDialog dialog(parent, {}, QString::fromStdString(folder), qtFileFilter(filter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

// Asks before overwriting a file.
std::optional<std::string> chooseSaveFile(QWidget* parent, const std::string& folder,
                                          const std::string& presetName, const Text& filter,
                                          const char* suffix) {
  QFileDialog dialog(parent, {}, QString::fromStdString(folder), qtFileFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(QString::fromStdString(presetName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

void MainWindow::createFileCommands() {
  choosers_.open = [this](const std::string& folder) {
    return chooseOpenFile(this, folder, texts::layoutFileFilter);
  };
  choosers_.save = [this](const std::string& folder, const std::string& preset) {
    return chooseSaveFile(this, folder, preset, texts::layoutFileFilter, "pvb6");
  };
  choosers_.openText = [this](const std::string& folder) {
    return chooseOpenFile(this, folder, texts::textIoFilter);
  };
  choosers_.saveText = [this](const std::string& folder, const std::string& preset) {
    return chooseSaveFile(this, folder, preset, texts::textIoFilter, "txt");
  };
  choosers_.saveDrill = [this](const std::string& folder, const std::string& preset) {
    return chooseSaveFile(this, folder, preset, texts::drillFileFilter, "drl");
  };
  choosers_.saveHpgl = [this](const std::string& folder, const std::string& preset) {
    return chooseSaveFile(this, folder, preset, texts::millHpglFilter, "plt");
  };
  choosers_.saveParts = [this](const std::string& folder, const std::string& preset) {
    return chooseSaveFile(this, folder, preset, texts::componentFileFilter, "txt");
  };
  choosers_.saveImage = [this](const std::string& folder, const std::string& preset,
                               ImageFormat format) {
    return chooseSaveFile(this, folder, preset, imageFileFilter(format), imageFileSuffix(format));
  };
  doc_.lastFolder = start_.settings.ordner.Layout_Last;
  connect(fileMenu_, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);

  autoSaveTimer_ = new QTimer(this);
  autoSaveTimer_->setObjectName("AutoSaveTimer");
  autoSaveTimer_->setInterval(start_.settings.optionen.AutoSaveTime);
  connect(autoSaveTimer_, &QTimer::timeout, this, &MainWindow::AutoSaveTimerTimer);
  if (start_.settings.optionen.AutoSave) autoSaveTimer_->start();
}

void MainWindow::setFileChoosers(FileChoosers choosers) { choosers_ = std::move(choosers); }

std::string MainWindow::layoutFolder() const {
  return layoutStartFolder(start_.settings.ordner, doc_.lastFolder,
                           start_.folders.documents.string());
}

std::string MainWindow::outputPreset(const std::string& suffix) const {
  return doc_.fileName.empty() ? "" : std::filesystem::path(doc_.fileName).stem().string() + suffix;
}

void MainWindow::writeOutputFile(const std::string& path, const std::string& bytes) {
  std::error_code error;
  if (!writeFileAtomically(path, bytes, &error)) {
    host_->showMessage(couldNotSaveMessage(path, error, currentLanguage()),
                       pravelo::tr(texts::productName), MessageIcon::Error);
  }
}

bool MainWindow::saveDocumentCommand() {
  const bool saved = saveDocument(
      doc_, *host_, start_.settings.recentFiles,
      [this](const std::string& preset) { return choosers_.save(layoutFolder(), preset); });
  updateTitle();
  return saved;
}

void MainWindow::openLayout(const std::string& path, OpenedFrom from) {
  const OpenOutcome outcome = openLayoutFile(doc_, *host_, start_.settings.recentFiles, path, from,
                                             [this] { return saveDocumentCommand(); });
  if (outcome.fitView) zoomToFitBoard();
  showDocument();
}

void MainWindow::SB_LoadClick() {
  if (const auto path = choosers_.open(layoutFolder())) openLayout(*path, OpenedFrom::Dialog);
}

void MainWindow::Platinennachladen1Click() {
  const auto path = choosers_.open(layoutFolder());
  if (!path) return;
  const OpenOutcome outcome = importBoardsFromFile(doc_, *host_, *path);
  if (outcome.fitView) zoomToFitBoard();
  if (outcome) showDocument();
}

void MainWindow::SB_SaveClick() { saveDocumentCommand(); }

std::string MainWindow::textIoFolder() const {
  return existingFolderOr(textIoLastFolder_, start_.folders.documents.string());
}

// Writes the selected objects, or the whole board when nothing is selected.
void MainWindow::Export_TextIOClick() {
  const auto path = choosers_.saveText(textIoFolder(), "");
  if (!path) return;
  textIoLastFolder_ = std::filesystem::path(*path).parent_path().string();
  exportTextIo(activeBoard(doc_).objects, *host_, *path);
}

// The file's objects go into the clipboard and follow the mouse as after Paste.
void MainWindow::Import_TextIOClick() {
  const auto path = choosers_.openText(textIoFolder());
  if (!path) return;
  textIoLastFolder_ = std::filesystem::path(*path).parent_path().string();
  const TextIoDefaults defaults = textIoDefaults(editor_->sizes, activeBoard(doc_).header);
  if (importTextIo(doc_.clipboard, *host_, *path, defaults)) {
    runEditorCommand(CommandId::SB_InsertClick);
  }
}

void MainWindow::Speichernals1Click() {
  saveDocumentAs(doc_, *host_, start_.settings.recentFiles, [this](const std::string& preset) {
    return choosers_.save(layoutFolder(), preset);
  });
  updateTitle();
}

// The recent files stand in the File menu before the Exit item; files that are gone are dropped
// whenever the menu opens.
void MainWindow::showRecentFiles() {
  std::vector<std::string>& recent = start_.settings.recentFiles;
  dropMissingRecentFiles(recent);
  for (QAction* a : recentActions_) {
    fileMenu_->removeAction(a);
    a->deleteLater();
  }
  recentActions_.clear();
  QAction* exit = action("Beenden1");
  for (std::size_t i = 0; i < recent.size(); ++i) {
    auto* entry = new QAction(QString::fromStdString(recentFileCaption(recent[i])), fileMenu_);
    entry->setObjectName(QString("MRUList%1").arg(i));
    entry->setStatusTip(QString::fromStdString(recent[i]));
    connect(entry, &QAction::triggered, this, [this, i] { MRUListClick(static_cast<int>(i)); });
    fileMenu_->insertAction(exit, entry);
    recentActions_.push_back(entry);
  }
  if (!recent.empty()) recentActions_.push_back(fileMenu_->insertSeparator(exit));
}

void MainWindow::MRUListClick(int index) {
  const std::vector<std::string>& recent = start_.settings.recentFiles;
  if (index < 0 || index >= static_cast<int>(recent.size())) return;
  // A copy: opening moves the entry to the top, shifting the list under a reference.
  const std::string path = recent[index];
  openLayout(path, OpenedFrom::RecentList);
}

// Writes the backup with "Autosave..." in the help line; the document keeps its name and flag.
void MainWindow::AutoSaveTimerTimer() {
  // The timer may fire while New shows its dialog, when the old boards are gone already.
  if (doc_.boards.empty() || !backupFileName(doc_.fileName)) return;
  const QString helpText = helpLine_->text();
  helpLine_->setText(qtr(texts::autosaveHint));
  helpLine_->repaint();
  saveBackup(doc_);
  helpLine_->setText(helpText);
}

}  // namespace pravelo
