#include "ui/new_board_dialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "document/document_texts.h"
#include "geometry/length_text.h"
#include "ui/dialog_buttons.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

constexpr int kNewBoardHelpTopic = 6;  // help topic of the dialog
constexpr QSize kPictureSize(72, 54);

// Two decimals and steps of 0.01 mm, with the unit beside the box.
TPvbSpinEdit* lengthField(const char* name, double minimum, double maximum, double value,
                          QWidget* parent) {
  auto* field = new TPvbSpinEdit(parent);
  field->setObjectName(name);
  field->setNachkommaStellen(2);
  field->setStep(0.01f);
  field->setMin(static_cast<float>(minimum));
  field->setMax(static_cast<float>(maximum));
  field->setMitEinheit(true);
  field->setValue(value);
  return field;
}

QLabel* resultLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

// A working area with the board of `mode` in it and the origin marker at its bottom left.
QImage modePicture(NewBoardMode mode) {
  QImage image(kPictureSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area(4, 4, kPictureSize.width() - 8, kPictureSize.height() - 8);
  p.fillRect(area, QColor(0, 40, 0));
  p.setPen(QPen(QColor(255, 220, 0), 2));
  const QRectF inner = area.adjusted(8, 8, -8, -8);
  if (mode == NewBoardMode::Rectangular) p.drawRect(inner);
  if (mode == NewBoardMode::Round) {
    const double d = inner.height();
    p.drawEllipse(QRectF(inner.center().x() - d / 2, inner.top(), d, d));
  }
  const QPointF origin = mode == NewBoardMode::Empty ? area.bottomLeft() : inner.bottomLeft();
  p.setPen(QPen(Qt::red, 2));
  p.drawLine(origin + QPointF(-4, 0), origin + QPointF(4, 0));
  p.drawLine(origin + QPointF(0, -4), origin + QPointF(0, 4));
  return image;
}

// In the unit of the fields.
void showResult(QLabel* label, std::int32_t units, LengthUnit unit) {
  label->setText(QString::fromStdString(formatLength(units, unit, 2)));
  label->setStyleSheet(isTooBig(units) ? "color: red" : "color: black");
}

}  // namespace

TNeuDlg::TNeuDlg(Host& host, QWidget* parent)
    : QDialog(parent), host_(host), pages_(new QStackedWidget(this)) {
  setObjectName("TNeuDlg");
  setWindowTitle(qtr(texts::newBoardCaption));

  auto* modes = new QVBoxLayout;
  auto* group = new QButtonGroup(this);
  const std::array<const Text*, 3> captions = {&texts::modeEmpty, &texts::modeRectangular,
                                               &texts::modeRound};
  for (int i = 0; i < 3; ++i) {
    modeButtons_[i] = new QToolButton(this);
    modeButtons_[i]->setObjectName(QString("SpeedButton%1").arg(i + 1));
    modeButtons_[i]->setCheckable(true);
    modeButtons_[i]->setIconSize(kPictureSize);
    group->addButton(modeButtons_[i], i);
    modeCaptions_[i] = new QLabel(qtr(*captions[i]), this);
    QFont bold = modeCaptions_[i]->font();
    bold.setBold(true);
    modeCaptions_[i]->setFont(bold);
    auto* row = new QHBoxLayout;
    row->addWidget(modeButtons_[i]);
    row->addWidget(modeCaptions_[i]);
    modes->addLayout(row);
  }
  connect(group, &QButtonGroup::idClicked, this,
          [this](int id) { chooseMode(static_cast<NewBoardMode>(id)); });

  emptyX_ = lengthField("SE_Leer_X", 1, 500, values_.emptyWidth, this);
  emptyY_ = lengthField("SE_Leer_Y", 1, 500, values_.emptyHeight, this);
  rectX_ = lengthField("SE_Rect_X", 1, 500, values_.rectWidth, this);
  rectY_ = lengthField("SE_Rect_Y", 1, 500, values_.rectHeight, this);
  rectMargin_ = lengthField("SE_Rect_Rand", 0, 500, values_.rectMargin, this);
  roundDiameter_ = lengthField("SE_Rund_DM", 1, 500, values_.roundDiameter, this);
  roundMargin_ = lengthField("SE_Rund_Rand", 0, 99.99, values_.roundMargin, this);
  rectResultX_ = resultLabel("L_Rect_X", this);
  rectResultY_ = resultLabel("L_Rect_Y", this);
  roundResultX_ = resultLabel("L_Rund_X", this);
  roundResultY_ = resultLabel("L_Rund_Y", this);
  for (TPvbSpinEdit* field : {rectX_, rectY_, rectMargin_, roundDiameter_, roundMargin_}) {
    connect(field, &TPvbSpinEdit::OnEditChange, this, [this] { showResultingSizes(); });
  }

  auto* empty = new QGroupBox(qtr(texts::sizeOfWorkingSpace));
  empty->setObjectName("Leer");
  auto* emptyForm = new QFormLayout(empty);
  emptyForm->addRow(qtr(texts::widthLabel), emptyX_);
  emptyForm->addRow(qtr(texts::heightLabel), emptyY_);

  auto* rect = new QGroupBox(qtr(texts::rectangularOutline));
  rect->setObjectName("Rechteckig");
  auto* rectForm = new QFormLayout(rect);
  rectForm->addRow(qtr(texts::widthLabel), rectX_);
  rectForm->addRow(qtr(texts::heightLabel), rectY_);
  rectForm->addRow(new QLabel(qtr(texts::distanceFromWorkingSpace)));
  rectForm->addRow(qtr(texts::distanceLabel), rectMargin_);
  rectForm->addRow(new QLabel(qtr(texts::resultingWorkingSpace)));
  rectForm->addRow(qtr(texts::widthLabel), rectResultX_);
  rectForm->addRow(qtr(texts::heightLabel), rectResultY_);

  auto* round = new QGroupBox(qtr(texts::roundOutline));
  round->setObjectName("Rund");
  auto* roundForm = new QFormLayout(round);
  roundForm->addRow(qtr(texts::diameterLabel), roundDiameter_);
  roundForm->addRow(new QLabel(qtr(texts::distanceFromWorkingSpace)));
  roundForm->addRow(qtr(texts::distanceLabel), roundMargin_);
  roundForm->addRow(new QLabel(qtr(texts::resultingWorkingSpace)));
  roundForm->addRow(qtr(texts::widthLabel), roundResultX_);
  roundForm->addRow(qtr(texts::heightLabel), roundResultY_);

  pages_->setObjectName("PageControl1");
  pages_->addWidget(empty);
  pages_->addWidget(rect);
  pages_->addWidget(round);

  name_ = new QLineEdit(qtr(texts::newBoardDefaultName), this);
  name_->setObjectName("E_Name");
  auto* nameRow = new QFormLayout;
  nameRow->addRow(qtr(texts::nameLabel), name_);

  QDialogButtonBox* buttons = dialogButtons(this, true);
  connect(buttons, &QDialogButtonBox::accepted, this, &TNeuDlg::okClick);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kNewBoardHelpTopic); });

  auto* top = new QHBoxLayout;
  top->addLayout(modes);
  top->addWidget(pages_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(nameRow);
  layout->addWidget(buttons);

  showPictures(false);
  showResultingSizes();
  modeButtons_[0]->setChecked(true);
  chooseMode(NewBoardMode::Empty);
}

bool TNeuDlg::execute(bool originAtTop, LengthUnit unit) {
  for (TPvbSpinEdit* field :
       {emptyX_, emptyY_, rectX_, rectY_, rectMargin_, roundDiameter_, roundMargin_}) {
    field->setMIL(unit == LengthUnit::Mil);
  }
  unit_ = unit;
  showResultingSizes();
  showPictures(originAtTop);
  return exec() == QDialog::Accepted;
}

void TNeuDlg::chooseMode(NewBoardMode mode) {
  values_.mode = mode;
  const int index = static_cast<int>(mode);
  pages_->setCurrentIndex(index);
  for (int i = 0; i < 3; ++i) {
    modeCaptions_[i]->setStyleSheet(i == index ? "color: red" : "color: black");
  }
}

void TNeuDlg::readFields() {
  values_.emptyWidth = emptyX_->value();
  values_.emptyHeight = emptyY_->value();
  values_.rectWidth = rectX_->value();
  values_.rectHeight = rectY_->value();
  values_.rectMargin = rectMargin_->value();
  values_.roundDiameter = roundDiameter_->value();
  values_.roundMargin = roundMargin_->value();
  values_.name = name_->text().toStdString();
}

void TNeuDlg::showResultingSizes() {
  readFields();
  const BoardSize rect = rectangularWorkingArea(values_);
  const BoardSize round = roundWorkingArea(values_);
  showResult(rectResultX_, rect.width, unit_);
  showResult(rectResultY_, rect.height, unit_);
  showResult(roundResultX_, round.width, unit_);
  showResult(roundResultY_, round.height, unit_);
}

void TNeuDlg::showPictures(bool originAtTop) {
  for (int i = 0; i < 3; ++i) {
    QImage picture = modePicture(static_cast<NewBoardMode>(i));
    if (originAtTop) picture = picture.mirrored(false, true);
    modeButtons_[i]->setIcon(QPixmap::fromImage(picture));
  }
}

void TNeuDlg::okClick() {
  readFields();
  if (!newBoardAcceptable(values_)) {
    host_.showMessage(pravelo::tr(texts::boardTooBig), pravelo::tr(texts::productName),
                      MessageIcon::Warning);
    return;
  }
  accept();
}

}  // namespace pravelo
