#include "ui/gerber_import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <iterator>

#include "document/object_list.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/gerber_read.h"
#include "manufacturing/import_error.h"
#include "ui/gerber_import_dialog_texts.h"
#include "ui/qt_text.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

// The Gerber rows in the dialog's order: field name, caption and the layer they fill.
struct ImportRow {
  const char* field;
  const Text* caption;
  std::uint8_t layer;
};
constexpr ImportRow kImportRows[] = {
    {"E_K1", &texts::gimportC1, kLayerC1}, {"E_B1", &texts::gimportS1, kLayerS1},
    {"E_K2", &texts::gimportC2, kLayerC2}, {"E_B2", &texts::gimportS2, kLayerS2},
    {"E_U", &texts::gimportO, kLayerO},    {"E_I1", &texts::gimportI1, kLayerI1},
    {"E_I2", &texts::gimportI2, kLayerI2}};
static_assert(std::size(kImportRows) == TGerberImport_Dlg::kDrillSlot);
constexpr int kImportPreviewWidth = 360;
constexpr int kImportPreviewHeight = 240;

template <class Widget>
Widget* importControl(const char* name, const Text& caption, QWidget* parent) {
  auto* w = new Widget(qtr(caption), parent);
  w->setObjectName(name);
  return w;
}

QPushButton* smallButton(const QString& text, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setFixedWidth(28);
  return b;
}

std::string importFieldText(const QLineEdit* field) {
  return field->text().trimmed().toStdString();
}

}  // namespace

TGerberImport_Dlg::TGerberImport_Dlg(Run run, QWidget* parent)
    : QDialog(parent),
      run_(std::move(run)),
      inch_(importControl<QRadioButton>("RB_Inch", texts::gimportInch, this)),
      mm_(importControl<QRadioButton>("RB_MM", texts::gimportMm, this)),
      integerDigits_(new QSpinBox(this)),
      decimalDigits_(new QSpinBox(this)),
      suppression_(new QComboBox(this)),
      formatExample_(new QLabel(this)),
      newBoard_(importControl<QRadioButton>("RB_NeuePlatine", texts::gimportNewBoard, this)),
      currentBoard_(
          importControl<QRadioButton>("RB_AktuellePlatine", texts::gimportCurrentBoard, this)),
      createVias_(importControl<QCheckBox>("CB_CreateVias", texts::gimportCreateVias, this)),
      optimize_(importControl<QCheckBox>("CB_OptimizeTracks", texts::gimportOptimize, this)),
      preview_(new QLabel(this)) {
  setObjectName("TGerberImport_Dlg");
  setWindowTitle(qtr(texts::importCaption));
  auto* files = new QGridLayout;
  const auto addRow = [&](int slot, int row, QWidget* caption, QGridLayout* grid) {
    files_[slot] = new QLineEdit(this);
    files_[slot]->setObjectName(slot == kDrillSlot ? "E_Drill" : kImportRows[slot].field);
    auto* choose = smallButton("...", QString("B_Choose%1").arg(slot), this);
    auto* clear = smallButton("x", QString("B_Clear%1").arg(slot), this);
    grid->addWidget(caption, row, 0);
    grid->addWidget(files_[slot], row, 1);
    grid->addWidget(choose, row, 2);
    grid->addWidget(clear, row, 3);
    connect(choose, &QPushButton::clicked, this, [this, slot] { chooseFile(slot); });
    connect(clear, &QPushButton::clicked, this, [this, slot] { setSlotFile(slot, ""); });
    connect(files_[slot], &QLineEdit::editingFinished, this,
            [this, slot] { setSlotFile(slot, importFieldText(files_[slot])); });
  };
  for (int slot = 0; slot < kDrillSlot; ++slot) {
    auto* caption = new QWidget(this);
    auto* captionLayout = new QHBoxLayout(caption);
    captionLayout->setContentsMargins(0, 0, 0, 0);
    swatches_[slot] = new QLabel(caption);
    swatches_[slot]->setFixedSize(14, 14);
    captionLayout->addWidget(swatches_[slot]);
    captionLayout->addWidget(new QLabel(qtr(*kImportRows[slot].caption), caption));
    addRow(slot, slot, caption, files);
  }
  auto* drillGroup = new QGroupBox(qtr(texts::gimportDrill), this);
  auto* drillGrid = new QGridLayout(drillGroup);
  addRow(kDrillSlot, 0, new QLabel(drillGroup), drillGrid);

  auto* unitGroup = new QGroupBox(qtr(texts::gimportUnit), this);
  auto* unitLayout = new QHBoxLayout(unitGroup);
  auto* autoUnit = importControl<QPushButton>("B_AutoEinheit", texts::gimportAuto, this);
  unitLayout->addWidget(inch_);
  unitLayout->addWidget(mm_);
  unitLayout->addWidget(autoUnit);
  inch_->setChecked(true);

  auto* formatGroup = new QGroupBox(qtr(texts::gimportNumberFormat), this);
  auto* formatLayout = new QFormLayout(formatGroup);
  integerDigits_->setObjectName("SE_VK");
  decimalDigits_->setObjectName("SE_NK");
  for (QSpinBox* digits : {integerDigits_, decimalDigits_}) digits->setRange(0, 9);
  integerDigits_->setValue(2);
  decimalDigits_->setValue(4);
  suppression_->setObjectName("CB_Suppression");
  for (const Text* t : {&texts::gimportSuppressionNone, &texts::gimportSuppressionLeading,
                        &texts::gimportSuppressionTrailing, &texts::gimportSuppressionDecimal}) {
    suppression_->addItem(qtr(*t));
  }
  auto* autoSuppression = importControl<QPushButton>("B_AutoSuppression", texts::gimportAuto, this);
  formatExample_->setObjectName("L_ZFormat");
  formatLayout->addRow(qtr(texts::gimportIntegerDigits), integerDigits_);
  formatLayout->addRow(qtr(texts::gimportDecimalDigits), decimalDigits_);
  formatLayout->addRow(suppression_, autoSuppression);
  formatLayout->addRow(formatExample_);

  auto* boardGroup = new QGroupBox(qtr(texts::gimportCreateBoard), this);
  auto* boardLayout = new QVBoxLayout(boardGroup);
  boardLayout->addWidget(newBoard_);
  boardLayout->addWidget(currentBoard_);
  newBoard_->setChecked(true);
  createVias_->setChecked(true);
  optimize_->setChecked(true);

  preview_->setObjectName("PB_Preview");
  preview_->setMinimumSize(kImportPreviewWidth, kImportPreviewHeight);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->installEventFilter(this);
  auto* clickHint = importControl<QLabel>("L_Click", texts::gimportClickToZoom, this);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(qtr(texts::gimportImport), QDialogButtonBox::AcceptRole)
      ->setObjectName("OKBtn");
  buttons->addButton(qtr(texts::gimportClose), QDialogButtonBox::RejectRole)
      ->setObjectName("CancelBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &TGerberImport_Dlg::import);
  connect(buttons, &QDialogButtonBox::rejected, this, &TGerberImport_Dlg::reject);

  auto* options = new QVBoxLayout;
  options->addWidget(unitGroup);
  options->addWidget(formatGroup);
  options->addWidget(boardGroup);
  options->addWidget(createVias_);
  options->addWidget(optimize_);
  auto* right = new QVBoxLayout;
  right->addWidget(preview_, 1);
  right->addWidget(clickHint);
  auto* middle = new QHBoxLayout;
  middle->addLayout(options);
  middle->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(files);
  layout->addWidget(drillGroup);
  layout->addLayout(middle, 1);
  layout->addWidget(buttons);

  connect(autoUnit, &QPushButton::clicked, this, [this] { detectUnit(); });
  connect(autoSuppression, &QPushButton::clicked, this, [this] { detectSuppression(false); });
  for (QRadioButton* unit : {inch_, mm_}) {
    connect(unit, &QRadioButton::toggled, this, [this](bool on) {
      if (on) drillFormatChanged();
    });
  }
  for (QSpinBox* digits : {integerDigits_, decimalDigits_}) {
    connect(digits, &QSpinBox::valueChanged, this, [this] { drillFormatChanged(); });
  }
  connect(suppression_, &QComboBox::currentIndexChanged, this, [this] { drillFormatChanged(); });
  showFormatExample();
}

void TGerberImport_Dlg::execute(const ColourScheme& scheme) {
  scheme_ = scheme;
  for (int slot = 0; slot < kDrillSlot; ++slot) {
    const Rgb c = scheme.layer(kImportRows[slot].layer);
    swatches_[slot]->setStyleSheet(
        QString("background-color: rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b));
  }
  redrawPreview();
  exec();
}

ExcellonReadSettings TGerberImport_Dlg::drillSettings() const {
  ExcellonReadSettings s;
  s.inch = inch_->isChecked();
  s.integerDigits = integerDigits_->value();
  s.decimalDigits = decimalDigits_->value();
  s.suppression = static_cast<ZeroSuppression>(std::max(0, suppression_->currentIndex()));
  return s;
}

GerberImportRequest TGerberImport_Dlg::request() const {
  GerberImportRequest r;
  for (int slot = 0; slot < kDrillSlot; ++slot) {
    r.gerberFiles[kImportRows[slot].layer] = importFieldText(files_[slot]);
  }
  r.drillFile = importFieldText(files_[kDrillSlot]);
  r.drill = drillSettings();
  r.createVias = createVias_->isChecked();
  r.optimizeTracks = optimize_->isChecked();
  return r;
}

bool TGerberImport_Dlg::newBoard() const { return newBoard_->isChecked(); }

void TGerberImport_Dlg::setSlotFile(int slot, const std::string& path) {
  files_[slot]->setText(QString::fromStdString(path));
  if (slot == kDrillSlot) {
    readDrillSlot();
  } else {
    readSlot(slot);
  }
  redrawPreview();
}

// A slot that cannot be read shows nothing; the message waits for "Import...".
void TGerberImport_Dlg::readSlot(int slot) {
  slots_[slot].clear();
  const std::string path = importFieldText(files_[slot]);
  if (!path.empty()) {
    readGerberFile(path, kImportRows[slot].layer, {}, slots_[slot], currentLanguage());
  }
  files_[slot]->setStyleSheet(slots_[slot].empty() ? "color: grey" : "color: black");
}

void TGerberImport_Dlg::readDrillSlot() {
  hits_.clear();
  const std::string path = importFieldText(files_[kDrillSlot]);
  if (!path.empty()) {
    try {
      hits_ = readExcellon(importFileStart(path, kExcellonFileLimit), drillSettings());
    } catch (const ImportError&) {
      hits_.clear();
    }
  }
  files_[kDrillSlot]->setStyleSheet(hits_.empty() ? "color: grey" : "color: black");
}

void TGerberImport_Dlg::drillFormatChanged() {
  showFormatExample();
  if (reading_) return;
  readDrillSlot();
  redrawPreview();
}

void TGerberImport_Dlg::showFormatExample() {
  const ExcellonReadSettings s = drillSettings();
  integerDigits_->setEnabled(integerDigitsUsed(s.suppression));
  decimalDigits_->setEnabled(decimalDigitsUsed(s.suppression));
  formatExample_->setText(QString::fromStdString(zeroFormatExample(s)));
}

void TGerberImport_Dlg::detectUnit() {
  const std::string bytes =
      importFileStart(importFieldText(files_[kDrillSlot]), kExcellonFileLimit);
  if (bytes.empty()) return;
  (excellonIsMetric(bytes) ? mm_ : inch_)->setChecked(true);
}

void TGerberImport_Dlg::detectSuppression(bool silent) {
  const std::string bytes =
      importFileStart(importFieldText(files_[kDrillSlot]), kExcellonFileLimit);
  if (bytes.empty()) return;
  const SuppressionGuess guess = detectZeroSuppression(bytes);
  suppression_->setCurrentIndex(static_cast<int>(guess.suppression));
  if (!guess.decided && !silent) {
    QMessageBox::information(this, qtr(texts::importCaption), qtr(texts::importNoSuppression));
  }
}

void TGerberImport_Dlg::chooseFile(int slot) {
  const bool drill = slot == kDrillSlot;
  const std::string before = importFieldText(files_[slot]);
  const bool inchBefore = inch_->isChecked();
  const int suppressionBefore = suppression_->currentIndex();
  // The Qt chooser, since the highlighted file is previewed while the chooser is open.
  QFileDialog chooser(this, qtr(texts::importCaption), QString::fromStdString(before),
                      qtr(drill ? texts::gimportDrillFilter : texts::gimportGerberFilter));
  chooser.setOption(QFileDialog::DontUseNativeDialog);
  chooser.setFileMode(QFileDialog::ExistingFile);
  const auto show = [this, slot, drill](const QString& path) {
    const std::string file = path.toStdString();
    if (!std::filesystem::is_regular_file(file)) return;
    if (drill) {
      files_[slot]->setText(path);
      reading_ = true;
      detectUnit();
      detectSuppression(true);
      reading_ = false;
    }
    setSlotFile(slot, file);
  };
  connect(&chooser, &QFileDialog::currentChanged, this, show);
  if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) {
    show(chooser.selectedFiles().front());
    return;
  }
  reading_ = true;
  (inchBefore ? inch_ : mm_)->setChecked(true);
  suppression_->setCurrentIndex(suppressionBefore);
  reading_ = false;
  setSlotFile(slot, before);
}

void TGerberImport_Dlg::redrawPreview() {
  Board board;
  board.header = newBoardHeader(1600000, 1000000);
  board.header.layerVisible.fill(1);
  ImportedData shown;
  for (const ObjectList& slot : slots_) copyObjectList(objectPointers(slot), shown.objects);
  drillHits(shown.objects, hits_, createVias_->isChecked());
  shown.innerLayers = true;
  placeImport(board, std::move(shown));
  const int width = std::max(preview_->width(), kImportPreviewWidth);
  const int height = std::max(preview_->height(), kImportPreviewHeight);
  ViewTransform view;
  view.zoom = std::min(double(width) / board.header.width, double(height) / board.header.height);
  RenderOptions options;
  options.showGrid = false;
  options.showOrigin = false;
  options.clipToView = false;
  const Frame frame = renderBoard(board, view, scheme_, options, width, height);
  preview_->setPixmap(QPixmap::fromImage(QImage(frame.pixels.data(), frame.width, frame.height,
                                                frame.width * 4, QImage::Format_RGBA8888)
                                             .copy()));
}

void TGerberImport_Dlg::import() {
  if (run_(request(), newBoard()) == ImportOutcome::Imported) {
    if (isMaximized()) showNormal();
    accept();
  }
}

bool TGerberImport_Dlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == preview_ && event->type() == QEvent::MouseButtonRelease) {
    showMaximized();
    redrawPreview();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

// Closing a maximised dialog first only brings it back to its size.
void TGerberImport_Dlg::reject() {
  if (isMaximized()) {
    showNormal();
    redrawPreview();
    return;
  }
  QDialog::reject();
}

}  // namespace pravelo
