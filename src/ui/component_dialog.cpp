#include "ui/component_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/text_dialog_values.h"
#include "ui/component_dialog_texts.h"
#include "ui/dialog_buttons.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

const QColor kTint(166, 202, 240);

QComboBox* choiceBox(const char* name, std::initializer_list<const Text*> items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const Text* item : items) box->addItem(qtr(*item));
  return box;
}

QDoubleSpinBox* numberField(const char* name, double low, double high, QWidget* parent) {
  auto* field = new QDoubleSpinBox(parent);
  field->setObjectName(name);
  field->setLocale(QLocale::c());
  field->setDecimals(1);
  field->setRange(low, high);
  field->setSingleStep(0.1);
  return field;
}

QLineEdit* textField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(static_cast<int>(kMaxComponentTextBytes));
  return field;
}

void setTinted(QWidget* w, bool tinted) {
  w->setStyleSheet(tinted ? QString("background-color: %1").arg(kTint.name()) : QString());
}

}  // namespace

QComboBox* TBezWertDlg::layerBox(const char* name, const ColourScheme& scheme) {
  static const Text* const kNames[] = {&texts::layerNameK1, &texts::layerNameB1,
                                       &texts::layerNameK2, &texts::layerNameB2,
                                       &texts::layerNameU};
  auto* box = new QComboBox(this);
  box->setObjectName(name);
  for (int i = 0; i < static_cast<int>(std::size(kLabelLayerEntries)); ++i) {
    QPixmap swatch(16, 12);
    const Rgb c = scheme.layer(kLabelLayerEntries[i]);
    swatch.fill(QColor(c.r, c.g, c.b));
    QString caption = qtr(*kNames[i]);
    if (caption.size() < 2) caption += ' ';
    box->addItem(QIcon(swatch), caption + "=");
  }
  return box;
}

TBezWertDlg::TBezWertDlg(ComponentSession& session, const ColourScheme& scheme, bool mil,
                         QWidget* parent)
    : QDialog(parent),
      session_(session),
      id_(textField("E_Bez", this)),
      idLayer_(layerBox("CB_Layer_Bez", scheme)),
      idVisible_(new QCheckBox(qtr(texts::componentVisible), this)),
      value_(textField("E_Wert", this)),
      valueLayer_(layerBox("CB_Layer_Wert", scheme)),
      valueVisible_(new QCheckBox(qtr(texts::componentVisible), this)),
      height_(new TPvbSpinEdit(this)),
      style_(choiceBox("CB_TextStil",
                       {&texts::componentNarrow, &texts::componentNormal, &texts::componentWide},
                       this)),
      thickness_(choiceBox("CB_TextStaerke",
                           {&texts::componentThin, &texts::componentNormal, &texts::componentBold},
                           this)),
      align_(new QPushButton(qtr(texts::componentAlign), this)),
      breakUp_(new QPushButton(qtr(texts::componentBreakUp), this)),
      expand_(new QPushButton(this)),
      pickPlace_(new QGroupBox(this)),
      usePickPlace_(new QCheckBox(qtr(texts::componentUsePickPlace), this)),
      rotation_(numberField("SE_Rotation", 0, kMaxPlaceRotation, this)),
      centre_(choiceBox(
          "CB_Zentrum",
          {&texts::componentCentreCopper, &texts::componentCentreSilk, &texts::componentCentreBoth},
          this)),
      offsetX_(numberField("SE_XOffset", -kMaxPlaceOffsetMm, kMaxPlaceOffsetMm, this)),
      offsetY_(numberField("SE_YOffset", -kMaxPlaceOffsetMm, kMaxPlaceOffsetMm, this)),
      package_(textField("E_Package", this)),
      comment_(textField("E_Kommentar", this)) {
  setObjectName("TBezWertDlg");
  setWindowTitle(qtr(texts::componentCaption));
  idVisible_->setObjectName("CB_Bez");
  valueVisible_->setObjectName("CB_Wert");
  height_->setObjectName("SE_Texthoehe");
  height_->setMIL(mil);
  height_->setNachkommaStellen(mil ? 1 : 2);
  height_->setMin(static_cast<float>(mil ? mmToFieldMilLimit(kMinTextHeightMm) : kMinTextHeightMm));
  height_->setMax(static_cast<float>(mil ? mmToFieldMilLimit(kMaxTextHeightMm) : kMaxTextHeightMm));
  height_->setStep(mil ? 1.0f : 0.1f);
  height_->setMitEinheit(true);
  align_->setObjectName("B_TexteAusrichten");
  breakUp_->setObjectName("B_Aufloesen");
  expand_->setObjectName("SB_Expand");
  pickPlace_->setObjectName("P_PickPlace");
  usePickPlace_->setObjectName("CB_PickPlace");
  for (QPushButton* b : {align_, breakUp_, expand_}) b->setAutoDefault(false);
  breakUp_->setVisible(session_.breakUpAllowed());

  auto* labels = new QFormLayout;
  auto* idRow = new QHBoxLayout;
  idRow->addWidget(id_, 1);
  idRow->addWidget(idLayer_);
  idRow->addWidget(idVisible_);
  labels->addRow(qtr(texts::componentId), idRow);
  auto* valueRow = new QHBoxLayout;
  valueRow->addWidget(value_, 1);
  valueRow->addWidget(valueLayer_);
  valueRow->addWidget(valueVisible_);
  labels->addRow(qtr(texts::componentValue), valueRow);
  auto* textRow = new QHBoxLayout;
  textRow->addWidget(height_);
  textRow->addWidget(style_);
  textRow->addWidget(thickness_);
  labels->addRow(qtr(texts::componentTextProperties), textRow);

  auto* pick = new QFormLayout(pickPlace_);
  pick->addRow(usePickPlace_);
  auto* rotationRow = new QHBoxLayout;
  rotationRow->addWidget(rotation_);
  for (const int angle : {0, 90, 180, 270}) {
    auto* quick = new QPushButton(QString::number(angle) + QChar(0x00B0), this);
    quick->setObjectName(QString("SB_R%1").arg(angle));
    quick->setAutoDefault(false);
    connect(quick, &QPushButton::clicked, this, [this, angle] { rotation_->setValue(angle); });
    rotationRow->addWidget(quick);
    quickButtons_.push_back(quick);
  }
  pick->addRow(qtr(texts::componentRotation), rotationRow);
  pick->addRow(centre_);
  pick->addRow(qtr(texts::componentOffsetX), offsetX_);
  auto* offsetYRow = new QHBoxLayout;
  offsetYRow->addWidget(offsetY_);
  auto* zero = new QPushButton("0/0", this);
  zero->setObjectName("B_Null");
  zero->setAutoDefault(false);
  connect(zero, &QPushButton::clicked, this, [this] {
    offsetX_->setValue(0);
    offsetY_->setValue(0);
  });
  quickButtons_.push_back(zero);
  offsetYRow->addWidget(zero);
  pick->addRow(qtr(texts::componentOffsetY), offsetYRow);
  pick->addRow(qtr(texts::componentPackage), package_);
  pick->addRow(qtr(texts::componentComment), comment_);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(align_);
  buttons->addWidget(breakUp_);
  buttons->addWidget(expand_);
  auto* okCancel = dialogButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(labels);
  layout->addLayout(buttons);
  layout->addWidget(pickPlace_);
  layout->addWidget(okCancel);

  fill();
  showPickPlace(false);

  using F = ComponentField;
  connect(id_, &QLineEdit::textEdited, this, [this] { changed(F::Id); });
  connect(value_, &QLineEdit::textEdited, this, [this] { changed(F::Value); });
  connect(idLayer_, &QComboBox::currentIndexChanged, this, [this] { changed(F::IdLayer); });
  connect(valueLayer_, &QComboBox::currentIndexChanged, this, [this] { changed(F::ValueLayer); });
  connect(idVisible_, &QCheckBox::toggled, this, [this] { changed(F::IdVisible); });
  connect(valueVisible_, &QCheckBox::toggled, this, [this] { changed(F::ValueVisible); });
  connect(height_, &TPvbSpinEdit::OnEditChange, this, [this] { changed(F::Height); });
  connect(style_, &QComboBox::currentIndexChanged, this, [this] { changed(F::Style); });
  connect(thickness_, &QComboBox::currentIndexChanged, this, [this] { changed(F::Thickness); });
  connect(usePickPlace_, &QCheckBox::toggled, this, [this] {
    changed(F::UsePickPlace);
    enablePickPlace();
  });
  connect(rotation_, &QDoubleSpinBox::valueChanged, this, [this] { changed(F::Rotation); });
  connect(centre_, &QComboBox::currentIndexChanged, this, [this] { changed(F::CentreMode); });
  connect(offsetX_, &QDoubleSpinBox::valueChanged, this, [this] { changed(F::OffsetX); });
  connect(offsetY_, &QDoubleSpinBox::valueChanged, this, [this] { changed(F::OffsetY); });
  connect(package_, &QLineEdit::textEdited, this, [this] { changed(F::Package); });
  connect(comment_, &QLineEdit::textEdited, this, [this] { changed(F::Comment); });
  connect(align_, &QPushButton::clicked, this, [this] {
    session_.alignLabels();
    tint();
  });
  connect(breakUp_, &QPushButton::clicked, this, [this] {
    if (!session_.confirmBreakUp()) return;
    end_ = ComponentDialogEnd::BreakUp;
    accept();
  });
  connect(expand_, &QPushButton::clicked, this,
          [this] { showPickPlace(!pickPlace_->isVisible()); });
  connect(okCancel, &QDialogButtonBox::accepted, this, [this] {
    end_ = ComponentDialogEnd::Ok;
    accept();
  });
}

void TBezWertDlg::fill() {
  filling_ = true;
  const ComponentFields& f = session_.fields();
  id_->setText(fromStored(f.id));
  value_->setText(fromStored(f.value));
  idLayer_->setCurrentIndex(labelLayerEntry(f.idLayer));
  valueLayer_->setCurrentIndex(labelLayerEntry(f.valueLayer));
  idVisible_->setChecked(f.idVisible);
  valueVisible_->setChecked(f.valueVisible);
  if (f.heightMm) {
    height_->setValue(*f.heightMm);
  } else {
    height_->setBlank();
  }
  style_->setCurrentIndex(f.style.value_or(-1));
  thickness_->setCurrentIndex(f.thickness.value_or(-1));
  usePickPlace_->setChecked(f.usePickPlace);
  rotation_->setValue(f.rotation);
  centre_->setCurrentIndex(f.centreMode);
  offsetX_->setValue(f.offsetXMm);
  offsetY_->setValue(f.offsetYMm);
  package_->setText(fromStored(f.package));
  comment_->setText(fromStored(f.comment));
  enablePickPlace();
  filling_ = false;
}

// Every change goes to the session at once; the labels on the board follow.
void TBezWertDlg::changed(ComponentField field) {
  if (filling_) return;
  ComponentFields f = session_.fields();
  f.id = toStored(id_->text());
  f.value = toStored(value_->text());
  f.idLayer = labelLayerOfEntry(idLayer_->currentIndex());
  f.valueLayer = labelLayerOfEntry(valueLayer_->currentIndex());
  f.idVisible = idVisible_->isChecked();
  f.valueVisible = valueVisible_->isChecked();
  f.heightMm = height_->isBlank() ? std::nullopt : std::optional<double>(height_->value());
  f.style = style_->currentIndex() < 0 ? std::nullopt : std::optional<int>(style_->currentIndex());
  f.thickness = thickness_->currentIndex() < 0 ? std::nullopt
                                               : std::optional<int>(thickness_->currentIndex());
  f.usePickPlace = usePickPlace_->isChecked();
  f.rotation = rotation_->value();
  f.centreMode = std::max(0, centre_->currentIndex());
  f.offsetXMm = offsetX_->value();
  f.offsetYMm = offsetY_->value();
  f.package = toStored(package_->text());
  f.comment = toStored(comment_->text());
  session_.change(field, f);
  tint();
}

// Changed fields are tinted while several components are selected: OK offers them to the others.
void TBezWertDlg::tint() {
  using F = ComponentField;
  const std::pair<QWidget*, F> fields[] = {{id_, F::Id},
                                           {idLayer_, F::IdLayer},
                                           {idVisible_, F::IdVisible},
                                           {value_, F::Value},
                                           {valueLayer_, F::ValueLayer},
                                           {valueVisible_, F::ValueVisible},
                                           {style_, F::Style},
                                           {thickness_, F::Thickness},
                                           {align_, F::Align},
                                           {usePickPlace_, F::UsePickPlace},
                                           {rotation_, F::Rotation},
                                           {centre_, F::CentreMode},
                                           {offsetX_, F::OffsetX},
                                           {offsetY_, F::OffsetY},
                                           {package_, F::Package},
                                           {comment_, F::Comment}};
  for (const auto& [widget, field] : fields) setTinted(widget, session_.tinted(field));
  if (session_.tinted(F::Height)) height_->setEditBKColor(kTint);
}

void TBezWertDlg::showPickPlace(bool shown) {
  pickPlace_->setVisible(shown);
  expand_->setText(qtr(shown ? texts::componentHidePickPlace : texts::componentShowPickPlace));
  adjustSize();
}

void TBezWertDlg::enablePickPlace() {
  const bool on = usePickPlace_->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{rotation_, centre_, offsetX_, offsetY_,
                                                    package_, comment_}) {
    w->setEnabled(on);
  }
  for (QPushButton* b : quickButtons_) b->setEnabled(on);
}

ComponentDialogEnd runComponentDialog(QWidget* parent, ComponentSession& session,
                                      const ColourScheme& scheme, bool mil) {
  TBezWertDlg dialog(session, scheme, mil, parent);
  dialog.exec();
  return dialog.end();
}

}  // namespace pravelo
