#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/host.h"
#include "manufacturing/print_layout.h"
#include "settings/settings.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPrinter;
class QRadioButton;
class QSlider;

namespace pravelo {

class PrintPreview;

// The print dialog: layers, arrangement, options, scale, calibration, tiles and orientation on
// the left, the preview of the sheet beside them. Keeps its choices while the program runs.
class TPrint_Dlg : public QDialog {
  Q_OBJECT

 public:
  // The custom colours of the colour chooser live in `settingsFolder`.
  TPrint_Dlg(Host& host, AppSettings& settings, std::filesystem::path settingsFolder,
             QWidget* parent = nullptr);
  ~TPrint_Dlg() override;

  // Where the page goes: the platform's print dialog (printer or PDF file) by default; false
  // when the user cancels. Tests put their own in its place.
  using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;
  void setPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }
  // A layer's colour: the colour chooser with the custom colours by default; nothing when the
  // user cancels. Tests put their own in its place.
  using ColourChooser = std::function<std::optional<Rgb>(Rgb current, QWidget* parent)>;
  void setColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }

  // Shows the dialog for `board`; `title` is the layout's file name and the board's name;
  // `templates` are the board's scanned copies, printed with "Scanned copy".
  void execute(const Board& board, const std::string& title, PrintTemplates templates = {});
  // "Printer setup" and "&Setup...": the page setup of the printer the dialog prints on; the
  // orientation buttons follow it.
  void setupPrinter();

  const PrintOptions& options() const { return options_; }
  // "&Print": the composed page on the chosen printer.
  void print();

 private:
  void showBoard();
  // The colours, the mask offsets, the drill plan's text height, the grid and the info line go
  // back to the settings.
  void storeSettings();
  void followPrinterOrientation();
  void chooseLayerColour(std::size_t slot);
  void showColour(std::size_t slot);
  void drag(double dxMm, double dyMm);
  void readControls();
  void refresh();
  void calibrate();
  void chooseTiles();
  void chooseOptions();
  void centre();
  void copyToClipboard();

  Host& host_;
  AppSettings& settings_;
  std::filesystem::path settingsFolder_;
  const Board* board_ = nullptr;
  PrintTemplates templates_;
  std::string title_;
  std::string lastTitle_;
  PrintOptions options_;
  std::unique_ptr<QPrinter> printer_;
  PrinterChooser chooser_;
  ColourChooser chooseColour_;
  bool showing_ = false;
  std::array<QCheckBox*, 7> layers_{};
  // C1 .. O, solder mask 1 and 2, drill plan: beside their boxes, shown while a box is enabled.
  std::array<QFrame*, 10> colourPanels_{};
  std::array<QRadioButton*, 4> arrangements_{};
  QCheckBox* mirrorSide2_;
  QCheckBox* mask1_;
  QCheckBox* mask2_;
  QCheckBox* drillPlan_;
  QCheckBox* mirror_;
  QCheckBox* targets_;
  QCheckBox* outline_;
  QCheckBox* negative_;
  QCheckBox* blackWhite_;
  QCheckBox* scannedCopy_;
  QCheckBox* grid_;
  QCheckBox* infoLine_;
  QRadioButton* trueScale_;
  QRadioButton* freeScale_;
  QSlider* scale_;
  QLabel* scaleLabel_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
  PrintPreview* preview_;
};

}  // namespace pravelo
