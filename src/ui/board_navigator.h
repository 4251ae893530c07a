#pragma once

#include <QImage>
#include <QWidget>

#include "document/document.h"
#include "view/colour_scheme.h"
#include "view/navigator.h"

namespace pravelo {

class BoardView;

// The board navigator: a thumbnail of the active board with a rectangle showing the visible
// area. Dragging the rectangle scrolls the view; a click zooms in (left) or out (right).
class BoardNavigator : public QWidget {
 public:
  BoardNavigator(BoardView& view, QWidget* parent = nullptr);

  // The document and scheme must outlive the navigator. The thumbnail is drawn as the view draws
  // the board, turned over with it in the photo view from below.
  void showActiveBoard(Document& doc, const ColourScheme& scheme);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool hasBoard() const;
  NavigatorGeometry geometry() const;
  void drawThumbnail(const NavigatorGeometry& g);

  BoardView& view_;
  Document* doc_ = nullptr;
  const ColourScheme* scheme_ = nullptr;
  QImage thumbnail_;
  bool thumbnailValid_ = false;
  bool pressed_ = false;
  bool dragging_ = false;  // the press hit the visible-area rectangle
  bool dragged_ = false;
  QPointF grab_;  // the press position within the rectangle
};

}  // namespace pravelo
