#include "ui/text_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/text_dialog_texts.h"

namespace pravelo {

namespace {

QRadioButton* radio(const char* name, const Text& caption, QWidget* parent) {
  auto* button = new QRadioButton(qtr(caption), parent);
  button->setObjectName(name);
  return button;
}

QGroupBox* group(const char* name, const Text& title, QWidget* parent) {
  auto* box = new QGroupBox(qtr(title), parent);
  box->setObjectName(name);
  return box;
}

// Three exclusive choices in a group box, stacked.
QGroupBox* choiceGroup(const char* name, const Text& title, std::array<QRadioButton*, 3>& buttons,
                       const std::array<std::pair<const char*, const Text*>, 3>& choices,
                       QWidget* parent) {
  QGroupBox* box = group(name, title, parent);
  auto* layout = new QVBoxLayout(box);
  for (std::size_t i = 0; i < 3; ++i) {
    buttons[i] = radio(choices[i].first, *choices[i].second, box);
    layout->addWidget(buttons[i]);
  }
  return box;
}

int checkedIndex(const std::array<QRadioButton*, 3>& buttons) {
  for (int i = 0; i < 3; ++i) {
    if (buttons[static_cast<std::size_t>(i)]->isChecked()) return i;
  }
  return 1;
}

}  // namespace

TLinienText::TLinienText(QWidget* parent)
    : QDialog(parent),
      text_(new QLineEdit(this)),
      height_(new QDoubleSpinBox(this)),
      rotation_(new QSpinBox(this)),
      mirrorHorizontal_(new QCheckBox(qtr(texts::textMirrorHorizontal), this)),
      mirrorVertical_(new QCheckBox(qtr(texts::textMirrorVertical), this)),
      addNumber_(new QCheckBox(qtr(texts::textAddNumber), this)),
      start_(new QSpinBox(this)) {
  setObjectName("TLinienText");
  setWindowTitle(qtr(texts::textDialogCaption));

  text_->setObjectName("E_Text");
  height_->setObjectName("SE_Hoehe");
  height_->setLocale(QLocale::c());
  height_->setDecimals(3);
  height_->setSingleStep(0.1);
  height_->setRange(kMinTextHeightMm, kMaxTextHeightMm);
  connect(height_, &QDoubleSpinBox::editingFinished, this, &TLinienText::heightLeft);
  auto* fields = new QFormLayout;
  fields->addRow(qtr(texts::textContentLabel), text_);
  fields->addRow(qtr(texts::textHeightLabel), height_);

  QGroupBox* thickness = choiceGroup("GB_Strichbreite", texts::textThicknessGroup, thickness_,
                                     {{{"RB_Duenn", &texts::textThin},
                                       {"RB_Normal", &texts::textNormalThickness},
                                       {"RB_Fett", &texts::textBold}}},
                                     this);
  QGroupBox* style = choiceGroup("GB_Stil", texts::textStyleGroup, style_,
                                 {{{"RB_Schmal", &texts::textNarrow},
                                   {"RB_Mittel", &texts::textNormalStyle},
                                   {"RB_Breit", &texts::textWide}}},
                                 this);

  QGroupBox* orientation = group("GB_Ausrichtung", texts::textOrientationGroup, this);
  rotation_->setObjectName("E_Winkel");
  rotation_->setRange(0, 359);
  rotation_->setSuffix(QString::fromUtf8("\xC2\xB0"));
  auto* quick = new QHBoxLayout;
  for (int angle : {0, 90, 180, 270}) {
    auto* button = new QPushButton(QString::number(angle) + QString::fromUtf8("\xC2\xB0"), this);
    button->setObjectName(QString("SB_%1").arg(angle));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, angle] { rotation_->setValue(angle); });
    quick->addWidget(button);
  }
  auto* orientationLayout = new QVBoxLayout(orientation);
  orientationLayout->addWidget(rotation_);
  orientationLayout->addLayout(quick);

  QGroupBox* mirror = group("GB_Spiegeln", texts::textMirrorGroup, this);
  mirrorHorizontal_->setObjectName("CB_Horizontal");
  mirrorVertical_->setObjectName("CB_Vertikal");
  auto* mirrorLayout = new QVBoxLayout(mirror);
  mirrorLayout->addWidget(mirrorHorizontal_);
  mirrorLayout->addWidget(mirrorVertical_);

  QGroupBox* automatic = group("GB_Automatisch", texts::textAutomaticGroup, this);
  addNumber_->setObjectName("CB_Nummer");
  start_->setObjectName("E_Start");
  start_->setRange(0, kMaxStartNumber);
  auto* startLabel = new QLabel(qtr(texts::textStartAt), this);
  startLabel->setObjectName("L_Start");
  auto* automaticLayout = new QHBoxLayout(automatic);
  automaticLayout->addWidget(addNumber_);
  automaticLayout->addWidget(startLabel);
  automaticLayout->addWidget(start_);

  QDialogButtonBox* buttons = dialogButtons(this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  // Enter in the height field confirms the dialog.
  findChild<QPushButton*>("B_OK")->setDefault(true);

  auto* choices = new QHBoxLayout;
  choices->addWidget(thickness);
  choices->addWidget(style);
  choices->addWidget(mirror);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(choices);
  layout->addWidget(orientation);
  layout->addWidget(automatic);
  layout->addWidget(buttons);
}

std::optional<TextDialogValues> TLinienText::execute(const TextDialogValues& values) {
  fill(values);
  text_->selectAll();
  text_->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return read();
}

void TLinienText::fill(const TextDialogValues& values) {
  shown_ = values;
  text_->setText(fromStored(values.text));
  height_->setValue(values.heightMm);
  heightAsShown_ = height_->value();
  thickness_[static_cast<std::size_t>(std::clamp(values.thickness, 0, 2))]->setChecked(true);
  rotation_->setValue(values.rotation);
  style_[static_cast<std::size_t>(std::clamp(values.style, 0, 2))]->setChecked(true);
  mirrorHorizontal_->setChecked(values.mirrorHorizontal);
  mirrorVertical_->setChecked(values.mirrorVertical);
  addNumber_->setChecked(values.addNumber);
  start_->setValue(values.startNumber);
}

TextDialogValues TLinienText::read() const {
  TextDialogValues v = shown_;
  v.text = toStored(text_->text());
  // The field rounds to its decimals; an untouched height keeps all of its digits.
  if (height_->value() != heightAsShown_) v.heightMm = height_->value();
  v.thickness = thickness();
  v.rotation = rotation_->value();
  v.style = checkedIndex(style_);
  v.mirrorHorizontal = mirrorHorizontal_->isChecked();
  v.mirrorVertical = mirrorVertical_->isChecked();
  v.addNumber = addNumber_->isChecked();
  v.startNumber = start_->value();
  return v;
}

int TLinienText::thickness() const { return checkedIndex(thickness_); }

void TLinienText::heightLeft() {
  if (shown_.limitHeight) height_->setValue(limitedTextHeight(height_->value(), thickness()));
}

std::optional<TextDialogValues> runTextDialog(QWidget* parent, const TextDialogValues& initial) {
  TLinienText dialog(parent);
  return dialog.execute(initial);
}

}  // namespace pravelo
