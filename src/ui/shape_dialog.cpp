#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/units.h"
#include "editing/generator_commands.h"
#include "geometry/bounding_box.h"
#include "geometry/length_text.h"
#include "ui/dialog_buttons.h"
#include "ui/generator_dialog_texts.h"
#include "ui/generator_dialogs.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/tile_dialog.h"

namespace pravelo {

namespace {

TPvbSpinEdit* shapeLengthField(const char* name, double minMm, double maxMm, double stepMm,
                               int decimals, bool mil, QWidget* parent) {
  auto* field = new TPvbSpinEdit(parent);
  field->setObjectName(name);
  field->setMIL(mil);
  field->setNachkommaStellen(mil ? 1 : decimals);
  field->setMin(static_cast<float>(mil ? mmToFieldMilLimit(minMm) : minMm));
  field->setMax(static_cast<float>(mil ? mmToFieldMilLimit(maxMm) : maxMm));
  field->setStep(static_cast<float>(mil ? 1.0 : stepMm));
  field->setMitEinheit(true);
  return field;
}

QComboBox* shapeList(const char* name, std::initializer_list<QString> items, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (const QString& item : items) list->addItem(item);
  return list;
}

// The special shapes dialog: three pages, the one shown on OK decides the shape; every change
// redraws the preview.
class TVielEckDlg : public QDialog {
 public:
  TVielEckDlg(ShapeDialog& dialog, Host& host, const HelpOpener& openHelp, QWidget* parent)
      : QDialog(parent), dialog_(dialog), host_(host) {
    setObjectName("TVielEckDlg");
    setWindowTitle(qtr(texts::shapeCaption));
    const bool mil = dialog.mil;
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");

    auto* polygon = new QWidget(pages_);
    polygon->setObjectName("TS_Vieleck");
    corners_ = new QSpinBox(polygon);
    corners_->setObjectName("SE_Ecken");
    corners_->setRange(3, 99);
    radius_ = shapeLengthField("SE_Radius", 1, 249.9, 0.1, 1, mil, polygon);
    lineWidth_ = shapeLengthField("SE_Linienbreite", 0, 99.99, 0.01, 2, mil, polygon);
    offset_ = new QDoubleSpinBox(polygon);
    offset_->setObjectName("SE_Winkeloffset");
    offset_->setLocale(QLocale::c());
    offset_->setRange(-180, 180);
    offset_->setSingleStep(0.1);
    offset_->setDecimals(1);
    filled_ = new QCheckBox(qtr(texts::shapeFilled), polygon);
    filled_->setObjectName("CB_Gefuellt");
    rays_ = new QCheckBox(qtr(texts::shapeRays), polygon);
    rays_->setObjectName("CB_Strahlen");
    auto* polygonForm = new QFormLayout(polygon);
    polygonForm->addRow(qtr(texts::shapeCorners), corners_);
    polygonForm->addRow(qtr(texts::shapeRadius), radius_);
    polygonForm->addRow(qtr(texts::shapeLineWidth), lineWidth_);
    polygonForm->addRow(qtr(texts::shapeAngleOffset), offset_);
    polygonForm->addRow(filled_);
    polygonForm->addRow(rays_);
    pages_->addTab(polygon, qtr(texts::shapePolygonPage));

    auto* spiral = new QWidget(pages_);
    spiral->setObjectName("TS_Spirale");
    start_ = shapeLengthField("SE_Spirale_Startradius", 0.1, 149.9, 0.1, 1, mil, spiral);
    gap_ = shapeLengthField("SE_Spirale_Abstand", 0.1, 99.9, 0.1, 1, mil, spiral);
    trackWidth_ = shapeLengthField("SE_Spirale_Linienbreite", 0, 99.99, 0.01, 2, mil, spiral);
    turns_ = new QDoubleSpinBox(spiral);
    turns_->setObjectName("SE_Spirale_Umdrehungen");
    turns_->setLocale(QLocale::c());
    turns_->setRange(1, 100);
    turns_->setSingleStep(0.25);
    turns_->setDecimals(2);
    roundSpiral_ = new QRadioButton(qtr(texts::shapeRound), spiral);
    roundSpiral_->setObjectName("RB_Rund");
    squareSpiral_ = new QRadioButton(qtr(texts::shapeSquare), spiral);
    squareSpiral_->setObjectName("RB_Quadratisch");
    diameter_ = new QLabel(spiral);
    diameter_->setObjectName("L_Spirale_DM");
    auto* spiralForm = new QFormLayout(spiral);
    spiralForm->addRow(qtr(texts::shapeStartRadius), start_);
    spiralForm->addRow(qtr(texts::shapeDistance), gap_);
    spiralForm->addRow(qtr(texts::shapeTrackWidth), trackWidth_);
    spiralForm->addRow(qtr(texts::shapeTurns), turns_);
    spiralForm->addRow(roundSpiral_);
    spiralForm->addRow(squareSpiral_);
    spiralForm->addRow(diameter_);
    pages_->addTab(spiral, qtr(texts::shapeSpiralPage));

    auto* frame = new QWidget(pages_);
    frame->setObjectName("TS_Rahmen");
    columns_ = new QSpinBox(frame);
    columns_->setObjectName("SE_Spalten");
    columns_->setRange(-kMaxFrameCount, kMaxFrameCount);
    columnBands_ = shapeList(
        "CB_Spalten_Visible",
        {"---", qtr(texts::shapeTop), qtr(texts::shapeBottom), qtr(texts::shapeTopBottom)}, frame);
    columnLabels_ = shapeList("CB_Spalten_Char", {"A,B, ...", "1,2, ..."}, frame);
    rows_ = new QSpinBox(frame);
    rows_->setObjectName("SE_Zeilen");
    rows_->setRange(-kMaxFrameCount, kMaxFrameCount);
    rowBands_ = shapeList(
        "CB_Zeilen_Visible",
        {"---", qtr(texts::shapeLeft), qtr(texts::shapeRight), qtr(texts::shapeLeftRight)}, frame);
    rowLabels_ = shapeList("CB_Zeilen_Char", {"A,B, ...", "1,2, ..."}, frame);
    width_ = shapeLengthField("SE_Breite", kMinFrameSizeMm, kMaxFrameSizeMm, 0.1, 1, mil, frame);
    height_ = shapeLengthField("SE_Hoehe", kMinFrameSizeMm, kMaxFrameSizeMm, 0.1, 1, mil, frame);
    auto* autosize = new QPushButton(qtr(texts::shapeAutosize), frame);
    autosize->setObjectName("B_Autosize");
    autosize->setAutoDefault(false);
    auto* frameForm = new QFormLayout(frame);
    auto* columnRow = new QHBoxLayout;
    columnRow->addWidget(columns_);
    columnRow->addWidget(columnBands_);
    columnRow->addWidget(columnLabels_);
    frameForm->addRow(qtr(texts::shapeColumns), columnRow);
    auto* rowRow = new QHBoxLayout;
    rowRow->addWidget(rows_);
    rowRow->addWidget(rowBands_);
    rowRow->addWidget(rowLabels_);
    frameForm->addRow(qtr(texts::shapeRows), rowRow);
    frameForm->addRow(qtr(texts::shapeWidth), width_);
    frameForm->addRow(qtr(texts::shapeHeight), height_);
    frameForm->addRow(autosize);
    pages_->addTab(frame, qtr(texts::shapeFramePage));

    preview_ = new TilePreview(this);
    auto* body = new QHBoxLayout;
    body->addWidget(pages_);
    body->addWidget(preview_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    QDialogButtonBox* buttons = dialogButtons(this, true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [openHelp] { openHelp(kShapeHelpTopic); });
    // OK is refused while the shape does not fit the board.
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
      dialog_.values = values();
      if (shapeAccepted(dialog_, host_)) accept();
    });

    fill(dialog.values);
    connect(pages_, &QTabWidget::currentChanged, this, &TVielEckDlg::refresh);
    for (QSpinBox* f : {corners_, columns_, rows_}) {
      connect(f, &QSpinBox::valueChanged, this, &TVielEckDlg::refresh);
    }
    connect(offset_, &QDoubleSpinBox::valueChanged, this, &TVielEckDlg::refresh);
    connect(turns_, &QDoubleSpinBox::valueChanged, this, &TVielEckDlg::refresh);
    // Turns are whole quarters once the field is left.
    connect(turns_, &QDoubleSpinBox::editingFinished, this,
            [this] { turns_->setValue(roundSpiralTurns(turns_->value())); });
    for (TPvbSpinEdit* f : {radius_, lineWidth_, start_, gap_, trackWidth_, width_, height_}) {
      connect(f, &TPvbSpinEdit::OnEditChange, this, &TVielEckDlg::refresh);
    }
    for (QCheckBox* c : {filled_, rays_})
      connect(c, &QCheckBox::toggled, this, &TVielEckDlg::refresh);
    for (QRadioButton* r : {roundSpiral_, squareSpiral_}) {
      connect(r, &QRadioButton::toggled, this, &TVielEckDlg::refresh);
    }
    for (QComboBox* l : {columnBands_, columnLabels_, rowBands_, rowLabels_}) {
      connect(l, &QComboBox::currentIndexChanged, this, &TVielEckDlg::refresh);
    }
    connect(autosize, &QPushButton::clicked, this, [this] {
      if (!dialog_.board) return;
      ShapeValues v = values();
      fitFrameToBoard(v.frame, *dialog_.board);
      fill(v);
      refresh();
    });
    refresh();
  }

 private:
  void fill(const ShapeValues& v) {
    filling_ = true;
    pages_->setCurrentIndex(static_cast<int>(v.kind));
    corners_->setValue(v.polygon.corners);
    radius_->setValue(v.polygon.radiusMm);
    lineWidth_->setValue(v.polygon.lineWidthMm);
    offset_->setValue(v.polygon.angleOffset);
    filled_->setChecked(v.polygon.filled);
    rays_->setChecked(v.polygon.rays);
    start_->setValue(v.spiral.startRadiusMm);
    gap_->setValue(v.spiral.gapMm);
    trackWidth_->setValue(v.spiral.widthMm);
    turns_->setValue(v.spiral.turns);
    (v.spiral.form == SpiralForm::Round ? roundSpiral_ : squareSpiral_)->setChecked(true);
    columns_->setValue(v.frame.columns);
    columnBands_->setCurrentIndex(static_cast<int>(v.frame.columnBands));
    columnLabels_->setCurrentIndex(static_cast<int>(v.frame.columnLabels));
    rows_->setValue(v.frame.rows);
    rowBands_->setCurrentIndex(static_cast<int>(v.frame.rowBands));
    rowLabels_->setCurrentIndex(static_cast<int>(v.frame.rowLabels));
    width_->setValue(v.frame.widthMm);
    height_->setValue(v.frame.heightMm);
    filling_ = false;
  }

  ShapeValues values() const {
    ShapeValues v;
    v.kind = static_cast<ShapeKind>(pages_->currentIndex());
    v.polygon = {corners_->value(), radius_->value(),     lineWidth_->value(),
                 offset_->value(),  filled_->isChecked(), rays_->isChecked()};
    v.spiral = {start_->value(), gap_->value(), trackWidth_->value(),
                roundSpiralTurns(turns_->value()),
                roundSpiral_->isChecked() ? SpiralForm::Round : SpiralForm::Square};
    v.frame.columns = columns_->value();
    v.frame.columnBands = static_cast<FrameBands>(columnBands_->currentIndex());
    v.frame.columnLabels = static_cast<FrameLabels>(columnLabels_->currentIndex());
    v.frame.rows = rows_->value();
    v.frame.rowBands = static_cast<FrameBands>(rowBands_->currentIndex());
    v.frame.rowLabels = static_cast<FrameLabels>(rowLabels_->currentIndex());
    v.frame.widthMm = width_->value();
    v.frame.heightMm = height_->value();
    return v;
  }

  void refresh() {
    if (filling_) return;
    dialog_.values = values();
    if (!dialog_.preview) return;
    ObjectList shape = dialog_.preview(dialog_.values);
    if (dialog_.values.kind == ShapeKind::Spiral) {
      const TRect box = objectListBounds(shape, {});
      const double across = static_cast<double>(std::max(rectWidth(box), rectHeight(box)));
      diameter_->setText(QString::fromStdString(
          fillIn(texts::shapeDiameter,
                 {formatLength(across, dialog_.mil ? LengthUnit::Mil : LengthUnit::Mm)})));
    }
    preview_->show(std::move(shape));
  }

  ShapeDialog& dialog_;
  Host& host_;
  bool filling_ = false;
  QTabWidget* pages_;
  QSpinBox* corners_;
  TPvbSpinEdit* radius_;
  TPvbSpinEdit* lineWidth_;
  QDoubleSpinBox* offset_;
  QCheckBox* filled_;
  QCheckBox* rays_;
  TPvbSpinEdit* start_;
  TPvbSpinEdit* gap_;
  TPvbSpinEdit* trackWidth_;
  QDoubleSpinBox* turns_;
  QRadioButton* roundSpiral_;
  QRadioButton* squareSpiral_;
  QLabel* diameter_;
  QSpinBox* columns_;
  QComboBox* columnBands_;
  QComboBox* columnLabels_;
  QSpinBox* rows_;
  QComboBox* rowBands_;
  QComboBox* rowLabels_;
  TPvbSpinEdit* width_;
  TPvbSpinEdit* height_;
  TilePreview* preview_;
};

}  // namespace

bool runShapeDialog(QWidget* parent, ShapeDialog& dialog, Host& host, const HelpOpener& openHelp) {
  TVielEckDlg window(dialog, host, openHelp, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace pravelo
