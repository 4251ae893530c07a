#pragma once

#include <QWidget>

#include "base/text.h"
#include "ui/qt_text.h"

namespace pravelo {

// A hint "short|long" gives the tool tip and the status-bar text; one without a bar gives both.
inline void setWidgetHint(QWidget* widget, const Text& hint) {
  const QString text = qtr(hint);
  const qsizetype bar = text.indexOf('|');
  widget->setToolTip(bar < 0 ? text : text.left(bar));
  widget->setStatusTip(bar < 0 ? text : text.mid(bar + 1));
}

}  // namespace pravelo
