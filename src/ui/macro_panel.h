#pragma once

#include <QDockWidget>
#include <filesystem>

#include "project/macro_panel.h"
#include "view/colour_scheme.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pravelo {

class Host;

// The macro panel: the library tree, the preview the user drags onto the board, the two
// description lines and the switches for side, through-pads, rotation and "as component". It
// works the panel state it is given; saving and deleting go through the window.
class TMakroPanel : public QDockWidget {
  Q_OBJECT

 public:
  // `state` and `host` must outlive the panel.
  TMakroPanel(MacroPanel& state, Host& host, QWidget* parent = nullptr);

  // Builds the tree below `root` and selects the node of `selected` when it is there.
  void showLibrary(const std::filesystem::path& root, const std::filesystem::path& selected);
  void setScheme(const ColourScheme& scheme);
  // The folder of the selected node, where "Save as macro" starts.
  std::filesystem::path selectedFolder() const;
  // The state changed from outside (a macro saved or deleted): tree and preview follow.
  void refresh();

 signals:
  void saveRequested();
  void deleteRequested();
  void renameRequested(QString path, QString name);
  // A double click on the preview or a macro node: edit the macro's component.
  void editRequested();
  void helpLine(QString text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void nodeChosen(QTreeWidgetItem* item);
  void showPreview();
  void showSwitches();
  void startDrag();

  MacroPanel& state_;
  Host& host_;
  ColourScheme scheme_ = standardScheme();
  std::filesystem::path root_;
  bool filling_ = false;
  QTreeWidget* tree_;
  QLabel* preview_;
  QLineEdit* line1_;
  QLineEdit* line2_;
  QToolButton* side_;
  QToolButton* vias_;
  QCheckBox* asComponent_;
};

// The MIME type of a macro dragged from the panel.
inline constexpr const char* kMacroMimeType = "application/x-pravelo-macro";

}  // namespace pravelo
