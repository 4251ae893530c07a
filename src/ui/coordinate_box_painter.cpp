#include "ui/coordinate_box_painter.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

#include "editing/crosshair_texts.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

QFont coordinateBoxFont(int pixels) {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

int boxTextWidth(const CrosshairOptions& options) {
  return QFontMetrics(coordinateBoxFont(boxFontPixels(options)))
      .horizontalAdvance(qtr(texts::boxWidthSample));
}

void paintBoxRows(QPainter& painter, const CoordinateBox& box) {
  painter.setFont(coordinateBoxFont(box.fontPixels));
  for (const BoxRow& row : box.rows) {
    painter.setPen(QColor(row.colour.r, row.colour.g, row.colour.b));
    const QRect line(box.x + 4, row.top, box.width - 4, box.rowHeight + 2);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(row.text.label));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString::fromStdString(row.text.value));
  }
}

}  // namespace pravelo
