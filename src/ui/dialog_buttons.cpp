#include "ui/dialog_buttons.h"

#include <QDialog>
#include <QPushButton>

#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

QDialogButtonBox* dialogButtons(QDialog* dialog, bool help) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton(qtr(texts::buttonOk), QDialogButtonBox::AcceptRole)->setObjectName("B_OK");
  buttons->addButton(qtr(texts::buttonCancel), QDialogButtonBox::RejectRole)
      ->setObjectName("B_Cancel");
  if (help) {
    buttons->addButton(qtr(texts::buttonHelp), QDialogButtonBox::HelpRole)->setObjectName("B_Help");
  }
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace pravelo
