#include "ui/print_painter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace pravelo {
namespace {

QPolygonF printPolygon(const std::vector<DPoint>& points) {
  QPolygonF polygon;
  for (const DPoint& p : points) polygon << QPointF(p.x, p.y);
  return polygon;
}

QColor printColour(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

void paintPrintPage(QPainter& painter, const PrintPage& page) {
  painter.save();
  for (const PrintItem& item : page.items) {
    const VectorShape& s = item.shape;
    switch (item.kind) {
      case PrintItem::Kind::ClipBegin:
        painter.save();
        painter.setClipRect(printPolygon(s.points).boundingRect(), Qt::IntersectClip);
        break;
      case PrintItem::Kind::ClipEnd:
        painter.restore();
        break;
      case PrintItem::Kind::Text: {
        // Scaled from a 100-pixel font: font sizes are whole numbers, text heights are not.
        painter.save();
        painter.translate(item.at.x, item.at.y);
        painter.scale(item.height / 100, item.height / 100);
        QFont font("Arial");
        font.setPixelSize(100);
        painter.setFont(font);
        painter.setPen(printColour(s.colour));
        painter.drawText(QPointF(0, 0), QString::fromStdString(item.text));
        painter.restore();
        break;
      }
      case PrintItem::Kind::Shape:
        if (s.points.empty()) break;
        if (s.width == 0 && !s.closed && s.points.size() >= 3) {
          painter.setPen(Qt::NoPen);
          painter.setBrush(printColour(s.colour));
          painter.drawPolygon(printPolygon(s.points));
        } else {
          QPen pen(printColour(s.colour), s.width, Qt::SolidLine,
                   s.roundCaps ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
          pen.setCosmetic(s.width == 0);
          painter.setPen(pen);
          painter.setBrush(Qt::NoBrush);
          const QPolygonF line = printPolygon(s.points);
          if (s.closed) {
            painter.drawPolygon(line);
          } else if (line.size() == 1) {
            painter.drawPoint(line.first());
          } else {
            painter.drawPolyline(line);
          }
        }
        break;
    }
  }
  painter.restore();
}

}  // namespace pravelo
