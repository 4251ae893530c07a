#include "ui/language_dialog.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

TLanguageDlg::TLanguageDlg(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
  setObjectName("TLanguageDlg");
  setWindowTitle(qtr(texts::languageCaption));
  list_->setObjectName("LB_Sprache");
  // In the order of the language numbers.
  list_->addItems(
      {qtr(texts::languageGerman), qtr(texts::languageEnglish), qtr(texts::languageFrench)});
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  QDialogButtonBox* buttons = dialogButtons(this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

std::optional<Language> TLanguageDlg::execute(Language current) {
  list_->setCurrentRow(static_cast<int>(current));
  if (exec() != QDialog::Accepted || list_->currentRow() < 0) return std::nullopt;
  return static_cast<Language>(list_->currentRow());
}

}  // namespace pravelo
