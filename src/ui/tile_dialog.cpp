#include "ui/tile_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "document/board_header.h"
#include "geometry/bounding_box.h"
#include "ui/dialog_buttons.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/tile_dialog_texts.h"
#include "view/colour_scheme.h"
#include "view/renderer.h"

namespace pravelo {

namespace {

constexpr int kPreviewMargin = 8;  // pixels around the fitted preview

QSpinBox* countField(const char* name, int high, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(name);
  field->setRange(1, high);
  return field;
}

QDoubleSpinBox* mmField(const char* name, double limit, double step, QWidget* parent) {
  auto* field = new QDoubleSpinBox(parent);
  field->setObjectName(name);
  field->setLocale(QLocale::c());
  field->setDecimals(2);
  field->setRange(-limit, limit);
  field->setSingleStep(step);
  return field;
}

// The distances follow the display unit.
TPvbSpinEdit* distanceField(const char* name, bool mil, QWidget* parent) {
  auto* field = new TPvbSpinEdit(parent);
  field->setObjectName(name);
  field->setMIL(mil);
  const float limit =
      static_cast<float>(mil ? mmToFieldMilLimit(kMaxTileDistanceMm) : kMaxTileDistanceMm);
  field->setNachkommaStellen(mil ? 1 : 2);
  field->setMin(-limit);
  field->setMax(limit);
  field->setStep(mil ? 1.0f : 0.01f);
  field->setMitEinheit(true);
  return field;
}

QGroupBox* modeGroup(const char* name, QRadioButton* mode, QWidget* parent) {
  auto* box = new QGroupBox(parent);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(mode);
  return box;
}

}  // namespace

TilePreview::TilePreview(QWidget* parent) : QWidget(parent) {
  setObjectName("PB_Vorschau");
  setMinimumSize(260, 260);
}

void TilePreview::show(ObjectList objects) {
  objects_ = std::move(objects);
  update();
}

// Drawn as a board of the preview's own: the objects' bounds fitted into the area.
void TilePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const ColourScheme scheme = standardScheme();
  const Rgb background = scheme.background();
  painter.fillRect(rect(), QColor(background.r, background.g, background.b));
  const TRect box = objectListBounds(objects_, {});
  if (objects_.empty() || isEmptyRect(box)) return;
  Board board;
  board.header = newBoardHeader(0, 0);
  for (const auto& o : objects_) board.objects.push_back(std::make_unique<TObjekt>(*o));
  const double w = std::max<double>(1, static_cast<double>(rectWidth(box)));
  const double h = std::max<double>(1, static_cast<double>(rectHeight(box)));
  ViewTransform view;
  view.zoom = std::min((width() - 2 * kPreviewMargin) / w, (height() - 2 * kPreviewMargin) / h);
  view.scrollX = static_cast<std::int64_t>(box.left * view.zoom) - kPreviewMargin;
  view.scrollY = static_cast<std::int64_t>(-box.bottom * view.zoom) - kPreviewMargin;
  RenderOptions options;
  options.clipToView = false;
  options.showGrid = false;
  options.showAllLayers = true;
  const Frame frame = renderBoard(board, view, scheme, options, width(), height());
  painter.drawImage(0, 0,
                    QImage(frame.pixels.data(), frame.width, frame.height, frame.width * 4,
                           QImage::Format_RGBA8888));
}

TKachel2Dlg::TKachel2Dlg(const TileDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      tileMode_(new QRadioButton(qtr(texts::tileModeTile), this)),
      circularMode_(new QRadioButton(qtr(texts::tileModeCircular), this)),
      tileGroup_(modeGroup("GB_Kacheln", tileMode_, this)),
      circleGroup_(modeGroup("GB_Kreisfoermig", circularMode_, this)),
      columns_(countField("SE_X", kMaxTileFieldCount, this)),
      rows_(countField("SE_Y", kMaxTileFieldCount, this)),
      columnDistance_(distanceField("SE_dX", dialog.mil, this)),
      rowDistance_(distanceField("SE_dY", dialog.mil, this)),
      maximum_(new QLabel(this)),
      count_(countField("SE_Anzahl", maxCircleCount(dialog.maxTiles), this)),
      radius_(mmField("SE_Radius", kMaxTileRadiusMm, 0.01, this)),
      angle_(mmField("SE_Winkel", kMaxTileAngle, 0.01, this)),
      rotate_(new QCheckBox(qtr(texts::tileRotate), this)),
      startX_(mmField("SE_MP_XOffset", kMaxTileDistanceMm, 0.01, this)),
      startY_(mmField("SE_MP_YOffset", kMaxTileDistanceMm, 0.01, this)),
      centre_(new QPushButton(qtr(texts::tileCentre), this)),
      padMinus_(new QPushButton("-", this)),
      padPlus_(new QPushButton("+", this)),
      pads_(new QLabel(this)),
      angleRange_(new QLabel(this)),
      preview_(new TilePreview(this)) {
  setObjectName("TKachel2Dlg");
  setWindowTitle(qtr(texts::tileCaption));
  tileMode_->setObjectName("RB_Kacheln");
  circularMode_->setObjectName("RB_Kreisfoermig");
  rotate_->setObjectName("CB_Mitdrehen");
  centre_->setObjectName("B_Center");
  padMinus_->setObjectName("SB_PadMinus");
  padPlus_->setObjectName("SB_PadPlus");
  pads_->setObjectName("L_Pads");
  maximum_->setObjectName("L_Maximal");
  angleRange_->setObjectName("L_Winkelbereich");
  for (QPushButton* b : {centre_, padMinus_, padPlus_}) b->setAutoDefault(false);
  maximum_->setText(
      QString::fromStdString(fillIn(texts::tileMaximum, {std::to_string(dialog.maxTiles)})));

  auto* tile = new QFormLayout;
  tile->addRow(qtr(texts::tileColumns), columns_);
  tile->addRow(qtr(texts::tileDistance), columnDistance_);
  tile->addRow(qtr(texts::tileRows), rows_);
  tile->addRow(qtr(texts::tileDistance), rowDistance_);
  tile->addRow(maximum_);
  qobject_cast<QVBoxLayout*>(tileGroup_->layout())->addLayout(tile);

  auto* circle = new QFormLayout;
  circle->addRow(qtr(texts::tileCount), count_);
  circle->addRow(qtr(texts::tileRadius), radius_);
  circle->addRow(qtr(texts::tileAngle), angle_);
  circle->addRow(angleRange_);
  circle->addRow(rotate_);
  circle->addRow(new QLabel(qtr(texts::tileStartPoint), this));
  circle->addRow(qtr(texts::tileStartX), startX_);
  circle->addRow(qtr(texts::tileStartY), startY_);
  circle->addRow(centre_);
  auto* padRow = new QHBoxLayout;
  padRow->addWidget(padMinus_);
  padRow->addWidget(pads_);
  padRow->addWidget(padPlus_);
  circle->addRow(qtr(texts::tilePadCentre), padRow);
  qobject_cast<QVBoxLayout*>(circleGroup_->layout())->addLayout(circle);

  auto* groups = new QVBoxLayout;
  groups->addWidget(tileGroup_);
  groups->addWidget(circleGroup_);
  auto* body = new QHBoxLayout;
  body->addLayout(groups);
  body->addWidget(preview_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  QDialogButtonBox* buttons = dialogButtons(this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);

  fill(dialog.values);

  connect(columns_, &QSpinBox::valueChanged, this, [this] { countChanged(columns_, rows_); });
  connect(rows_, &QSpinBox::valueChanged, this, [this] { countChanged(rows_, columns_); });
  for (QRadioButton* mode : {tileMode_, circularMode_}) {
    connect(mode, &QRadioButton::toggled, this, &TKachel2Dlg::refresh);
  }
  for (QSpinBox* field : {count_}) {
    connect(field, &QSpinBox::valueChanged, this, &TKachel2Dlg::refresh);
  }
  for (QDoubleSpinBox* field : {radius_, angle_, startX_, startY_}) {
    connect(field, &QDoubleSpinBox::valueChanged, this, &TKachel2Dlg::refresh);
  }
  for (TPvbSpinEdit* field : {columnDistance_, rowDistance_}) {
    connect(field, &TPvbSpinEdit::OnEditChange, this, &TKachel2Dlg::refresh);
  }
  connect(rotate_, &QCheckBox::toggled, this, &TKachel2Dlg::refresh);
  connect(centre_, &QPushButton::clicked, this, [this] {
    filling_ = true;
    startX_->setValue(0);
    startY_->setValue(0);
    filling_ = false;
    refresh();
  });
  connect(padMinus_, &QPushButton::clicked, this, [this] { stepPad(-1); });
  connect(padPlus_, &QPushButton::clicked, this, [this] { stepPad(1); });
  refresh();
}

void TKachel2Dlg::fill(const TileValues& v) {
  filling_ = true;
  (v.mode == TileMode::Tile ? tileMode_ : circularMode_)->setChecked(true);
  columns_->setValue(v.columns);
  rows_->setValue(v.rows);
  columnDistance_->setValue(v.columnDistanceMm);
  rowDistance_->setValue(v.rowDistanceMm);
  count_->setValue(v.count);
  radius_->setValue(v.radiusMm);
  angle_->setValue(v.angle);
  rotate_->setChecked(v.rotate);
  startX_->setValue(v.startXMm);
  startY_->setValue(v.startYMm);
  filling_ = false;
}

TileValues TKachel2Dlg::values() const {
  TileValues v;
  v.mode = circularMode_->isChecked() ? TileMode::Circular : TileMode::Tile;
  v.columns = columns_->value();
  v.rows = rows_->value();
  v.columnDistanceMm = columnDistance_->value();
  v.rowDistanceMm = rowDistance_->value();
  v.count = count_->value();
  v.radiusMm = radius_->value();
  v.angle = angle_->value();
  v.rotate = rotate_->isChecked();
  v.startXMm = startX_->value();
  v.startYMm = startY_->value();
  return v;
}

void TKachel2Dlg::countChanged(QSpinBox* changed, QSpinBox* other) {
  if (filling_) return;
  const int limited = limitTileCount(changed->value(), other->value(), dialog_.maxTiles);
  if (limited != changed->value()) {
    changed->setValue(limited);  // comes back here once more
    return;
  }
  refresh();
}

// The pad buttons wrap at both ends and put the start point on the pad's centre.
void TKachel2Dlg::stepPad(int step) {
  const int n = static_cast<int>(dialog_.padOffsets.size());
  if (n == 0) return;
  padIndex_ = ((padIndex_ + step) % n + n) % n;
  const DPoint offset = dialog_.padOffsets[static_cast<std::size_t>(padIndex_)];
  filling_ = true;
  startX_->setValue(offset.x);
  startY_->setValue(offset.y);
  filling_ = false;
  refresh();
}

void TKachel2Dlg::refresh() {
  if (filling_) return;
  const TileValues v = values();
  const bool tile = v.mode == TileMode::Tile;
  for (QWidget* w : std::initializer_list<QWidget*>{columns_, rows_, maximum_}) {
    w->setEnabled(tile);
  }
  columnDistance_->setEnabled(tile && v.columns > 1);
  rowDistance_->setEnabled(tile && v.rows > 1);
  for (QWidget* w : std::initializer_list<QWidget*>{count_, radius_, angle_, rotate_}) {
    w->setEnabled(!tile);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{startX_, startY_, centre_}) {
    w->setEnabled(!tile && v.rotate);
  }
  const bool pads = !dialog_.padOffsets.empty();
  for (QWidget* w : std::initializer_list<QWidget*>{padMinus_, padPlus_, pads_}) {
    w->setEnabled(!tile && v.rotate && pads);
  }
  pads_->setText(QString("%1/%2").arg(pads ? padIndex_ + 1 : 0).arg(dialog_.padOffsets.size()));
  angleRange_->setVisible(!tile);
  angleRange_->setText(QString::fromStdString(
      fillIn(texts::tileAngleRange, {QString::number(tileAngleRange(v), 'g', 8).toStdString()})));
  if (dialog_.preview) preview_->show(dialog_.preview(v));
}

std::optional<TileValues> runTileDialog(QWidget* parent, const TileDialog& dialog) {
  TKachel2Dlg window(dialog, parent);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.values();
}

}  // namespace pravelo
