#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/colour_scheme_choice.h"
#include "app/options_values.h"
#include "base/host.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;

namespace pravelo {

class CrosshairPreview;

// The general settings: nine pages chosen in a tree. The dialog works on a copy of the
// settings, which OK hands back; colour edits show in the window at once (`schemeShown`) and
// Cancel shows the scheme of the opening again.
class TOptionsDlg : public QDialog {
  Q_OBJECT

 public:
  using ColourChooser = std::function<std::optional<Rgb>(Rgb current)>;
  using FolderChooser = std::function<std::optional<std::string>(const std::string& start)>;
  using FolderOpener = std::function<void(const std::string& folder)>;

  TOptionsDlg(AppFolders folders, Host& host, QWidget* parent = nullptr);
  ~TOptionsDlg() override;

  // Opens on `page`; the settings to use on OK, nothing on Cancel.
  std::optional<AppSettings> execute(OptionsPage page, const AppSettings& settings);
  // Fills the pages from `settings` and shows `page`, without running the dialog.
  void load(OptionsPage page, const AppSettings& settings);
  // The settings the pages show.
  AppSettings values() const;
  OptionsPage page() const;
  const ColourSchemeChoice& schemes() const { return *schemes_; }
  // Tests put scripted choosers in place of the standard dialogs.
  void setChoosers(ColourChooser colour, FolderChooser folder, FolderOpener opener);

  void accept() override;
  void reject() override;

 signals:
  void schemeShown(const pravelo::ColourScheme& scheme);

 private:
  QWidget* generalPage();
  QWidget* coloursPage();
  QWidget* foldersPage();
  QWidget* macroFolderPage();
  QWidget* undoPage();
  QWidget* imaxPage();
  QWidget* hotkeysPage();
  QWidget* crosshairPage();
  QWidget* autoSavePage();
  void showScheme();
  void editColour(int slot);
  void showFolders();
  void showHotkeys();
  void changeHotkey();
  void showCrosshair();

  AppFolders folders_;
  Host& host_;
  AppSettings values_;
  ColourScheme atOpening_;
  std::unique_ptr<ColourSchemeChoice> schemes_;
  ColourChooser chooseColour_;
  FolderChooser chooseFolder_;
  FolderOpener openFolder_;
  bool filling_ = false;
  bool undoChanged_ = false;

  QTreeWidget* tree_;
  QStackedWidget* pages_;
  // General
  QComboBox* unit_;
  QComboBox* drillColour_;
  std::vector<std::pair<QCheckBox*, bool OptionenSettings::*>> switches_;
  // Colours
  QComboBox* scheme_;
  std::array<QPushButton*, kSchemeSlots> colours_{};
  QPushButton* resetScheme_;
  // Folders
  std::array<QLineEdit*, 5> folderEdits_{};
  std::array<QPushButton*, 5> folderButtons_{};
  QCheckBox* equalDir_;
  QLabel* macroFolder_;
  // Undo, Imax
  QSpinBox* undo_;
  QSpinBox* copperThickness_;
  QSpinBox* temperatureRise_;
  // Hotkeys
  QListWidget* hotkeys_;
  QComboBox* hotkeyLetter_;
  // Crosshair
  QCheckBox* diagonals_;
  QCheckBox* coordinates_;
  QCheckBox* bigText_;
  QCheckBox* transparent_;
  QRadioButton* black_;
  QRadioButton* white_;
  CrosshairPreview* preview_;
  // AutoSave
  QCheckBox* autoSave_;
  QSpinBox* autoSaveMinutes_;
};

}  // namespace pravelo
