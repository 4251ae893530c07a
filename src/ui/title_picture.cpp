#include "ui/title_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "document/document_texts.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

// A few tracks between pads in copper colours, as decoration.
void drawBoardSketch(QPainter& p, QRectF area) {
  p.setPen(QPen(QColor(200, 160, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const double x = area.left();
  const double y = area.top();
  QPainterPath tracks;
  tracks.moveTo(x + 20, y + 20);
  tracks.lineTo(x + 80, y + 20);
  tracks.lineTo(x + 110, y + 50);
  tracks.lineTo(x + 170, y + 50);
  tracks.moveTo(x + 20, y + 80);
  tracks.lineTo(x + 120, y + 80);
  tracks.lineTo(x + 140, y + 100);
  p.drawPath(tracks);
  p.setPen(Qt::NoPen);
  for (QPointF pad : {QPointF(x + 20, y + 20), QPointF(x + 170, y + 50), QPointF(x + 20, y + 80),
                      QPointF(x + 140, y + 100)}) {
    p.setBrush(QColor(220, 180, 80));
    p.drawEllipse(pad, 9, 9);
    p.setBrush(QColor(20, 60, 20));
    p.drawEllipse(pad, 3, 3);
  }
}

}  // namespace

QPixmap titlePicture() {
  QPixmap picture(460, 260);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, 0, picture.height());
  background.setColorAt(0, QColor(10, 70, 30));
  background.setColorAt(1, QColor(5, 30, 15));
  p.fillRect(picture.rect(), background);
  drawBoardSketch(p, QRectF(250, 120, 200, 120));

  p.setPen(Qt::white);
  QFont title("Arial", 28, QFont::Bold);
  p.setFont(title);
  p.drawText(QRectF(24, 30, 420, 50), Qt::AlignLeft, qtr(texts::productCaption));
  QFont subtitle("Arial", 13);
  p.setFont(subtitle);
  p.setPen(QColor(200, 230, 200));
  p.drawText(QRectF(26, 82, 420, 30), Qt::AlignLeft, qtr(texts::titlePictureSubtitle));
  return picture;
}

}  // namespace pravelo
