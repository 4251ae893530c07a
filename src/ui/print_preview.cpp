#include "ui/print_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/print_painter.h"

namespace pravelo {
namespace {

constexpr int kPrintPreviewMargin = 20;
constexpr int kPrintRulerWidth = 16;  // inside the margin, beside the sheet
const QColor kPrintGridColour(192, 192, 192);

// Ticks every step that leaves at least four pixels between them; longer ones every 10 mm,
// figures where they do not crowd.
struct RulerSteps {
  int tick;
  int figure;
};

RulerSteps rulerSteps(double pixelsPerMm) {
  int tick = 1;
  for (int step : {1, 2, 5, 10}) {
    tick = step;
    if (step * pixelsPerMm >= 4) break;
  }
  int figure = 10;
  for (int step : {10, 20, 50, 100}) {
    figure = step;
    if (step * pixelsPerMm >= 30) break;
  }
  return {tick, figure};
}

}  // namespace

PrintPreview::PrintPreview(QWidget* parent) : QWidget(parent) {
  setObjectName("PB_Vorschau");
  setMinimumSize(360, 420);
  setMouseTracking(true);
  setCursor(Qt::SizeAllCursor);
}

void PrintPreview::show(PrintPage page, QRectF printable) {
  page_ = std::move(page);
  printable_ = printable;
  stale_ = true;
  update();
}

void PrintPreview::setGrid(bool on) {
  grid_ = on;
  update();
}

double PrintPreview::pixelsPerMm() const {
  if (page_.widthMm <= 0 || page_.heightMm <= 0) return 0;
  return std::max(0.0, std::min((width() - 2.0 * kPrintPreviewMargin) / page_.widthMm,
                                (height() - 2.0 * kPrintPreviewMargin) / page_.heightMm));
}

QPointF PrintPreview::sheetCorner() const { return {kPrintPreviewMargin, kPrintPreviewMargin}; }

QRectF PrintPreview::sheetRect() const {
  const double fit = pixelsPerMm();
  return {sheetCorner(), QSizeF(page_.widthMm * fit, page_.heightMm * fit)};
}

void PrintPreview::renderSheet(const QRectF& sheet) {
  stale_ = false;
  const QSize size(static_cast<int>(std::ceil(sheet.width())),
                   static_cast<int>(std::ceil(sheet.height())));
  sheetImage_ = QImage(size.expandedTo({1, 1}), QImage::Format_RGB32);
  sheetImage_.fill(Qt::white);
  QPainter painter(&sheetImage_);
  painter.setRenderHint(QPainter::Antialiasing);
  const double fit = pixelsPerMm();
  painter.scale(fit, fit);
  if (!printable_.isEmpty()) painter.setClipRect(printable_);
  paintPrintPage(painter, page_);
}

void PrintPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (pixelsPerMm() <= 0) return;
  const QRectF sheet = sheetRect();
  if (stale_ || sheetImage_.size() != QSize(static_cast<int>(std::ceil(sheet.width())),
                                            static_cast<int>(std::ceil(sheet.height())))) {
    renderSheet(sheet);
  }
  painter.fillRect(sheet.translated(4, 4), Qt::black);
  painter.drawImage(sheet.topLeft(), sheetImage_);
  const double fit = pixelsPerMm();
  const QRectF area(sheet.left() + printable_.left() * fit, sheet.top() + printable_.top() * fit,
                    printable_.width() * fit, printable_.height() * fit);
  if (grid_ && !area.isEmpty()) {
    painter.setPen(QPen(kPrintGridColour, 0));
    for (int quarter = 1; quarter <= 3; ++quarter) {
      const double x = area.left() + area.width() * quarter / 4;
      const double y = area.top() + area.height() * quarter / 4;
      painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
      painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
  }
  if (!area.isEmpty()) {
    painter.setPen(QPen(Qt::red, 0, Qt::DotLine));
    painter.drawRect(area);
  }
  paintRulers(painter, sheet);
}

void PrintPreview::paintRulers(QPainter& painter, const QRectF& sheet) const {
  const double fit = pixelsPerMm();
  const RulerSteps steps = rulerSteps(fit);
  const QRectF top(sheet.left(), sheet.top() - kPrintRulerWidth - 2, sheet.width(),
                   kPrintRulerWidth);
  const QRectF left(sheet.left() - kPrintRulerWidth - 2, sheet.top(), kPrintRulerWidth,
                    sheet.height());
  painter.fillRect(top, Qt::white);
  painter.fillRect(left, Qt::white);
  QFont font = painter.font();
  font.setPixelSize(8);
  painter.setFont(font);
  painter.setPen(QPen(Qt::black, 0));
  const auto tickLength = [&](int mm) {
    return mm % 10 == 0 ? kPrintRulerWidth * 0.5 : mm % 5 == 0 ? kPrintRulerWidth * 0.3 : 2.0;
  };
  for (int mm = 0; mm <= page_.widthMm; mm += steps.tick) {
    const double x = top.left() + mm * fit;
    painter.drawLine(QPointF(x, top.bottom()), QPointF(x, top.bottom() - tickLength(mm)));
    if (mm % steps.figure == 0)
      painter.drawText(QPointF(x + 2, top.top() + 8), QString::number(mm));
  }
  for (int mm = 0; mm <= page_.heightMm; mm += steps.tick) {
    const double y = left.top() + mm * fit;
    painter.drawLine(QPointF(left.right(), y), QPointF(left.right() - tickLength(mm), y));
    if (mm % steps.figure == 0) painter.drawText(QPointF(left.left(), y + 9), QString::number(mm));
  }
  if (!mouse_) return;
  painter.setPen(QPen(Qt::red, 0));
  if (mouse_->x() >= top.left() && mouse_->x() <= top.right()) {
    painter.drawLine(QPointF(mouse_->x(), top.top()), QPointF(mouse_->x(), top.bottom()));
  }
  if (mouse_->y() >= left.top() && mouse_->y() <= left.bottom()) {
    painter.drawLine(QPointF(left.left(), mouse_->y()), QPointF(left.right(), mouse_->y()));
  }
}

void PrintPreview::resizeEvent(QResizeEvent*) { stale_ = true; }

void PrintPreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragFrom_ = event->position();
}

void PrintPreview::mouseMoveEvent(QMouseEvent* event) {
  mouse_ = event->position();
  update();
  const double fit = pixelsPerMm();
  if (!dragFrom_ || !(event->buttons() & Qt::LeftButton) || fit <= 0) return;
  const QPointF moved = event->position() - *dragFrom_;
  dragFrom_ = event->position();
  emit dragged(moved.x() / fit, moved.y() / fit);
}

void PrintPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragFrom_.reset();
}

void PrintPreview::leaveEvent(QEvent*) {
  mouse_.reset();
  update();
}

}  // namespace pravelo
