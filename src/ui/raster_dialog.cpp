#include "ui/raster_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/document_texts.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/view_ui_texts.h"

namespace pravelo {

namespace {

// The value box takes digits and one decimal separator, and only as many digits as a grid
// value code holds; a typed character replaces the selection.
class GridValueEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint()) {
      QLineEdit::keyPressEvent(event);
      return;
    }
    QString remaining = text();
    if (hasSelectedText()) remaining.remove(selectionStart(), selectedText().size());
    const auto accepted = gridDialogKey(remaining.toStdString(), typed[0].toLatin1());
    if (accepted) insert(QString(QChar(*accepted)));
  }
};

QRadioButton* unitButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

TRasterDlg::TRasterDlg(Host& host, QWidget* parent)
    : QDialog(parent),
      host_(host),
      value_(new GridValueEdit(this)),
      mm_(unitButton("RB_mm", "mm", this)),
      um_(unitButton("RB_um", "\xC2\xB5m", this)),
      mil_(unitButton("RB_mil", "mil", this)) {
  setObjectName("TRasterDlg");
  setWindowTitle(qtr(texts::gridDialogCaption));
  value_->setObjectName("E_Raster");
  mm_->setChecked(true);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(qtr(texts::gridValueLabel), this));
  row->addWidget(value_);
  auto* units = new QHBoxLayout;
  for (QRadioButton* b : {mm_, um_, mil_}) units->addWidget(b);
  QDialogButtonBox* buttons = dialogButtons(this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TRasterDlg::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(units);
  layout->addWidget(buttons);
}

GridUnit TRasterDlg::unit() const {
  if (um_->isChecked()) return GridUnit::Um;
  if (mil_->isChecked()) return GridUnit::Mil;
  return GridUnit::Mm;
}

std::optional<std::int32_t> TRasterDlg::execute() {
  value_->selectAll();
  value_->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return code_;
}

void TRasterDlg::accept() {
  const GridCodeResult result = gridDialogValue(value_->text().toStdString(), unit());
  if (!result.ok()) {
    host_.showMessage(result.error, pravelo::tr(texts::productName), MessageIcon::Warning);
    return;
  }
  code_ = result.code;
  QDialog::accept();
}

}  // namespace pravelo
