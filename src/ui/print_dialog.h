#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "base/host.h"
#include "manufacturing/print_layout.h"
#include "settings/settings.h"

class QCheckBox;
class QLabel;
class QPrinter;
class QRadioButton;
class QSlider;

namespace pravelo {

// The sheet with the composed page, scaled to fit with 20-pixel margins.
class PrintPreview : public QWidget {
  Q_OBJECT

 public:
  explicit PrintPreview(QWidget* parent = nullptr);
  void show(PrintPage page);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PrintPage page_;
};

// The print dialog: layers, arrangement, options, scale, calibration, tiles and orientation on
// the left, the preview of the sheet beside them. Keeps its choices while the program runs.
class TPrint_Dlg : public QDialog {
  Q_OBJECT

 public:
  TPrint_Dlg(Host& host, AppSettings& settings, QWidget* parent = nullptr);
  ~TPrint_Dlg() override;

  // Where the page goes: the platform's print dialog (printer or PDF file) by default; false
  // when the user cancels. Tests put their own in its place.
  using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;
  void setPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }

  // Shows the dialog for `board`; `title` is the layout's file name and the board's name.
  void execute(const Board& board, const std::string& title);
  // "Printer setup": the page setup of the printer the dialog prints on.
  void setupPrinter();

  const PrintOptions& options() const { return options_; }
  // "&Print": the composed page on the chosen printer.
  void print();

 private:
  void showBoard();
  // The mask offsets, the drill plan's text height and the info line go back to the settings.
  void storeSettings();
  void readControls();
  void refresh();
  void calibrate();
  void chooseTiles();
  void chooseOptions();
  void centre();
  void copyToClipboard();

  Host& host_;
  AppSettings& settings_;
  const Board* board_ = nullptr;
  std::string title_;
  std::string lastTitle_;
  PrintOptions options_;
  std::unique_ptr<QPrinter> printer_;
  PrinterChooser chooser_;
  bool showing_ = false;
  std::array<QCheckBox*, 7> layers_{};
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
