#include "ui/drill_list_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/document_texts.h"
#include "manufacturing/drill_list.h"
#include "manufacturing/drill_texts.h"
#include "ui/drill_dialog_texts.h"
#include "ui/qt_text.h"

namespace pravelo {

TBohrInfoDlg::TBohrInfoDlg(Host& host, QWidget* parent)
    : QDialog(parent),
      host_(host),
      simple_(new QCheckBox(qtr(texts::bohrInfoSimple), this)),
      throughHole_(new QCheckBox(qtr(texts::bohrInfoThroughHole), this)),
      list_(new QPlainTextEdit(this)) {
  setObjectName("TBohrInfoDlg");
  setWindowTitle(qtr(texts::bohrInfoCaption));
  simple_->setObjectName("CB_Bohrungen");
  throughHole_->setObjectName("CB_Vias");
  simple_->setChecked(true);
  throughHole_->setChecked(true);
  list_->setObjectName("M_Bohrungen");
  list_->setReadOnly(true);
  // The counts and diameters line up only in a fixed-width font.
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  connect(simple_, &QCheckBox::toggled, this, &TBohrInfoDlg::rebuild);
  connect(throughHole_, &QCheckBox::toggled, this, &TBohrInfoDlg::rebuild);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* copy =
      buttons->addButton(qtr(texts::bohrInfoClipboard), QDialogButtonBox::ActionRole);
  copy->setObjectName("B_Clipboard");
  buttons->addButton(qtr(texts::bohrInfoClose), QDialogButtonBox::RejectRole)
      ->setObjectName("B_Close");
  connect(copy, &QPushButton::clicked, this, &TBohrInfoDlg::copyToClipboard);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(simple_);
  layout->addWidget(throughHole_);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

void TBohrInfoDlg::showBoard(const Board& board, LengthUnit unit) {
  board_ = &board;
  unit_ = unit;
  rebuild();
}

void TBohrInfoDlg::execute(const Board& board, LengthUnit unit) {
  showBoard(board, unit);
  exec();
  board_ = nullptr;
}

QString TBohrInfoDlg::listText() const { return list_->toPlainText(); }

void TBohrInfoDlg::rebuild() {
  if (board_ == nullptr) return;
  const auto tools = drillListTools(*board_, simple_->isChecked(), throughHole_->isChecked());
  const char separator = QLocale().decimalPoint().at(0).toLatin1();
  list_->setPlainText(QString::fromStdString(
      drillListText(tools, unit_, separator == 0 ? '.' : separator, currentLanguage())));
}

void TBohrInfoDlg::copyToClipboard() {
  QGuiApplication::clipboard()->setText(listText());
  host_.showMessage(pravelo::tr(texts::drillInClipboard), pravelo::tr(texts::productName),
                    MessageIcon::Information);
}

}  // namespace pravelo
