#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <optional>

#include "manufacturing/print_layout.h"

namespace pravelo {

// The sheet with the composed page, scaled to fit with 20-pixel margins: the printable area
// outlined red and dotted, with "Grid" three silver lines each way at its quarters, and rulers
// in millimetres along the top and left edges with a guide line at the mouse. Dragging with
// the left button moves the image.
class PrintPreview : public QWidget {
  Q_OBJECT

 public:
  explicit PrintPreview(QWidget* parent = nullptr);
  // `printable` in millimetres from the sheet's top-left corner.
  void show(PrintPage page, QRectF printable);
  void setGrid(bool on);
  // Pixels a millimetre of the sheet, and where its top-left corner lies, at the present size.
  double pixelsPerMm() const;
  QPointF sheetCorner() const;

 signals:
  // The left button moved the image by this much on the sheet.
  void dragged(double dxMm, double dyMm);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QRectF sheetRect() const;
  // The page drawn once for each change, so that the guide lines need not draw it again.
  void renderSheet(const QRectF& sheet);
  void paintRulers(QPainter& painter, const QRectF& sheet) const;

  PrintPage page_;
  QRectF printable_;
  bool grid_ = true;
  QImage sheetImage_;
  bool stale_ = true;
  std::optional<QPointF> mouse_;
  std::optional<QPointF> dragFrom_;
};

}  // namespace pravelo
