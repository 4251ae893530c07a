#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_catalogue.h"
#include "app/options_values.h"
#include "app/startup.h"
#include "base/host.h"
#include "document/document.h"
#include "editing/properties.h"
#include "editing/size_fields.h"
#include "geometry/length_text.h"
#include "geometry/point.h"
#include "manufacturing/image_export.h"
#include "project/macro_panel.h"
#include "project/open_commands.h"
#include "view/colour_scheme.h"
#include "view/render_options.h"
#include "view/template_commands.h"

class QActionGroup;
class QLabel;
class QMenu;
class QSplashScreen;
class QTabBar;
class QTimer;
class QToolBar;
class QToolButton;

namespace pravelo {

class BoardNavigator;
class BoardView;
class LayerBar;
class SizeColumn;
class TSelector;
class TBTList;
class TOptionsDlg;
class TBT_ExportDlg;
class TMakroPanel;
class TDRC_Dlg;
class TExportDlg;
class TPrint_Dlg;
class TAutoRouter;
class RouteInputGuard;
class ToolMachine;
class WindowEditor;
struct Editor;
class TBohrInfoDlg;
class TEigenschaftenDlg;
class TLanguageDlg;
class TLochDlg;
class TUmrissDlg;
class TNeuDlg;
class TGerberDlg;
class TGerberImport_Dlg;
class TProjectInfoDlg;
class TRealAnsichtDlg;
class TRasterDlg;
class TRasterHotkeysDlg;
class TVorlageDlg;

// The main window: menus, tool bar, layer bar, the drawing area with the board tabs below it,
// the status bar with the help line and dock areas for the side panels. It owns the document.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the window with the splash window over it, one default board and the settings of
  // `start`. Questions and messages go to `host`; to the window's own message boxes when it is
  // null.
  explicit MainWindow(AppStart start, Host* host = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Shows the window as the settings ask, opens the layout file named by the joined command
  // line and ends the start-up 100 ms later.
  void start(const std::string& commandLine);

  const Document& document() const { return doc_; }
  const AppSettings& settings() const { return start_.settings; }
  // Whether the window runs the command; the controls of the others are left out.
  bool commandBound(CommandId id) const;

  // The file choosers of Open, Import boards and Save As, given the folder to start in (and the
  // preset name), and those of the Text-IO import and export; nothing when the user cancels.
  // Tests put scripted ones in their place.
  struct FileChoosers {
    using Open = std::function<std::optional<std::string>(const std::string& folder)>;
    using Save = std::function<std::optional<std::string>(const std::string& folder,
                                                          const std::string& presetName)>;
    Open open;
    Save save;
    Open openText;
    Save saveText;
    Save saveDrill;
    Save saveHpgl;
    Save saveParts;
    std::function<std::optional<std::string>(const std::string& folder,
                                             const std::string& presetName, ImageFormat format)>
        saveImage;
  };
  void setFileChoosers(FileChoosers choosers);

  // Command handlers, named after the controls that run them.
  void SB_NeuClick();
  void SB_LoadClick();
  void Platinennachladen1Click();
  void SB_SaveClick();
  void Speichernals1Click();
  void MRUListClick(int index);
  void AutoSaveTimerTimer();
  void NeuePlatine1Click();
  void Platinengrsse1Click();
  void Platinelschen1Click();
  void Platinekopieren1Click();
  void Platinenachrechts1Click();
  void Platineeinsnachrechts1Click();
  void Platinenachlinks1Click();
  void Platineeinsnachlinks1Click();
  void Projektinfo1Click();
  void Gerber274Xerzeugen1Click();
  void GerberImportieren1Click();
  void Sprache1Click();
  void Hilfethemen1Click();
  void Beenden1Click();
  void Export_TextIOClick();
  void Import_TextIOClick();
  void TabSetChange(int index);
  // The view: the grid dialogs and layers.
  void R_HinzufuegenClick();
  void R_HotkeysClick();
  // A layer was shown or hidden: its objects are deselected.
  void SetViewLayer(int layer, bool visible);
  // Opens the help page of a dialog's topic number.
  void openHelp(int topic);
  // Editing: the capture and rubber-band buttons, the selector panel.
  void SB_FangMouseDown();
  void SB_GummibandMouseDown();
  void TB_SelectorClick();
  void TB_DRCClick();
  // The component list panel and its export.
  void TB_BauteileClick();
  // The general settings, opened on the page of the menu item.
  void Grundeinstellungen1Click();
  void Arbeitsverzeichnisse1Click();
  void Autospeichern1Click();
  // The macro panel and "Save as macro...".
  void TB_MakroClick();
  void Makrospeichern1Click();
  // Shows or hides the properties panel.
  void Eigenschaften1Click();
  // The Excellon export and the drill list of the active board.
  void Bohrdaten1Click();
  void BohrungenAuflisten1Click();
  // Isolation milling as HPGL files, and the overlay of the computed paths.
  void UmrissHPGLplt1Click();
  void SB_UmrisseEntfernenClick();
  void SB_UmrissHaarlinieClick();
  // The picture export of the active board.
  void N1Click();
  void GIFExport1Click();
  void JPGjpg1Click();
  void EMFExport1Click();
  void SVGExport1Click();
  // Printing the active board and the printer setup.
  void SB_PrintClick();
  void Druckereinrichten1Click();
  // The scanned copies behind the active board.
  void Vorlage1Click();
  const TemplatePictures& templatePictures() const { return templates_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  using Handler = void (MainWindow::*)();

  void createCommands();
  void createMenus();
  void runEditorCommand(CommandId id);
  // Display settings a command may have switched: transparency, grid display, unit.
  void showDisplaySettings();
  void createCentralArea();
  void createDialogs();
  void createDrillDialogs();
  void createMillingControls();
  // Where the milling file dialog starts.
  std::string millingFolder() const;
  void createGerberImportDialog();
  void createOptionsDialog();
  void createImageDialogs();
  void createPrintDialog();
  // The scanned-copy dialog and the status-bar buttons of the scanned copy.
  void createTemplateControls();
  // A board became the active one: its scanned copies are read from their files.
  void loadActiveTemplates();
  // The "Exclusive" and "Hide" buttons are there while the active side has a scanned copy.
  void showTemplateButtons();
  void exportImage(ImageFormat format);
  void createFileCommands();
  void createViewControls();
  void createStatusControls();
  void fillRasterPopup();
  QAction* action(const char* name) const;
  void endOfStartUp();
  void writeSettings();
  std::string layoutFolder() const;
  std::string textIoFolder() const;
  // The layout's name with `suffix` for its own, offered for an output file; empty while the
  // layout has no file.
  std::string outputPreset(const std::string& suffix) const;
  // An output file written atomically; a failure is reported.
  void writeOutputFile(const std::string& path, const std::string& bytes);
  // Save; whether the document was written completely.
  bool saveDocumentCommand();
  void openLayout(const std::string& path, OpenedFrom from);
  void showRecentFiles();

  // Shows the document after its active board may have changed: the board's scanned copies
  // are loaded anew, then the tabs, active board, layer buttons and window title are shown.
  void showDocument();
  // The same while the active board stays the one it was.
  void showBoards();
  void showActiveBoard();
  void zoomToFitBoard();
  LengthUnit lengthUnit() const;
  void showGrid();
  void setGrid(std::int32_t code);
  void gridDisplayChanged();
  void showCoordinates(DPoint world);
  void updateTitle();
  void moveBoard(bool (*command)(Document&));
  void setActiveLayer(int layer);
  // The board the new-board dialog asked for, added to the document and made active.
  void addBoardFromDialog();
  bool originAtTop() const;
  // The tool machine with the tool column, the size column, the selector and the key labels.
  void createEditor();
  void createToolColumn();
  void createDrawingModes(QToolBar* column);
  void createSizeColumn();
  void createSelector();
  void createComponentList();
  void exportComponentData();
  void createDrcPanel();
  void createAutorouterPanel();
  void showAutorouter();
  void routeAllClick();
  void createPropertiesPanel();
  void createMacroPanel();
  // The macro tree of the library folder in the settings.
  void showMacroLibrary();
  // The general settings on `page`; OK applies what changed.
  void openOptions(OptionsPage page);
  // The colour scheme the window draws with.
  void showScheme(const ColourScheme& scheme);
  // Writes a modified macro back and keeps the selected macro for the settings.
  void storeMacroPanel();
  // The properties panel shows the selection (or the board) anew, when it is shown.
  void showProperties();
  // Applies a field of the properties panel: one undo step per typing, wheel or slider gesture.
  void changeProperty(Property field, const PropertyInput& input);
  // After anything the machine did: tool buttons, undo buttons, grid, help line.
  void showEditorState();
  void showGroundPlaneControls();
  // The photo view's options panel, shown while the machine has the view open.
  void createPhotoViewPanel();
  void showPhotoView();
  // The selection changed: the size column follows it.
  void selectionChanged();
  void showSizes();
  // Objects may have changed, come or gone: the selector lists anew, the size column follows.
  void objectsChanged();
  // Applies a size column change to the selection, as one undo step when it has objects of
  // the field's kind.
  void changeSizes(SizeField kindField, const std::function<bool(ObjectList&)>& change);
  void showHelpLine();
  void showModifierKeys(bool shift, bool ctrl);
  // The lower-left panel with the crosshair's delta values while its box is switched off.
  void createCoordinatesPanel();
  void showCoordinatesPanel();

  AppStart start_;
  std::unique_ptr<QSplashScreen> splash_;
  std::unique_ptr<Host> ownHost_;
  Host* host_;
  Document doc_;
  ColourScheme scheme_;
  RenderOptions renderOptions_;
  std::map<std::string, QAction*> actions_;
  std::array<std::function<void()>, kCommandCount> handlers_;
  QMenu* fileMenu_ = nullptr;
  QMenu* boardPopup_ = nullptr;
  QTabBar* tabs_ = nullptr;
  BoardView* view_ = nullptr;
  BoardNavigator* navigator_ = nullptr;
  QToolButton* gridButton_ = nullptr;
  QMenu* rasterPopup_ = nullptr;
  QMenu* drawingPopup_ = nullptr;
  QLabel* coordinateX_ = nullptr;
  QLabel* coordinateY_ = nullptr;
  LayerBar* layers_ = nullptr;
  QLabel* helpLine_ = nullptr;
  TNeuDlg* newBoardDlg_ = nullptr;
  TProjectInfoDlg* projectInfoDlg_ = nullptr;
  TGerberDlg* gerberDlg_ = nullptr;
  TGerberImport_Dlg* gerberImportDlg_ = nullptr;
  TLanguageDlg* languageDlg_ = nullptr;
  TRasterDlg* rasterDlg_ = nullptr;
  TRasterHotkeysDlg* rasterHotkeysDlg_ = nullptr;
  TLochDlg* lochDlg_ = nullptr;
  TBohrInfoDlg* bohrInfoDlg_ = nullptr;
  TUmrissDlg* umrissDlg_ = nullptr;
  QToolBar* millingPanel_ = nullptr;
  QToolButton* hairlineButton_ = nullptr;
  TExportDlg* exportDlg_ = nullptr;
  TPrint_Dlg* printDlg_ = nullptr;
  TVorlageDlg* vorlageDlg_ = nullptr;
  TemplatePictures templates_;  // the active board's scanned copies
  QToolButton* exclusiveButton_ = nullptr;
  QToolButton* hideButton_ = nullptr;
  FileChoosers choosers_;
  std::string textIoLastFolder_;  // where the last Text-IO file was chosen
  QTimer* autoSaveTimer_ = nullptr;
  std::vector<QAction*> recentActions_;
  std::unique_ptr<WindowEditor> editorHost_;
  std::unique_ptr<Editor> editor_;
  std::unique_ptr<ToolMachine> machine_;
  QActionGroup* toolButtons_ = nullptr;
  SizeColumn* sizeColumn_ = nullptr;
  TSelector* selector_ = nullptr;
  TBTList* componentList_ = nullptr;
  TBT_ExportDlg* componentExportDlg_ = nullptr;
  TOptionsDlg* optionsDlg_ = nullptr;
  TMakroPanel* macroPanel_ = nullptr;
  MacroPanel macroState_;
  TDRC_Dlg* drc_ = nullptr;
  TAutoRouter* autorouter_ = nullptr;
  RouteInputGuard* routeGuard_ = nullptr;
  TEigenschaftenDlg* properties_ = nullptr;
  TRealAnsichtDlg* photoPanel_ = nullptr;
  QLabel* shiftKey_ = nullptr;
  QLabel* shiftText_ = nullptr;
  QLabel* ctrlKey_ = nullptr;
  QLabel* ctrlText_ = nullptr;
  QWidget* extraCoordinates_ = nullptr;
  std::array<QLabel*, 3> extraCaptions_{};
  std::array<QLabel*, 3> extraValues_{};
  QLabel* bendMode_ = nullptr;  // the bend mode of tracks and zones, "[1/5]"
  bool halfGrid_ = false;       // Shift alone is held: the tools snap to half the grid
};

}  // namespace pravelo
