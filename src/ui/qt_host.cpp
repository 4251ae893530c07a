#include "ui/qt_host.h"

#include <QMessageBox>

namespace pravelo {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

Answer answerOf(int button) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

}  // namespace

void QtHost::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

Answer QtHost::ask(const std::string& text, const std::string& title, Buttons buttons,
                   MessageIcon icon) {
  QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  qtButtons(buttons), parent_);
  // Closing the box with Escape or its title bar answers No when there is no Cancel button.
  if (buttons == Buttons::YesNo) box.setEscapeButton(QMessageBox::No);
  return answerOf(box.exec());
}

}  // namespace pravelo
