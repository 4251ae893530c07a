#include "ui/ruler_bar.h"

#include <QPaintEvent>
#include <QPainter>

namespace pravelo {

namespace {

constexpr int kHorizontalFontPixels = 13;
constexpr int kVerticalFontPixels = 11;

QFont rulerFont(int pixels) {
  QFont font("Arial");
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

RulerBar::RulerBar(RulerAxis axis, QWidget* parent) : QWidget(parent) {
  spec_.axis = axis;
  setObjectName(axis == RulerAxis::Horizontal ? "HScalePaintBox" : "VScalePaintbox");
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Clicks and wheel turns on a ruler are not meant for the drawing area beneath.
  setAttribute(Qt::WA_NoMousePropagation);
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void RulerBar::follow(const RulerSpec& spec) {
  spec_ = spec;
  update();
}

void RulerBar::setMarker(std::optional<int> pixel) {
  if (pixel == marker_) return;
  marker_ = pixel;
  update();
}

std::vector<RulerTick> RulerBar::ticks() const {
  const bool horizontal = spec_.axis == RulerAxis::Horizontal;
  RulerSpec spec = spec_;
  // The horizontal ruler's first pixels lie under the corner.
  spec.from = horizontal ? kHorizontalRulerCorner : 0;
  spec.to = horizontal ? width() : height();
  return rulerTicks(spec);
}

void RulerBar::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), palette().button());
  p.setPen(Qt::black);
  const bool horizontal = spec_.axis == RulerAxis::Horizontal;
  const QFont font = rulerFont(horizontal ? kHorizontalFontPixels : kVerticalFontPixels);
  p.setFont(font);
  const QFontMetrics metrics(font);
  p.setClipRect(horizontal ? QRect(kHorizontalRulerCorner, 0, width(), height()) : rect());
  for (const RulerTick& tick : ticks()) {
    const QString label = QString::fromStdString(tick.label);
    if (horizontal) {
      p.drawLine(QPointF(tick.position, height() - tick.length), QPointF(tick.position, height()));
      if (label.isEmpty()) continue;
      const double top = horizontalLabelY(height(), metrics.height());
      p.drawText(QPointF(horizontalLabelX(tick.position), top + metrics.ascent()), label);
    } else {
      p.drawLine(QPointF(width() - tick.length, tick.position), QPointF(width(), tick.position));
      if (label.isEmpty()) continue;
      // The label reads upwards, starting below its mark.
      p.save();
      p.translate(verticalLabelX(),
                  verticalLabelY(tick.position, metrics.horizontalAdvance(label)));
      p.rotate(-90);
      p.drawText(QPointF(0, metrics.ascent()), label);
      p.restore();
    }
  }
  if (marker_) {
    p.setPen(QColor(200, 0, 0));
    if (horizontal) {
      p.drawLine(*marker_, 0, *marker_, height());
    } else {
      p.drawLine(0, *marker_, width(), *marker_);
    }
  }
}

}  // namespace pravelo
