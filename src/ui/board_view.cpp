#include "ui/board_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "view/renderer.h"
#include "view/view_transform.h"

namespace pravelo {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::showActiveBoard(const Document& doc, const ColourScheme& scheme,
                                const RenderOptions& options) {
  doc_ = &doc;
  scheme_ = &scheme;
  options_ = &options;
  const Board& board = activeBoard(doc);
  const PixelSize size = canvasSize(board.header.width, board.header.height, board.header.zoom);
  setFixedSize(static_cast<int>(std::min<std::int64_t>(size.width, QWIDGETSIZE_MAX)),
               static_cast<int>(std::min<std::int64_t>(size.height, QWIDGETSIZE_MAX)));
  update();
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  // Between discarding a document and showing the next one there is no board.
  if (doc_ == nullptr || doc_->activeBoard < 0 ||
      doc_->activeBoard >= static_cast<int>(doc_->boards.size())) {
    painter.fillRect(exposed, palette().window());
    return;
  }
  const Board& board = activeBoard(*doc_);
  // The widget is the whole drawing surface: the exposed part starts at its own offset.
  ViewTransform view = viewOf(board.header);
  view.scrollX = exposed.x();
  view.scrollY = exposed.y();
  const Frame frame =
      renderBoard(board, view, *scheme_, *options_, exposed.width(), exposed.height());
  const QImage image(frame.pixels.data(), frame.width, frame.height, frame.width * 4,
                     QImage::Format_RGBA8888);
  painter.drawImage(exposed.topLeft(), image);
}

}  // namespace pravelo
