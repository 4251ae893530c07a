#include "ui/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace pravelo {

namespace {

constexpr int kSize = 24;
const QColor kCopper(0xc0, 0x40, 0x20);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kSilk(0x20, 0x80, 0x20);

QPen pen(const QColor& colour, double width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawArrow(QPainter& p) {
  const QPolygonF arrow{{4, 2}, {4, 17}, {8, 13}, {11, 20}, {13, 19}, {10, 12}, {15, 12}};
  p.setPen(pen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPolygon(arrow);
}

void drawMagnifier(QPainter& p) {
  p.setPen(pen(kInk, 2));
  p.setBrush(QColor(0xd0, 0xe8, 0xff));
  p.drawEllipse(QPointF(9, 9), 6, 6);
  p.setPen(pen(kInk, 3));
  p.drawLine(QPointF(13.5, 13.5), QPointF(19, 19));
}

void drawTrack(QPainter& p) {
  p.setPen(pen(kCopper, 3));
  p.drawPolyline(QPolygonF{{3, 19}, {9, 19}, {16, 8}, {21, 8}});
}

void drawSmdPads(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kCopper);
  p.drawRect(QRectF(3, 5, 6, 12));
  p.drawRect(QRectF(13, 5, 6, 12));
}

void drawRing(QPainter& p) {
  p.setPen(pen(kCopper, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(11, 11), 7, 7);
}

void drawRectangle(QPainter& p) {
  p.setPen(pen(kCopper, 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(3, 5, 16, 12));
}

void drawZone(QPainter& p) {
  p.setPen(pen(kCopper, 1));
  p.setBrush(kCopper);
  p.drawPolygon(QPolygonF{{3, 18}, {6, 4}, {14, 7}, {20, 3}, {18, 18}});
}

void drawStar(QPainter& p) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = i % 2 == 0 ? 9 : 4;
    star << QPointF(11 + r * std::cos(angle), 11 + r * std::sin(angle));
  }
  p.setPen(pen(kCopper, 1));
  p.setBrush(kCopper);
  p.drawPolygon(star);
}

void drawLetter(QPainter& p) {
  p.setPen(pen(kSilk, 2.5));
  p.drawPolyline(QPolygonF{{4, 19}, {10, 3}, {16, 19}});
  p.drawLine(QPointF(6.5, 13), QPointF(13.5, 13));
}

void drawPadPair(QPainter& p, const QColor& link, Qt::PenStyle style) {
  QPen line = pen(link, 1.5);
  line.setStyle(style);
  p.setPen(line);
  p.drawLine(QPointF(5, 17), QPointF(17, 5));
  p.setPen(pen(kCopper, 2.5));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(5, 17), 3, 3);
  p.drawEllipse(QPointF(17, 5), 3, 3);
}

void drawAutoroute(QPainter& p) {
  p.setPen(pen(kCopper, 2.5));
  p.drawPolyline(QPolygonF{{5, 17}, {5, 11}, {11, 5}, {17, 5}});
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(5, 17), 3, 3);
  p.drawEllipse(QPointF(17, 5), 3, 3);
}

void drawTest(QPainter& p) {
  p.setPen(pen(kCopper, 2.5));
  p.drawLine(QPointF(3, 16), QPointF(12, 16));
  p.setPen(pen(kInk, 2));
  p.drawLine(QPointF(12, 14), QPointF(20, 4));
  p.setBrush(QColor(0xff, 0xd0, 0x00));
  p.drawEllipse(QPointF(12, 15), 2.5, 2.5);
}

void drawMeasure(QPainter& p) {
  p.setPen(pen(kInk, 1.5));
  p.setBrush(QColor(0xff, 0xe8, 0x80));
  p.drawRect(QRectF(2, 8, 19, 7));
  for (int x = 5; x < 21; x += 3) p.drawLine(QPointF(x, 8), QPointF(x, x % 2 == 0 ? 11 : 12.5));
}

void drawPhoto(QPainter& p) {
  p.setPen(pen(kInk, 1.5));
  p.setBrush(QColor(0x40, 0x90, 0x40));
  p.drawRoundedRect(QRectF(2, 6, 19, 13), 2, 2);
  p.setBrush(QColor(0xe0, 0xc0, 0x60));
  p.drawEllipse(QPointF(11.5, 12.5), 4, 4);
  p.drawRect(QRectF(5, 3.5, 5, 2.5));
}

void drawMask(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x30, 0x90, 0x50));
  p.drawRect(QRectF(2, 2, 19, 19));
  p.setBrush(kCopper);
  p.drawEllipse(QPointF(11.5, 11.5), 5, 5);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(11.5, 11.5), 1.5, 1.5);
}

void drawTool(QPainter& p, ToolId tool) {
  switch (tool) {
    case ToolId::Edit:
      return drawArrow(p);
    case ToolId::Zoom:
      return drawMagnifier(p);
    case ToolId::Track:
      return drawTrack(p);
    case ToolId::SmdPad:
      return drawSmdPads(p);
    case ToolId::Circle:
      return drawRing(p);
    case ToolId::Rectangle:
      return drawRectangle(p);
    case ToolId::Zone:
      return drawZone(p);
    case ToolId::SpecialForm:
      return drawStar(p);
    case ToolId::Text:
      return drawLetter(p);
    case ToolId::Connections:
      return drawPadPair(p, kInk, Qt::DashLine);
    case ToolId::Autoroute:
      return drawAutoroute(p);
    case ToolId::Test:
      return drawTest(p);
    case ToolId::Measure:
      return drawMeasure(p);
    case ToolId::PhotoView:
      return drawPhoto(p);
    case ToolId::SolderMask:
      return drawMask(p);
    default:
      return;
  }
}

}  // namespace

QIcon toolIcon(ToolId tool, const QString& hotkey) {
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  drawTool(p, tool);
  // A letter fits the corner; the Edit tool's "Esc" stays in the tool tip.
  if (hotkey.size() == 1) {
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRect(kSize - 10, kSize - 10, 10, 10), Qt::AlignCenter, hotkey);
  }
  p.end();
  return QIcon(picture);
}

QIcon groundPlaneIcon(PlaneGlyph glyph) {
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = glyph == PlaneGlyph::Disabled ? QColor(0xa0, 0xa0, 0xa0) : kInk;
  const QColor copper = glyph == PlaneGlyph::Disabled ? QColor(0xc8, 0xc8, 0xc8) : kCopper;
  const QRectF board(3, 4, 18, 16);
  p.setPen(pen(ink, 1));
  p.setBrush(glyph == PlaneGlyph::On ? QBrush(copper) : QBrush(Qt::white));
  p.drawRect(board);
  // The gap around a pad, then the pad.
  p.setPen(Qt::NoPen);
  if (glyph == PlaneGlyph::On) {
    p.setBrush(Qt::white);
    p.drawEllipse(board.center(), 5.5, 5.5);
  }
  p.setBrush(copper);
  p.drawEllipse(board.center(), 3.5, 3.5);
  p.end();
  return QIcon(picture);
}

}  // namespace pravelo
