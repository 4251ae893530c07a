#include "ui/run_input.h"

#include <QKeyEvent>

namespace pravelo {

bool holdInputDuringRun(const QEvent& event, bool& escape, bool mouseMoves) {
  switch (event.type()) {
    case QEvent::KeyPress:
      if (static_cast<const QKeyEvent&>(event).key() == Qt::Key_Escape) escape = true;
      return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return true;
    case QEvent::MouseMove:
      return mouseMoves;
    default:
      return false;
  }
}

}  // namespace pravelo
