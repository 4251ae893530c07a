#include "ui/properties_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

#include "editing/selector_texts.h"
#include "editing/text_dialog_values.h"
#include "ui/properties_panel_texts.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/size_column_texts.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

constexpr double kMaxPositionMm = 9999;
constexpr double kMaxSizeMm = 99.99;
constexpr int kSpokeButtonSize = 16;
constexpr int kPadPictureSize = 40;
const QColor kMixedBackground(192, 192, 192);

// The pad between the spoke buttons; a double click toggles all eight spokes.
class PadPicture : public QLabel {
 public:
  PadPicture(std::function<void()> toggleAll, QWidget* parent)
      : QLabel(parent), toggleAll_(std::move(toggleAll)) {
    setFixedSize(kPadPictureSize, kPadPictureSize);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(200, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(rect().adjusted(8, 8, -8, -8));
    p.setBrush(Qt::white);
    p.drawEllipse(rect().center(), 4, 4);
  }
  void mouseDoubleClickEvent(QMouseEvent*) override { toggleAll_(); }

 private:
  std::function<void()> toggleAll_;
};

// A spoke button is black while its spoke is on, white while it is off, grey for pads that
// differ.
QString spokeStyle(bool on, bool mixed) {
  const char* colour = mixed ? "grey" : on ? "black" : "white";
  return QString("QToolButton { background: %1; border: 1px solid grey; }").arg(colour);
}

// Positions of the spoke buttons in the 3 x 3 grid, clockwise from the top.
constexpr int kSpokeCells[8][2] = {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}};

QWidget* row(std::initializer_list<QWidget*> widgets) {
  auto* w = new QWidget;
  auto* layout = new QHBoxLayout(w);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget : widgets) layout->addWidget(widget);
  layout->addStretch(1);
  return w;
}

QWidget* page(const char* name, QFormLayout*& form) {
  auto* w = new QWidget;
  w->setObjectName(name);
  form = new QFormLayout(w);
  return w;
}

Property offset(Property first, int k) {
  return static_cast<Property>(static_cast<int>(first) + k);
}

}  // namespace

TEigenschaftenDlg::TEigenschaftenDlg(QWidget* parent)
    : QDockWidget(qtr(texts::propertiesTitle), parent),
      kind_(new QLabel),
      multiselect_(new QWidget),
      rows_(new QListWidget),
      pages_(new QStackedWidget) {
  setObjectName("TEigenschaftenDlg");
  kind_->setObjectName("L_Typ");
  QFont bold = kind_->font();
  bold.setBold(true);
  kind_->setFont(bold);

  rows_->setObjectName("LB_Multiselect");
  rows_->setMaximumHeight(110);
  auto* multiselect = new QVBoxLayout(multiselect_);
  multiselect->setContentsMargins(0, 0, 0, 0);
  multiselect->addWidget(new QLabel(qtr(texts::multiselectLabel)));
  multiselect->addWidget(rows_);
  connect(rows_, &QListWidget::currentRowChanged, this, [this](int r) {
    if (showing_ || r < 0 || r >= static_cast<int>(shownRows_.size())) return;
    chosen_ = shownRows_[static_cast<std::size_t>(r)];
    emit pageChosen();
  });

  // In the order of PropertyPage.
  pages_->setObjectName("PageControl");
  for (QWidget* p : {createPadPage(), createSmdPage(), createTextPage(), createCirclePage(),
                     createTrackPage(), createZonePage(), createBoardPage()}) {
    pages_->addWidget(p);
  }

  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->addWidget(kind_);
  layout->addWidget(multiselect_);
  layout->addWidget(pages_);
  layout->addStretch(1);
  // The panel scrolls up and down only: it is as wide as its widest page.
  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(body);
  scroll->setMinimumWidth(body->minimumSizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width() +
                          2 * scroll->frameWidth());
  setWidget(scroll);
}

// The centre on two rows: "Center:" X, then Y.
void TEigenschaftenDlg::addPosition(QFormLayout* form, Property x, const char* xName, Property y,
                                    const char* yName) {
  form->addRow(qtr(texts::centreLabel), length(x, xName, -kMaxPositionMm, kMaxPositionMm, 4));
  form->addRow(QString(), length(y, yName, -kMaxPositionMm, kMaxPositionMm, 4));
}

QWidget* TEigenschaftenDlg::createPadPage() {
  QFormLayout* form = nullptr;
  QWidget* w = page("Pad", form);
  addPosition(form, Property::PadX, "SE_LA_X", Property::PadY, "SE_LA_Y");
  shape_ = new QComboBox;
  shape_->setObjectName("SB_LAForm");
  for (const Text* t : {&texts::padShape1, &texts::padShape2, &texts::padShape3, &texts::padShape4,
                        &texts::padShape5, &texts::padShape6, &texts::padShape7, &texts::padShape8,
                        &texts::padShape9}) {
    shape_->addItem(qtr(*t));
  }
  connect(shape_, &QComboBox::activated, this,
          [this](int index) { report(Property::PadShape, index + 1); });
  form->addRow(qtr(texts::shapeLabel), row({shape_, favouritesButton(FavouriteKind::Pads)}));
  form->addRow(qtr(texts::diameterLabel),
               length(Property::PadDiameter, "SE_Aussen", 0.05, kMaxSizeMm, 2));
  form->addRow(qtr(texts::drillLabel), length(Property::PadDrill, "SE_Innen", 0, kMaxSizeMm, 2));
  form->addRow(check(Property::PadThrough, "CB_Via", texts::throughPad));
  form->addRow(check(Property::PadThermal, "CB_ThermalPad", texts::thermalPad));
  padSpokeWidth_ = info("L_ThermalWidth");
  form->addRow(qtr(texts::widthLabel),
               row({spokeSlider(Property::PadSpokeWidth, "TB_ThermalWidth"), padSpokeWidth_}));
  auto* layers = new QWidget;
  choice(Property::PadLayersEqual, layers, {"RB_LayerIndividuell", "RB_AlleLayer"},
         {&texts::layersIndividual, &texts::allLayersEqual});
  form->addRow(layers);
  form->addRow(qtr(texts::positionsLabel),
               spokeButtons(Property::PadSpoke1, Property::PadSpokesToggled, "SB_TH"));
  return w;
}

QWidget* TEigenschaftenDlg::createSmdPage() {
  QFormLayout* form = nullptr;
  QWidget* w = page("SMDPad", form);
  addPosition(form, Property::SmdX, "SE_SMD_X", Property::SmdY, "SE_SMD_Y");
  form->addRow(qtr(texts::sizeLabel),
               row({length(Property::SmdSizeX, "SE_SMDPad_X", 0.05, kMaxSizeMm, 2),
                    length(Property::SmdSizeY, "SE_SMDPad_Y", 0.05, kMaxSizeMm, 2),
                    favouritesButton(FavouriteKind::SmdPads)}));
  form->addRow(check(Property::SmdThermal, "CB_SMD_ThermalPad", texts::thermalPad));
  smdSpokeWidth_ = info("L_SMD_ThermalWidth");
  form->addRow(qtr(texts::widthLabel),
               row({spokeSlider(Property::SmdSpokeWidth, "TB_SMD_ThermalWidth"), smdSpokeWidth_}));
  form->addRow(qtr(texts::positionsLabel),
               spokeButtons(Property::SmdSpoke1, Property::SmdSpokesToggled, "SB_SMD_TH"));
  return w;
}

QWidget* TEigenschaftenDlg::createTextPage() {
  QFormLayout* form = nullptr;
  QWidget* w = page("Text", form);
  form->addRow(textField(Property::TextContent, "E_Text", 255));
  form->addRow(qtr(texts::propertiesTextHeightLabel),
               length(Property::TextHeight, "SE_Hoehe", kMinTextHeightMm, kMaxTextHeightMm, 2));
  auto* thickness = new QWidget;
  choice(Property::TextThickness, thickness, {"RB_Duenn", "RB_Normal", "RB_Fett"},
         {&texts::thicknessThin, &texts::thicknessNormal, &texts::thicknessBold});
  form->addRow(qtr(texts::textThicknessLabel), thickness);
  auto* style = new QWidget;
  choice(Property::TextStyle, style, {"RB_Schmal", "RB_NormalBreit", "RB_Breit"},
         {&texts::styleNarrow, &texts::styleNormal, &texts::styleWide});
  form->addRow(qtr(texts::styleLabel), style);

  textAngle_ = new QSpinBox;
  textAngle_->setObjectName("SE_Winkel");
  // The value below 0 is the blank of differing angles.
  textAngle_->setRange(-1, 359);
  textAngle_->setSpecialValueText(" ");
  textAngle_->setKeyboardTracking(false);
  connect(textAngle_, &QSpinBox::valueChanged, this, [this](int v) {
    if (v >= 0) report(Property::TextAngle, v);
  });
  auto* angles = row({textAngle_});
  for (const int degrees : {0, 90, 180, 270}) {
    auto* b = new QToolButton;
    b->setObjectName(QString("SB_%1Grad").arg(degrees));
    b->setText(QString("%1°").arg(degrees));
    connect(b, &QToolButton::clicked, this,
            [this, degrees] { report(Property::TextAngle, degrees); });
    angles->layout()->addWidget(b);
  }
  form->addRow(qtr(texts::angleLabel), angles);
  form->addRow(qtr(texts::mirrorLabel),
               row({check(Property::TextMirrorH, "CB_SpiegelH", texts::mirrorHorizontal),
                    check(Property::TextMirrorV, "CB_SpiegelV", texts::mirrorVertical)}));
  form->addRow(check(Property::TextCutout, "CB_TextSperrflaeche", texts::cutoutArea));
  strokeWidth_ = info("L_Strichbreite");
  form->addRow(qtr(texts::strokeWidthLabel), strokeWidth_);
  return w;
}

QWidget* TEigenschaftenDlg::createCirclePage() {
  QFormLayout* form = nullptr;
  QWidget* w = page("Kreis", form);
  addPosition(form, Property::CircleX, "SE_Kreis_X", Property::CircleY, "SE_Kreis_Y");
  form->addRow(qtr(texts::diameterLabel),
               length(Property::CircleDiameter, "SE_Durchmesser", 0, kMaxBoardSideMm, 3));
  form->addRow(qtr(texts::ringWidthLabel),
               length(Property::CircleWidth, "SE_Ringbreite", 0, kMaxSizeMm, 3));
  for (const auto& [p, name, caption] :
       {std::tuple{Property::CircleStart, "SE_StartWinkel", &texts::startAngleLabel},
        std::tuple{Property::CircleStop, "SE_StopWinkel", &texts::stopAngleLabel}}) {
    auto* angle = new QDoubleSpinBox;
    angle->setObjectName(name);
    angle->setLocale(QLocale::c());
    angle->setDecimals(3);
    angle->setRange(-1, 359.999);
    angle->setSpecialValueText(" ");
    angle->setKeyboardTracking(false);
    angle->setSuffix("°");
    connect(angle, &QDoubleSpinBox::valueChanged, this, [this, p](double v) {
      if (v >= 0) report(p, v);
    });
    angles_[p] = angle;
    form->addRow(qtr(*caption), angle);
  }
  form->addRow(check(Property::CircleFilled, "CB_Fuellung", texts::filled));
  filledNote_ = info("L_FuellungHinweis");
  filledNote_->setText(qtr(texts::filledNote));
  filledNote_->setWordWrap(true);
  form->addRow(filledNote_);
  form->addRow(check(Property::CircleCutout, "CB_RingSperrflaeche", texts::cutoutArea));
  QLabel* note = info("L_BogenHinweis");
  note->setText(qtr(texts::arcNote));
  note->setWordWrap(true);
  form->addRow(note);
  return w;
}

QWidget* TEigenschaftenDlg::createTrackPage() {
  QFormLayout* form = nullptr;
  QWidget* w = page("Leiterbahn", form);
  form->addRow(qtr(texts::widthLabel),
               length(Property::TrackWidth, "SE_Breite1", 0, kMaxSizeMm, 2));
  form->addRow(row({twoState(Property::TrackFlatStart, "SB_StartFlat", texts::flatStart),
                    twoState(Property::TrackFlatEnd, "SB_EndFlat", texts::flatEnd)}));
  form->addRow(check(Property::TrackCutout, "CB_TrackSperrflaeche", texts::cutoutArea));
  trackLength_ = info("L_Laenge");
  trackNodes_ = info("L_Knoten");
  imax_ = info("L_Imax");
  imaxNote_ = info("L_ImaxHinweis");
  form->addRow(qtr(texts::lengthLabel), trackLength_);
  form->addRow(qtr(texts::nodesLabel), trackNodes_);
  form->addRow(qtr(texts::imaxLabel), row({imax_, imaxNote_}));
  return w;
}

QWidget* TEigenschaftenDlg::createZonePage() {
  QFormLayout* form = nullptr;
  QWidget* w = page("Flaeche", form);
  form->addRow(qtr(texts::outlineLabel),
               length(Property::ZoneWidth, "SE_Breite2", 0, kMaxSizeMm, 2));
  form->addRow(check(Property::ZoneHatched, "CB_Hatch", texts::hatched));
  auto* hatch = new QWidget;
  choice(Property::ZoneHatchFromOutline, hatch, {"RB_HatchSelbst", "RB_HatchUmriss"},
         {&texts::hatchSelfDefined, &texts::hatchFromOutline});
  form->addRow(hatch);
  form->addRow(qtr(texts::widthLabel),
               length(Property::ZoneHatchWidth, "SE_HatchRaster", 0, kMaxSizeMm, 2));
  form->addRow(check(Property::ZoneCutout, "CB_Sperrflaeche", texts::cutoutArea));
  form->addRow(check(Property::ZoneMaskOnly, "CB_NurLoetstopp", texts::onlySoldermask));
  zoneNodes_ = info("L_FlaecheKnoten");
  form->addRow(qtr(texts::nodesLabel), zoneNodes_);
  return w;
}

QWidget* TEigenschaftenDlg::createBoardPage() {
  QFormLayout* form = nullptr;
  QWidget* w = page("Platine", form);
  form->addRow(qtr(texts::widthLabel),
               length(Property::BoardWidth, "SE_BoardX", kMinBoardSideMm, kMaxBoardSideMm, 4));
  form->addRow(qtr(texts::heightLabel),
               length(Property::BoardHeight, "SE_BoardY", kMinBoardSideMm, kMaxBoardSideMm, 4));
  form->addRow(qtr(texts::nameLabel), textField(Property::BoardName, "E_Board", 30));
  area_ = info("L_Flaeche");
  form->addRow(qtr(texts::areaLabel), area_);
  form->addRow(check(Property::BoardMultilayer, "CB_InnerLayer", texts::multilayerLabel));
  return w;
}

QWidget* TEigenschaftenDlg::spokeButtons(Property first, Property toggled, const char* prefix) {
  auto* w = new QWidget;
  auto* grid = new QGridLayout(w);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  for (int k = 0; k < 8; ++k) {
    const Property p = offset(first, k);
    auto* b = new QToolButton;
    b->setObjectName(QString("%1%2").arg(prefix).arg(k + 1));
    b->setCheckable(true);
    b->setFixedSize(kSpokeButtonSize, kSpokeButtonSize);
    connect(b, &QToolButton::clicked, this, [this, p, b](bool on) {
      b->setStyleSheet(spokeStyle(on, false));
      report(p, on);
    });
    buttons_[p] = b;
    grid->addWidget(b, kSpokeCells[k][0], kSpokeCells[k][1], Qt::AlignCenter);
  }
  auto* picture = new PadPicture([this, toggled] { report(toggled, 1); }, w);
  picture->setObjectName(QString("PB_%1").arg(prefix));
  grid->addWidget(picture, 1, 1);
  return w;
}

QSlider* TEigenschaftenDlg::spokeSlider(Property p, const char* name) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(name);
  slider->setRange(kMinSpokePercent, kMaxSpokePercent);
  slider->setMinimumWidth(80);
  connect(slider, &QSlider::sliderPressed, this, [this] { dragging_ = true; });
  connect(slider, &QSlider::sliderReleased, this, [this] {
    dragging_ = false;
    emit gestureEnded();
  });
  connect(slider, &QSlider::valueChanged, this, [this, p](int v) { report(p, v); });
  sliders_[p] = slider;
  return slider;
}

QToolButton* TEigenschaftenDlg::favouritesButton(FavouriteKind kind) {
  auto* b = new QToolButton;
  const bool pads = kind == FavouriteKind::Pads;
  b->setObjectName(pads ? "SB_LoetaugenContainer" : "SB_SMDContainer");
  b->setText("...");
  b->setToolTip(qtr(pads ? texts::padFavouritesHint : texts::smdFavouritesHint));
  connect(b, &QToolButton::clicked, this, [this, kind] { emit favouritesRequested(kind); });
  return b;
}

TPvbSpinEdit* TEigenschaftenDlg::length(Property p, const char* name, double min, double max,
                                        int decimals) {
  auto* field = new TPvbSpinEdit;
  field->setObjectName(name);
  field->setNachkommaStellen(decimals);
  field->setMin(static_cast<float>(min));
  field->setMax(static_cast<float>(max));
  field->setStep(decimals >= 2 ? 0.01f : 0.1f);
  field->setMitEinheit(true);
  connect(field, &TPvbSpinEdit::OnEditChange, this,
          [this, p, field] { report(p, field->value()); });
  connect(field, &TPvbSpinEdit::OnRadMouseDown, this, [this] { dragging_ = true; });
  connect(field, &TPvbSpinEdit::OnRadMouseUp, this, [this] {
    dragging_ = false;
    emit gestureEnded();
  });
  lengths_[p] = field;
  return field;
}

QCheckBox* TEigenschaftenDlg::check(Property p, const char* name, const Text& caption) {
  auto* box = new QCheckBox(qtr(caption));
  box->setObjectName(name);
  // A click on a grayed box checks it; then it has two states again.
  connect(box, &QCheckBox::clicked, this, [this, p, box] {
    const bool on = box->checkState() == Qt::Checked;
    box->setTristate(false);
    box->setChecked(on);
    report(p, on);
  });
  checks_[p] = box;
  return box;
}

QToolButton* TEigenschaftenDlg::twoState(Property p, const char* name, const Text& caption) {
  auto* b = new QToolButton;
  b->setObjectName(name);
  b->setText(qtr(caption));
  b->setCheckable(true);
  connect(b, &QToolButton::clicked, this, [this, p, b](bool on) {
    b->setStyleSheet(QString());
    report(p, on);
  });
  buttons_[p] = b;
  return b;
}

// Radio buttons whose ids are the field's values 0, 1, 2 in the order given.
QButtonGroup* TEigenschaftenDlg::choice(Property p, QWidget* parent,
                                        std::initializer_list<const char*> names,
                                        std::initializer_list<const Text*> captions) {
  auto* group = new QButtonGroup(parent);
  auto* layout = new QHBoxLayout(parent);
  layout->setContentsMargins(0, 0, 0, 0);
  int id = 0;
  auto caption = captions.begin();
  for (const char* name : names) {
    auto* b = new QRadioButton(qtr(**caption++));
    b->setObjectName(name);
    group->addButton(b, id++);
    layout->addWidget(b);
  }
  layout->addStretch(1);
  connect(group, &QButtonGroup::idClicked, this, [this, p](int v) { report(p, v); });
  choices_[p] = group;
  return group;
}

QLineEdit* TEigenschaftenDlg::textField(Property p, const char* name, int maxLength) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  connect(edit, &QLineEdit::editingFinished, this, [this, p, edit] {
    if (showing_ || !edit->isModified()) return;
    edit->setModified(false);
    emit propertyChanged(p, {0, edit->text().toStdString()});
  });
  texts_[p] = edit;
  return edit;
}

QLabel* TEigenschaftenDlg::info(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  return label;
}

void TEigenschaftenDlg::report(Property p, double number) {
  if (showing_) return;
  emit propertyChanged(p, {number, {}});
}

void TEigenschaftenDlg::showValue(Property p, const ShownValue& v) {
  if (auto f = lengths_.find(p); f != lengths_.end()) {
    // Differing values: an empty grey box.
    f->second->setEditBKColor(v.mixed ? kMixedBackground : QColor(Qt::black));
    if (v.mixed) {
      f->second->setBlank();
    } else {
      f->second->setValue(v.number);
    }
  } else if (auto c = checks_.find(p); c != checks_.end()) {
    c->second->setTristate(v.mixed);
    c->second->setCheckState(v.mixed         ? Qt::PartiallyChecked
                             : v.number != 0 ? Qt::Checked
                                             : Qt::Unchecked);
  } else if (auto b = buttons_.find(p); b != buttons_.end()) {
    b->second->setChecked(!v.mixed && v.number != 0);
    const bool spoke = (p >= Property::PadSpoke1 && p <= Property::PadSpoke8) ||
                       (p >= Property::SmdSpoke1 && p <= Property::SmdSpoke8);
    b->second->setStyleSheet(spoke     ? spokeStyle(v.number != 0, v.mixed)
                             : v.mixed ? QString("QToolButton { background: grey; }")
                                       : QString());
  } else if (auto g = choices_.find(p); g != choices_.end()) {
    QButtonGroup* group = g->second;
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
      button->setChecked(!v.mixed && group->id(button) == static_cast<int>(v.number));
    }
    group->setExclusive(true);
  } else if (auto t = texts_.find(p); t != texts_.end()) {
    t->second->setText(v.mixed ? QString() : QString::fromStdString(v.text));
  } else if (auto s = sliders_.find(p); s != sliders_.end()) {
    s->second->setValue(static_cast<int>(v.number));
  } else if (auto a = angles_.find(p); a != angles_.end()) {
    a->second->setValue(v.mixed ? -1 : v.number);
  } else if (p == Property::PadShape) {
    shape_->setCurrentIndex(v.mixed ? -1 : static_cast<int>(v.number) - 1);
  } else if (p == Property::TextAngle) {
    textAngle_->setValue(v.mixed ? -1 : static_cast<int>(v.number));
  }
}

void TEigenschaftenDlg::showSummary(const PropertiesSummary& summary, LengthUnit unit,
                                    int imaxCopper, int imaxRise) {
  showing_ = true;
  kind_->setText(QString::fromStdString(summary.kindLine));
  shownRows_ = summary.rows;
  rows_->clear();
  for (const std::string& text : summary.rowTexts) rows_->addItem(QString::fromStdString(text));
  const auto current = std::ranges::find(shownRows_, summary.page);
  rows_->setCurrentRow(
      current == shownRows_.end() ? -1 : static_cast<int>(current - shownRows_.begin()));
  multiselect_->setVisible(shownRows_.size() > 1);
  pages_->setCurrentIndex(static_cast<int>(summary.page));

  for (const auto& [p, field] : lengths_) field->setMIL(unit == LengthUnit::Mil);
  // A loaded board may be larger than a new one; its size is shown as it is.
  for (const Property side : {Property::BoardWidth, Property::BoardHeight}) {
    lengths_.at(side)->setMax(
        static_cast<float>(std::max(kMaxBoardSideMm, std::ceil(summary[side].number))));
  }
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    const auto p = static_cast<Property>(i);
    if (propertyInfo(p).page == summary.page) showValue(p, summary[p]);
  }

  padSpokeWidth_->setText(QString::fromStdString(summary.spokeWidth));
  smdSpokeWidth_->setText(QString::fromStdString(summary.spokeWidth));
  strokeWidth_->setText(QString::fromStdString(summary.strokeWidth));
  trackLength_->setText(QString::fromStdString(summary.trackLength));
  trackNodes_->setText(QString::fromStdString(summary.nodes));
  zoneNodes_->setText(QString::fromStdString(summary.nodes));
  imax_->setText(QString::fromStdString(summary.imax));
  imaxNote_->setText(QString::fromStdString(
      fillIn(texts::imaxNote, {std::to_string(imaxCopper), std::to_string(imaxRise)})));
  const ShownValue& filled = summary[Property::CircleFilled];
  filledNote_->setVisible(summary.page == PropertyPage::Circles && !filled.mixed &&
                          filled.number != 0);
  area_->setText(QString::fromStdString(summary.boardArea));
  showing_ = false;
}

}  // namespace pravelo
