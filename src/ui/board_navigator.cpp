#include "ui/board_navigator.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/board_view.h"
#include "ui/qt_text.h"
#include "ui/view_ui_texts.h"
#include "view/render_options.h"
#include "view/renderer.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

QRectF toQRect(const PanelRect& r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

BoardNavigator::BoardNavigator(BoardView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setObjectName("PB_PlatinenZoom");
  setFixedSize(kNavigatorPanelWidth, kNavigatorThumbnailSide + 2 * kNavigatorTop);
  setStatusTip(qtr(texts::navigatorHint));
  connect(&view_, &BoardView::viewMoved, this, qOverload<>(&QWidget::update));
  connect(&view_, &BoardView::pictureChanged, this, [this] {
    thumbnailValid_ = false;
    update();
  });
}

void BoardNavigator::showActiveBoard(Document& doc, const ColourScheme& scheme) {
  doc_ = &doc;
  scheme_ = &scheme;
  thumbnailValid_ = false;
  update();
}

bool BoardNavigator::hasBoard() const {
  return doc_ != nullptr && doc_->activeBoard >= 0 &&
         doc_->activeBoard < static_cast<int>(doc_->boards.size());
}

NavigatorGeometry BoardNavigator::geometry() const {
  const BoardHeader& header = activeBoard(*doc_).header;
  return navigatorGeometry(header.width, header.height, view_.shownView(), view_.viewportSize());
}

// The thumbnail shows the board's objects without grid and origin marker.
void BoardNavigator::drawThumbnail(const NavigatorGeometry& g) {
  RenderOptions options = view_.drawOptions();
  options.showGrid = false;
  options.showOrigin = false;
  options.clipToView = false;
  const Frame frame = renderBoard(activeBoard(*doc_), navigatorThumbnailView(g, view_.shownView()),
                                  *scheme_, options, static_cast<int>(g.thumbnail.width),
                                  static_cast<int>(g.thumbnail.height));
  thumbnail_ = QImage(frame.pixels.data(), frame.width, frame.height, frame.width * 4,
                      QImage::Format_RGBA8888)
                   .copy();
  thumbnailValid_ = true;
}

void BoardNavigator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  if (!hasBoard()) return;
  const NavigatorGeometry g = geometry();
  if (!thumbnailValid_) drawThumbnail(g);
  const QRectF thumbnail = toQRect(g.thumbnail);
  p.drawImage(thumbnail.topLeft(), thumbnail_);
  p.setPen(palette().windowText().color());
  p.drawRect(thumbnail.adjusted(-1, -1, 0, 0));
  p.setClipRect(thumbnail);
  p.setPen(QColor(255, 255, 0));
  p.drawRect(toQRect(g.visible));
}

void BoardNavigator::mousePressEvent(QMouseEvent* event) {
  if (!hasBoard()) return;
  pressed_ = true;
  dragged_ = false;
  const QRectF visible = toQRect(geometry().visible);
  dragging_ = event->button() == Qt::LeftButton && visible.contains(event->position());
  grab_ = event->position() - visible.topLeft();
}

void BoardNavigator::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !hasBoard()) return;
  dragged_ = true;
  BoardHeader& header = activeBoard(*doc_).header;
  const QPointF to = event->position() - grab_;
  storeView(header, navigatorDrag(geometry(), view_.shownView(), to.x(), to.y()));
  view_.viewChanged();
}

void BoardNavigator::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_ || !hasBoard()) return;
  pressed_ = false;
  dragging_ = false;
  if (dragged_) return;
  const bool in = event->button() == Qt::LeftButton;
  if (!in && event->button() != Qt::RightButton) return;
  navigatorZoomCommand(activeBoard(*doc_), view_.viewportSize(), in);
  view_.viewChanged();
}

}  // namespace pravelo
