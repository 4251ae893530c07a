#include "ui/print_painter.h"

#include <QFont>
#include <QImage>
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

// The picture as Qt sees it: a colour one shares the picture's pixels, a monochrome one gets a
// palette of the tint for black and white for the rest.
QImage printPicture(const ScanPicture& picture, Rgb tint) {
  if (!picture.monochrome) {
    return QImage(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                  QImage::Format_RGB888);
  }
  QImage image(picture.width, picture.height, QImage::Format_Indexed8);
  image.setColorTable({printColour(tint).rgb(), qRgb(255, 255, 255)});
  const std::uint8_t* p = picture.rgb.data();
  for (int y = 0; y < picture.height; ++y) {
    uchar* out = image.scanLine(y);
    for (int x = 0; x < picture.width; ++x, p += 3) out[x] = (p[0] | p[1] | p[2]) == 0 ? 0 : 1;
  }
  return image;
}

// Image pixels onto the item's three corners, dropping pixels when reducing.
void paintPrintPicture(QPainter& painter, const PrintItem& item) {
  const ScanPicture& picture = *item.picture;
  if (picture.width <= 0 || picture.height <= 0 || item.shape.points.size() != 3) return;
  const DPoint& topLeft = item.shape.points[0];
  const DPoint& topRight = item.shape.points[1];
  const DPoint& bottomLeft = item.shape.points[2];
  const double w = picture.width;
  const double h = picture.height;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setTransform(QTransform((topRight.x - topLeft.x) / w, (topRight.y - topLeft.y) / w,
                                  (bottomLeft.x - topLeft.x) / h, (bottomLeft.y - topLeft.y) / h,
                                  topLeft.x, topLeft.y),
                       true);
  painter.drawImage(QRectF(0, 0, w, h), printPicture(picture, item.shape.colour));
  painter.restore();
}

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
      case PrintItem::Kind::Picture:
        if (item.picture) paintPrintPicture(painter, item);
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
