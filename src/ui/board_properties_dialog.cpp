#include "ui/board_properties_dialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "base/units.h"
#include "document/document_texts.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

constexpr double kMaxSideMm = 500;
constexpr int kMaxStoredName = 30;
// What a title bar needs beside its caption: the window icon and the buttons.
constexpr int kTitleBarExtras = 120;

QDoubleSpinBox* sizeField(const char* name, QWidget* parent) {
  auto* field = new QDoubleSpinBox(parent);
  field->setObjectName(name);
  field->setLocale(QLocale::c());
  // Four decimals hold every size in units, so OK without an edit keeps the size exactly.
  field->setDecimals(4);
  field->setSingleStep(0.01);
  field->setSuffix(" mm");
  return field;
}

// Wide enough for the whole caption in the title bar, which shows it in bold.
int titleBarWidth(const QWidget& window) {
  QFont font = window.font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}

// A loaded board may be larger than a new one; its size must survive the dialog unchanged.
void showSize(QDoubleSpinBox* field, std::int32_t units) {
  const double mm = unitsToMm(units);
  field->setRange(1, std::max(kMaxSideMm, mm));
  field->setValue(mm);
}

}  // namespace

TBoardPropertiesDlg::TBoardPropertiesDlg(Host& host, QWidget* parent)
    : QDialog(parent),
      host_(host),
      width_(sizeField("SE_BoardX", this)),
      height_(sizeField("SE_BoardY", this)),
      name_(new QLineEdit(this)),
      multilayer_(new QCheckBox(qtr(texts::multilayerLabel), this)) {
  setObjectName("TBoardPropertiesDlg");
  setWindowTitle(qtr(texts::boardPropertiesCaption));
  name_->setObjectName("E_Board");
  name_->setMaxLength(kMaxStoredName);
  multilayer_->setObjectName("CB_InnerLayer");
  connect(multilayer_, &QCheckBox::toggled, this, &TBoardPropertiesDlg::multilayerToggled);

  auto* form = new QFormLayout;
  form->addRow(qtr(texts::widthLabel), width_);
  form->addRow(qtr(texts::heightLabel), height_);
  form->addRow(qtr(texts::nameLabel), name_);
  form->addRow(multilayer_);

  QDialogButtonBox* buttons = dialogButtons(this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setMinimumWidth(titleBarWidth(*this));
}

std::optional<BoardProperties> TBoardPropertiesDlg::execute(const Board& board) {
  board_ = &board;
  showSize(width_, board.header.width);
  showSize(height_, board.header.height);
  name_->setText(fromStored(board.name));
  {
    const QSignalBlocker block(multilayer_);
    multilayer_->setChecked(board.header.multilayer != 0);
  }
  const bool accepted = exec() == QDialog::Accepted;
  board_ = nullptr;
  if (!accepted) return std::nullopt;
  return BoardProperties{width_->value(), height_->value(), toStored(name_->text()),
                         multilayer_->isChecked()};
}

// Asks only when OK would delete something: the board has the switch on and objects on the
// inner layers.
void TBoardPropertiesDlg::multilayerToggled(bool on) {
  if (on || board_ == nullptr || !board_->header.multilayer || !hasInnerLayerObjects(*board_)) {
    return;
  }
  const std::string question = std::string(pravelo::tr(texts::innerLayersDeleted)) + "\n\n" +
                               pravelo::tr(texts::continueQuestion);
  if (host_.ask(question, pravelo::tr(texts::productName), Buttons::YesNo, MessageIcon::Warning) !=
      Answer::Yes) {
    const QSignalBlocker block(multilayer_);
    multilayer_->setChecked(true);
  }
}

}  // namespace pravelo
