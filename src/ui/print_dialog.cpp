#include "ui/print_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "document/document_texts.h"
#include "ui/custom_colour_dialog.h"
#include "ui/dialog_buttons.h"
#include "ui/print_dialog_texts.h"
#include "ui/print_painter.h"
#include "ui/print_preview.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {
namespace {

constexpr const char* kPrintLayerBoxes[] = {"CB_K1", "CB_B1", "CB_K2", "CB_B2",
                                            "CB_I1", "CB_I2", "CB_U"};
const Text* const kPrintLayerCaptions[] = {
    &texts::layerNameK1, &texts::layerNameB1, &texts::layerNameK2, &texts::layerNameB2,
    &texts::layerNameI1, &texts::layerNameI2, &texts::layerNameU};
constexpr const char* kPrintColourPanels[] = {"P_K1", "P_B1", "P_K2",  "P_B2",  "P_I1",
                                              "P_I2", "P_U",  "P_LS1", "P_LS2", "P_BP"};

// A small field in a layer's print colour; a click asks for another.
class PrintColourPanel : public QFrame {
 public:
  PrintColourPanel(const char* name, std::function<void()> clicked, QWidget* parent)
      : QFrame(parent), clicked_(std::move(clicked)) {
    setObjectName(name);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setFixedSize(24, 14);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent*) override { clicked_(); }

 private:
  std::function<void()> clicked_;
};

QCheckBox* printBox(const Text& caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(qtr(caption), parent);
  box->setObjectName(name);
  return box;
}

QRadioButton* printRadio(const Text& caption, const char* name, QWidget* parent) {
  auto* radio = new QRadioButton(qtr(caption), parent);
  radio->setObjectName(name);
  return radio;
}

bool chooseSystemPrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

TPrint_Dlg::TPrint_Dlg(Host& host, AppSettings& settings, std::filesystem::path settingsFolder,
                       QWidget* parent)
    : QDialog(parent),
      host_(host),
      settings_(settings),
      settingsFolder_(std::move(settingsFolder)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      chooser_(chooseSystemPrinter),
      chooseColour_([this](Rgb current, QWidget* owner) {
        return chooseColourWithCustomColours(owner, settingsFolder_, current);
      }) {
  setObjectName("TPrint_Dlg");
  applyPrintSettings(settings.print, options_);
  options_.drillTextInMil = settings.optionen.MIL;
  const auto colourPanel = [this](std::size_t slot, QWidget* box) {
    colourPanels_[slot] = new PrintColourPanel(
        kPrintColourPanels[slot], [this, slot] { chooseLayerColour(slot); }, box);
    showColour(slot);
    return colourPanels_[slot];
  };

  auto* layerGroup = new QGroupBox(qtr(texts::printLayerGroup), this);
  auto* layerGrid = new QGridLayout(layerGroup);
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    layers_[i] = new QCheckBox(qtr(*kPrintLayerCaptions[i]), layerGroup);
    layers_[i]->setObjectName(kPrintLayerBoxes[i]);
    const int row = static_cast<int>(i) % 4;
    const int column = static_cast<int>(i) / 4 * 2;
    layerGrid->addWidget(layers_[i], row, column);
    layerGrid->addWidget(colourPanel(i, layerGroup), row, column + 1);
  }
  arrangements_ = {printRadio(texts::printTop, "SB_Einzeln_1", layerGroup),
                   printRadio(texts::printBottom, "SB_Einzeln_2", layerGroup),
                   printRadio(texts::printBelow, "SB_Untereinander", layerGroup),
                   printRadio(texts::printBeside, "SB_Nebeneinander", layerGroup)};
  for (std::size_t i = 0; i < arrangements_.size(); ++i) {
    layerGrid->addWidget(arrangements_[i], 4 + static_cast<int>(i), 0, 1, 4);
  }
  mirrorSide2_ = printBox(texts::printMirrorSide2, "CB_UntenSpiegeln", layerGroup);
  layerGrid->addWidget(mirrorSide2_, 8, 0, 1, 4);

  auto* specialGroup = new QGroupBox(qtr(texts::printSpecialGroup), this);
  auto* specialLayout = new QGridLayout(specialGroup);
  mask1_ = printBox(texts::printMask1, "CB_LS1", specialGroup);
  mask2_ = printBox(texts::printMask2, "CB_LS2", specialGroup);
  drillPlan_ = printBox(texts::printDrillings, "CB_BP", specialGroup);
  int specialRow = 0;
  for (QCheckBox* box : {mask1_, mask2_, drillPlan_}) {
    specialLayout->addWidget(box, specialRow, 0);
    specialLayout->addWidget(colourPanel(layers_.size() + specialRow, specialGroup), specialRow, 1);
    ++specialRow;
  }

  auto* optionGroup = new QGroupBox(qtr(texts::printOptionsGroup), this);
  auto* optionLayout = new QVBoxLayout(optionGroup);
  mirror_ = printBox(texts::printMirror, "Spiegeln", optionGroup);
  targets_ = printBox(texts::printTargets, "Passkreuze", optionGroup);
  outline_ = printBox(texts::printOutline, "Rahmen", optionGroup);
  negative_ = printBox(texts::printNegative, "CB_Negativ", optionGroup);
  blackWhite_ = printBox(texts::printBlackWhite, "CB_SW", optionGroup);
  scannedCopy_ = printBox(texts::printScannedCopy, "CB_Vorlage", optionGroup);
  grid_ = printBox(texts::printGrid, "CB_Gitter", optionGroup);
  grid_->setChecked(settings.print.Gitter);
  infoLine_ = printBox(texts::printInfoLine, "CB_Infozeile", optionGroup);
  infoLine_->setChecked(settings.print.Infozeile);
  for (QCheckBox* box :
       {mirror_, targets_, outline_, scannedCopy_, negative_, grid_, infoLine_, blackWhite_}) {
    optionLayout->addWidget(box);
  }

  auto* scaleGroup = new QGroupBox(qtr(texts::printScalingGroup), this);
  auto* scaleLayout = new QGridLayout(scaleGroup);
  trueScale_ = printRadio(texts::printTrueScale, "S_1zu1", scaleGroup);
  freeScale_ = printRadio(texts::printFreeScale, "S_Frei", scaleGroup);
  scale_ = new QSlider(Qt::Horizontal, scaleGroup);
  scale_->setObjectName("S_Wert");
  scale_->setRange(2, 100);
  scale_->setValue(20);
  scaleLabel_ = new QLabel(scaleGroup);
  scaleLabel_->setObjectName("L_Scale");
  scaleLayout->addWidget(trueScale_, 0, 0);
  scaleLayout->addWidget(freeScale_, 1, 0);
  scaleLayout->addWidget(scaleLabel_, 1, 1);
  scaleLayout->addWidget(scale_, 2, 0, 1, 2);
  trueScale_->setChecked(true);

  auto* orientationGroup = new QGroupBox(qtr(texts::printOrientationGroup), this);
  auto* orientationLayout = new QHBoxLayout(orientationGroup);
  portrait_ = printRadio(texts::printPortrait, "RB_Hochformat", orientationGroup);
  landscape_ = printRadio(texts::printLandscape, "RB_Querformat", orientationGroup);
  orientationLayout->addWidget(portrait_);
  orientationLayout->addWidget(landscape_);

  auto* setup = new QPushButton(qtr(texts::printSetup), this);
  setup->setObjectName("SetupBtn");
  auto* calibrate = new QPushButton(qtr(texts::printCalibrate), this);
  calibrate->setObjectName("KorrekturBtn");
  auto* tiles = new QPushButton(qtr(texts::printTiles), this);
  tiles->setObjectName("KachelBtn");
  auto* options = new QPushButton(qtr(texts::printOptionsButton), this);
  options->setObjectName("B_Options");
  auto* centreButton = new QPushButton(qtr(texts::printCentre), this);
  centreButton->setObjectName("B_Zentrieren");
  auto* clipboard = new QPushButton(qtr(texts::printClipboard), this);
  clipboard->setObjectName("B_Clipboard");
  auto* printButton = new QPushButton(qtr(texts::printPrint), this);
  printButton->setObjectName("B_Print");
  auto* cancel = new QPushButton(qtr(texts::printCancel), this);
  cancel->setObjectName("CancelBtn");

  auto* column = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{
           layerGroup, specialGroup, options, optionGroup, scaleGroup, orientationGroup, setup,
           calibrate, tiles, centreButton, clipboard, printButton, cancel}) {
    column->addWidget(w);
  }
  column->addStretch();
  preview_ = new PrintPreview(this);
  preview_->setGrid(grid_->isChecked());
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(column);
  layout->addWidget(preview_, 1);

  for (QCheckBox* box : layers_) connect(box, &QCheckBox::toggled, this, &TPrint_Dlg::refresh);
  for (QRadioButton* r : arrangements_)
    connect(r, &QRadioButton::toggled, this, &TPrint_Dlg::refresh);
  for (QCheckBox* box : {mirrorSide2_, mask1_, mask2_, drillPlan_, mirror_, targets_, outline_,
                         negative_, blackWhite_, scannedCopy_}) {
    connect(box, &QCheckBox::toggled, this, &TPrint_Dlg::refresh);
  }
  connect(grid_, &QCheckBox::toggled, preview_, &PrintPreview::setGrid);
  connect(preview_, &PrintPreview::dragged, this, &TPrint_Dlg::drag);
  connect(setup, &QPushButton::clicked, this, &TPrint_Dlg::setupPrinter);
  for (QRadioButton* r : {trueScale_, freeScale_, portrait_, landscape_}) {
    connect(r, &QRadioButton::toggled, this, &TPrint_Dlg::refresh);
  }
  connect(scale_, &QSlider::valueChanged, this, &TPrint_Dlg::refresh);
  connect(calibrate, &QPushButton::clicked, this, &TPrint_Dlg::calibrate);
  connect(tiles, &QPushButton::clicked, this, &TPrint_Dlg::chooseTiles);
  connect(options, &QPushButton::clicked, this, &TPrint_Dlg::chooseOptions);
  connect(centreButton, &QPushButton::clicked, this, &TPrint_Dlg::centre);
  connect(clipboard, &QPushButton::clicked, this, &TPrint_Dlg::copyToClipboard);
  connect(printButton, &QPushButton::clicked, this, &TPrint_Dlg::print);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TPrint_Dlg::~TPrint_Dlg() = default;

void TPrint_Dlg::execute(const Board& board, const std::string& title, PrintTemplates templates) {
  board_ = &board;
  title_ = title;
  templates_ = std::move(templates);
  setWindowTitle(printer_->printerName().isEmpty() ? QStringLiteral("PDF")
                                                   : printer_->printerName());
  showBoard();
  exec();
  storeSettings();
  board_ = nullptr;
  templates_ = {};
}

void TPrint_Dlg::storeSettings() {
  storePrintSettings(options_, settings_.print);
  settings_.print.Gitter = grid_->isChecked();
  settings_.print.Infozeile = infoLine_->isChecked();
}

void TPrint_Dlg::showColour(std::size_t slot) {
  const Rgb c = options_.colours[slot];
  QPalette palette = colourPanels_[slot]->palette();
  palette.setColor(QPalette::Window, QColor(c.r, c.g, c.b));
  colourPanels_[slot]->setPalette(palette);
}

// "Black && White" prints every colour black; the colours cannot be chosen then.
void TPrint_Dlg::chooseLayerColour(std::size_t slot) {
  if (blackWhite_->isChecked()) return;
  const std::optional<Rgb> chosen = chooseColour_(options_.colours[slot], this);
  if (!chosen) return;
  options_.colours[slot] = *chosen;
  showColour(slot);
  refresh();
}

void TPrint_Dlg::drag(double dxMm, double dyMm) {
  options_.offsetXMm += dxMm;
  options_.offsetYMm += dyMm;
  refresh();
}

// Boxes of what the board lacks are off and disabled; a layout other than the last one printed
// starts with every box it allows.
void TPrint_Dlg::showBoard() {
  showing_ = true;
  const std::array<bool, 10> present = printableLayers(*board_);
  const bool fresh = title_ != lastTitle_;
  lastTitle_ = title_;
  QCheckBox* const boxes[] = {layers_[0], layers_[1], layers_[2], layers_[3], layers_[4],
                              layers_[5], layers_[6], mask1_,     mask2_,     drillPlan_};
  for (std::size_t i = 0; i < present.size(); ++i) {
    boxes[i]->setEnabled(present[i]);
    colourPanels_[i]->setVisible(present[i]);
    if (!present[i]) {
      boxes[i]->setChecked(false);
    } else if (fresh && i < layers_.size()) {
      boxes[i]->setChecked(true);
    }
  }
  if (!std::ranges::any_of(arrangements_, &QRadioButton::isChecked)) {
    arrangements_[0]->setChecked(true);
  }
  followPrinterOrientation();
  showing_ = false;
  refresh();
}

void TPrint_Dlg::followPrinterOrientation() {
  const bool landscape = printer_->pageLayout().orientation() == QPageLayout::Landscape;
  (landscape ? landscape_ : portrait_)->setChecked(true);
}

void TPrint_Dlg::readControls() {
  for (std::size_t i = 0; i < layers_.size(); ++i) options_.layers[i] = layers_[i]->isChecked();
  for (std::size_t i = 0; i < arrangements_.size(); ++i) {
    if (arrangements_[i]->isChecked()) options_.arrangement = static_cast<PrintArrangement>(i);
  }
  options_.mirrorSide2 = mirrorSide2_->isChecked();
  options_.solderMask1 = mask1_->isChecked();
  options_.solderMask2 = mask2_->isChecked();
  options_.drillPlan = drillPlan_->isChecked();
  options_.mirror = mirror_->isChecked();
  options_.targets = targets_->isChecked();
  options_.outline = outline_->isChecked();
  options_.negative = negative_->isChecked();
  options_.blackWhite = blackWhite_->isChecked();
  options_.scannedCopy = scannedCopy_->isChecked();
  // The free scale runs from 10 % to 500 % in steps of 5 %.
  options_.scale = trueScale_->isChecked() ? 1 : scale_->value() * 5 / 100.0;
  printer_->setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape
                                                       : QPageLayout::Portrait);
  const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Millimeter);
  options_.pageWidthMm = paper.width();
  options_.pageHeightMm = paper.height();
}

void TPrint_Dlg::refresh() {
  if (showing_ || !board_) return;
  readControls();
  const bool dual = options_.arrangement == PrintArrangement::BelowEachOther ||
                    options_.arrangement == PrintArrangement::SideBySide;
  mirrorSide2_->setVisible(dual);
  scale_->setEnabled(freeScale_->isChecked());
  scaleLabel_->setText(QString::number(scale_->value() * 5) + "%");
  preview_->show(composePrintPage(*board_, options_, templates_),
                 printer_->pageLayout().paintRect(QPageLayout::Millimeter));
}

void TPrint_Dlg::print() {
  if (!board_) return;
  readControls();
  printer_->setDocName(QString::fromStdString(title_));
  printer_->setFullPage(true);  // the page's origin is the sheet's corner, as in the preview
  if (!chooser_(*printer_, this)) return;
  QPainter painter;
  if (!painter.begin(printer_.get())) {
    host_.showMessage(pravelo::tr(texts::printNoPrinter), pravelo::tr(texts::productName),
                      MessageIcon::Warning);
    return;
  }
  const double dotsPerMm = printer_->resolution() / 25.4;
  painter.scale(dotsPerMm, dotsPerMm);
  PrintPage page = composePrintPage(*board_, options_, templates_);
  if (infoLine_->isChecked()) {
    addPrintInfoLine(page, title_, options_.scale,
                     QDateTime::currentDateTime().toString("dd.MM.yyyy hh:mm").toStdString());
  }
  paintPrintPage(painter, page);
  painter.end();
}

void TPrint_Dlg::centre() {
  const DPoint offset = centredPrintOffset(*board_, options_);
  options_.offsetXMm = offset.x;
  options_.offsetYMm = offset.y;
  refresh();
}

// The composition without the sheet at 300 dots per inch, covering the images of every tile.
void TPrint_Dlg::copyToClipboard() {
  constexpr double kClipboardDotsPerMm = 300 / 25.4;
  PrintOptions at = options_;
  at.offsetXMm = 0;
  at.offsetYMm = 0;
  const PrintPage page = composePrintPage(*board_, at, templates_);
  double right = 0;
  double bottom = 0;
  for (const PrintItem& item : page.items) {
    if (item.kind != PrintItem::Kind::ClipBegin) continue;
    for (const DPoint& p : item.shape.points) {
      right = std::max(right, p.x);
      bottom = std::max(bottom, p.y);
    }
  }
  QImage image(std::max(1, static_cast<int>(std::lround(right * kClipboardDotsPerMm))),
               std::max(1, static_cast<int>(std::lround(bottom * kClipboardDotsPerMm))),
               QImage::Format_RGB888);
  image.setDotsPerMeterX(static_cast<int>(std::lround(kClipboardDotsPerMm * 1000)));
  image.setDotsPerMeterY(image.dotsPerMeterX());
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(kClipboardDotsPerMm, kClipboardDotsPerMm);
  paintPrintPage(painter, page);
  painter.end();
  QGuiApplication::clipboard()->setImage(image);
  host_.showMessage(pravelo::tr(texts::printCopied), pravelo::tr(texts::productName),
                    MessageIcon::Information);
}

// Mask offsets and the drill plan's text height, in millimetres.
void TPrint_Dlg::chooseOptions() {
  QDialog dialog(this);
  dialog.setObjectName("TPrintOptionsDlg");
  dialog.setWindowTitle(qtr(texts::printOptionsCaption));
  const auto field = [&](const char* name, double low, double high, double step, int decimals,
                         double value) {
    auto* spin = new QDoubleSpinBox(&dialog);
    spin->setObjectName(name);
    spin->setLocale(QLocale::c());
    spin->setRange(low, high);
    spin->setSingleStep(step);
    spin->setDecimals(decimals);
    spin->setValue(value);
    return spin;
  };
  auto* pads = printBox(texts::printMaskPads, "CB_Pads", &dialog);
  auto* smd = printBox(texts::printMaskSmd, "CB_SMD", &dialog);
  auto* others = printBox(texts::printMaskOthers, "CB_Sonstige", &dialog);
  pads->setChecked(options_.maskPads);
  smd->setChecked(options_.maskSmdPads);
  others->setChecked(options_.maskOthers);
  auto* padOffset = field("SE_Pads", 0.01, 9.99, 0.01, 2, options_.maskOffsetPads / 10000.0);
  auto* smdOffset = field("SE_SMD", -9.99, 9.99, 0.01, 2, options_.maskOffsetSmdPads / 10000.0);
  auto* otherOffset =
      field("SE_Sonstige", 0.01, 9.99, 0.01, 2, options_.maskOffsetOthers / 10000.0);
  auto* textHeight = field("SE_Texthoehe", 0.1, 9.9, 0.1, 1, options_.drillTextHeight / 10000.0);
  for (auto [box, spin] :
       {std::pair{pads, padOffset}, std::pair{smd, smdOffset}, std::pair{others, otherOffset}}) {
    spin->setEnabled(box->isChecked());
    connect(box, &QCheckBox::toggled, spin, &QWidget::setEnabled);
  }
  auto* mask = new QGroupBox(qtr(texts::printMaskGroup), &dialog);
  auto* maskLayout = new QGridLayout(mask);
  maskLayout->addWidget(new QLabel(qtr(texts::printOffset), mask), 0, 1);
  maskLayout->addWidget(pads, 1, 0);
  maskLayout->addWidget(padOffset, 1, 1);
  maskLayout->addWidget(smd, 2, 0);
  maskLayout->addWidget(smdOffset, 2, 1);
  maskLayout->addWidget(others, 3, 0);
  maskLayout->addWidget(otherOffset, 3, 1);
  auto* drill = new QGroupBox(qtr(texts::printDrillGroup), &dialog);
  auto* drillLayout = new QFormLayout(drill);
  drillLayout->addRow(qtr(texts::printTextHeight), textHeight);
  auto* buttons = dialogButtons(&dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(mask);
  layout->addWidget(drill);
  layout->addWidget(buttons);
  if (dialog.exec() == QDialog::Accepted) {
    const auto units = [](QDoubleSpinBox* spin) {
      return static_cast<int>(std::lround(spin->value() * 10000));
    };
    options_.maskPads = pads->isChecked();
    options_.maskSmdPads = smd->isChecked();
    options_.maskOthers = others->isChecked();
    options_.maskOffsetPads = units(padOffset);
    options_.maskOffsetSmdPads = units(smdOffset);
    options_.maskOffsetOthers = units(otherOffset);
    options_.drillTextHeight = units(textHeight);
  }
  refresh();
}

void TPrint_Dlg::setupPrinter() {
  QPageSetupDialog dialog(printer_.get(), isVisible() ? this : parentWidget());
  dialog.setObjectName("QPageSetupDialog");
  if (dialog.exec() != QDialog::Accepted || !board_) return;
  followPrinterOrientation();
  refresh();
}

// The correction factors: both within 0.8 .. 1.2, or the dialog stays open.
void TPrint_Dlg::calibrate() {
  QDialog dialog(this);
  dialog.setObjectName("TKorrekturDlg");
  dialog.setWindowTitle(qtr(texts::printCalibrationCaption));
  auto* x = new QLineEdit(QString::number(options_.factorX), &dialog);
  x->setObjectName("E_X");
  auto* y = new QLineEdit(QString::number(options_.factorY), &dialog);
  y->setObjectName("E_Y");
  auto* form = new QFormLayout(&dialog);
  form->addRow(qtr(texts::printHorizontal), x);
  form->addRow(qtr(texts::printVertical), y);
  auto* buttons = dialogButtons(&dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    bool okX = false;
    bool okY = false;
    const double fx = x->text().replace(',', '.').toDouble(&okX);
    const double fy = y->text().replace(',', '.').toDouble(&okY);
    if (!okX || !okY || !validPrintFactor(fx) || !validPrintFactor(fy)) {
      host_.showMessage(pravelo::tr(texts::printBadFactor), pravelo::tr(texts::productName),
                        MessageIcon::Warning);
      return;
    }
    options_.factorX = fx;
    options_.factorY = fy;
    dialog.accept();
  });
  dialog.exec();
  refresh();
}

void TPrint_Dlg::chooseTiles() {
  QDialog dialog(this);
  dialog.setObjectName("TKachel_Dlg");
  dialog.setWindowTitle(qtr(texts::printTilesCaption));
  auto* columns = new QSpinBox(&dialog);
  columns->setObjectName("SE_X");
  columns->setRange(1, 20);
  columns->setValue(options_.tilesX);
  auto* rows = new QSpinBox(&dialog);
  rows->setObjectName("SE_Y");
  rows->setRange(1, 20);
  rows->setValue(options_.tilesY);
  auto* spacing = new QDoubleSpinBox(&dialog);
  spacing->setObjectName("SE_Abstand");
  spacing->setLocale(QLocale::c());
  spacing->setRange(0, 50);
  spacing->setSingleStep(0.1);
  spacing->setDecimals(1);
  spacing->setValue(options_.tileSpacing / 10000);
  auto* form = new QFormLayout(&dialog);
  form->addRow(qtr(texts::printTilesX), columns);
  form->addRow(qtr(texts::printTilesY), rows);
  form->addRow(qtr(texts::printTileSpacing), spacing);
  auto* buttons = dialogButtons(&dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  if (dialog.exec() == QDialog::Accepted) {
    options_.tilesX = columns->value();
    options_.tilesY = rows->value();
    options_.tileSpacing = spacing->value() * 10000;
  }
  refresh();
}

}  // namespace pravelo
