#include "ui/export_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "document/document_texts.h"
#include "manufacturing/image_texts.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

QLabel* figureLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

const Text& exportCaption(ImageFormat format) {
  switch (format) {
    case ImageFormat::Gif:
      return texts::imageCaptionGif;
    case ImageFormat::Jpeg:
      return texts::imageCaptionJpeg;
    default:
      return texts::imageCaptionBitmap;
  }
}

// Help topics of the bitmap, GIF and JPEG pages.
int exportHelpTopic(ImageFormat format) {
  return format == ImageFormat::Gif ? 42 : format == ImageFormat::Jpeg ? 43 : 41;
}

}  // namespace

TExportDlg::TExportDlg(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("TExportDlg");
  auto* resolution = new QGroupBox(qtr(texts::imageResolutionGroup), this);
  resolution->setObjectName("GB_Aufloesung");
  size_ = figureLabel("L_Groesse", resolution);
  pixels_ = figureLabel("L_Pixel", resolution);
  resolution_ = figureLabel("L_Aufloesung", resolution);
  memory_ = figureLabel("L_Speicher", resolution);
  step_ = new QSlider(Qt::Horizontal, resolution);
  step_->setObjectName("TrackBar1");
  step_->setRange(kMinImageStep, kMaxImageStep);
  step_->setPageStep(1);
  step_->setTickPosition(QSlider::TicksBelow);
  auto* figures = new QFormLayout;
  figures->addRow(qtr(texts::imageSizeLabel), size_);
  figures->addRow(qtr(texts::imagePixelsLabel), pixels_);
  figures->addRow(qtr(texts::imageResolutionLabel), resolution_);
  figures->addRow(qtr(texts::imageMemoryLabel), memory_);
  auto* slider = new QHBoxLayout;
  slider->addWidget(new QLabel(qtr(texts::imageLow), resolution));
  slider->addWidget(step_, 1);
  slider->addWidget(new QLabel(qtr(texts::imageHigh), resolution));
  auto* resolutionLayout = new QVBoxLayout(resolution);
  resolutionLayout->addLayout(figures);
  resolutionLayout->addLayout(slider);

  auto* format = new QGroupBox(qtr(texts::imageFormatGroup), this);
  format->setObjectName("GB_Format");
  colour_ = new QRadioButton(qtr(texts::imageColoured), format);
  colour_->setObjectName("RB_Farbig");
  blackWhite_ = new QRadioButton(qtr(texts::imageBlackWhite), format);
  blackWhite_->setObjectName("RB_SW");
  auto* formatLayout = new QHBoxLayout(format);
  formatLayout->addWidget(colour_);
  formatLayout->addWidget(blackWhite_);

  auto* buttons = dialogButtons(this, true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(resolution);
  layout->addWidget(format);
  layout->addWidget(buttons);
  connect(step_, &QSlider::valueChanged, this, &TExportDlg::refresh);
  connect(colour_, &QRadioButton::toggled, this, &TExportDlg::refresh);
  connect(buttons, &QDialogButtonBox::accepted, this, &TExportDlg::confirm);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(exportHelpTopic(format_)); });
}

std::optional<ImageChoice> TExportDlg::execute(const BoardHeader& header,
                                               const ImageChoice& choice) {
  header_ = header;
  format_ = choice.format;
  setWindowTitle(qtr(exportCaption(format_)));
  step_->setValue(std::clamp(choice.step, kMinImageStep, kMaxImageStep));
  (choice.colour ? colour_ : blackWhite_)->setChecked(true);
  refresh();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return this->choice();
}

ImageChoice TExportDlg::choice() const { return {format_, step_->value(), colour_->isChecked()}; }

void TExportDlg::refresh() {
  const ImageFigures figures = imageFigures(header_, step_->value(), colour_->isChecked());
  size_->setText(QString::fromStdString(figures.size));
  pixels_->setText(QString::fromStdString(figures.pixels));
  resolution_->setText(QString::fromStdString(figures.resolution));
  memory_->setText(QString::fromStdString(figures.memory));
}

// A large picture takes a while and much memory: the user agrees first, or stays here.
void TExportDlg::confirm() {
  const ImageChoice c = choice();
  if (imageMemoryKb(imagePixels(header_, c.step), c.colour) > kLargeBitmapKb &&
      host_.ask(pravelo::tr(texts::imageLargeBitmap), pravelo::tr(texts::productName),
                Buttons::YesNo, MessageIcon::Question) != Answer::Yes) {
    return;
  }
  accept();
}

}  // namespace pravelo
