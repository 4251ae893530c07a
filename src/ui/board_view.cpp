#include "ui/board_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace pravelo {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setMouseTracking(true);
}

void BoardView::showBoard(QSize pixels, QColor background) {
  background_ = background;
  setFixedSize(pixels);
  update();
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), background_);
}

}  // namespace pravelo
