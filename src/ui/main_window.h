#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "app/host.h"
#include "document/document.h"
#include "view/colour_scheme.h"

class QLabel;
class QMenu;
class QScrollArea;
class QTabBar;

namespace pravelo {

class BoardView;
class LayerBar;
class TBoardPropertiesDlg;
class TNeuDlg;
class TProjectInfoDlg;

// The main window: menus, tool bar, layer bar, the drawing area with the board tabs below it,
// the status bar with the help line and dock areas for the side panels. It owns the document.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Questions and messages go to `host`; to the window's own message boxes when it is null.
  explicit MainWindow(Host* host = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  const Document& document() const { return doc_; }

  // Command handlers, named after the controls that run them.
  void SB_NeuClick();
  void NeuePlatine1Click();
  void Platinengrsse1Click();
  void Platinelschen1Click();
  void Platinekopieren1Click();
  void Platinenachrechts1Click();
  void Platineeinsnachrechts1Click();
  void Platinenachlinks1Click();
  void Platineeinsnachlinks1Click();
  void Projektinfo1Click();
  void Beenden1Click();
  void TabSetChange(int index);

 protected:
  bool event(QEvent* event) override;

 private:
  using Handler = void (MainWindow::*)();

  void createCommands();
  void createMenus();
  void createToolBar();
  void createCentralArea();
  QAction* action(const char* name) const;

  // Shows the document: tabs, active board, layer buttons and window title.
  void showDocument();
  void showActiveBoard();
  void updateTitle();
  void moveBoard(bool (*command)(Document&));
  void setLayerVisible(int layer, bool visible);
  void setActiveLayer(int layer);
  // The board the new-board dialog asked for, added to the document and made active.
  void addBoardFromDialog();
  bool originAtTop() const;

  std::unique_ptr<Host> ownHost_;
  Host* host_;
  Document doc_;
  ColourScheme scheme_;
  std::map<std::string, QAction*> actions_;
  QMenu* fileMenu_ = nullptr;
  QMenu* boardPopup_ = nullptr;
  QTabBar* tabs_ = nullptr;
  QScrollArea* scrollBox_ = nullptr;
  BoardView* view_ = nullptr;
  LayerBar* layers_ = nullptr;
  QLabel* helpLine_ = nullptr;
  TNeuDlg* newBoardDlg_ = nullptr;
  TBoardPropertiesDlg* boardPropertiesDlg_ = nullptr;
  TProjectInfoDlg* projectInfoDlg_ = nullptr;
};

}  // namespace pravelo
