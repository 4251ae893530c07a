#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "base/host.h"
#include "document/board_header.h"
#include "view/colour_scheme.h"
#include "view/template_commands.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace pravelo {

// The scanned-copy dialog: a page per board side to load, remove and adjust its scan. Every
// change goes straight into the active board's header; the view is asked to repaint when the
// change shows there.
class TVorlageDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TVorlageDlg(Host& host, QWidget* parent = nullptr);

  // Shows the dialog modally on the page of `side` (1 or 2) for the active board; loaded scans
  // go into `pictures`, and a file not found is looked for beside `layoutFile`.
  void execute(BoardHeader& header, TemplatePictures& pictures, const std::string& layoutFile,
               int side, const ColourScheme& scheme);

  // The folder the file chooser starts in, and the one a file was last chosen from.
  void setFolder(std::string folder) { folder_ = std::move(folder); }
  const std::string& folder() const { return folder_; }

  // Tests put scripted choosers in place of the standard dialogs.
  using FileChooser = std::function<std::optional<std::string>(const std::string& folder)>;
  using ColourChooser = std::function<std::optional<Rgb>(Rgb current)>;
  void setChoosers(FileChooser file, ColourChooser colour);

  void B_SuchenClick();
  void B_Entfernen1Click();
  void B_Entfernen2Click();

 signals:
  void helpRequested(int topic);
  // Something the view shows changed.
  void viewChanged();

 private:
  struct Page {
    QPushButton* load = nullptr;
    QPushButton* remove = nullptr;
    QLabel* fileName = nullptr;
    QCheckBox* shown = nullptr;
    std::array<QLabel*, 6> labels{};  // captions and units of resolution and offsets
    QSpinBox* dpi = nullptr;
    QSpinBox* offsetX = nullptr;
    QSpinBox* offsetY = nullptr;
    QLabel* colourLabel = nullptr;
    QPushButton* colour = nullptr;
    QLabel* marker = nullptr;
  };

  QWidget* createPage(int side);
  void remove(int side);
  void refresh();
  void refreshPage(int side);
  void change(int side, TemplateSetting setting, int value);
  void chooseColour(int side);
  int currentSide() const;

  Host& host_;
  QTabWidget* pages_;
  std::array<Page, 2> page_;
  FileChooser chooseFile_;
  ColourChooser chooseColour_;
  std::string folder_;
  BoardHeader* header_ = nullptr;
  TemplatePictures* pictures_ = nullptr;
  std::string layoutFile_;
  bool filling_ = false;
};

}  // namespace pravelo
