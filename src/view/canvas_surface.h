#pragma once

#include "view/canvas.h"
#include "view/drawing_surface.h"
#include "view/view_transform.h"

namespace pravelo {

// The drawing surface of a raster: every shape is filled on the canvas through the view, dark
// shapes with one paint and clear ones with another (the gap colour of a ground plane).
class CanvasSurface final : public DrawingSurface {
 public:
  CanvasSurface(Canvas& canvas, const ViewTransform& view) : canvas_(canvas), view_(view) {}

  void setPaint(const Paint& paint) { dark_ = paint; }
  void setClearPaint(const Paint& paint) { clear_ = paint; }

  void setPolarity(Polarity polarity) override { polarity_ = polarity; }
  void fillPolygon(std::vector<DPoint> outline) override;
  void strokePolyline(std::vector<DPoint> points, double width, EndCap start, EndCap end,
                      bool closed) override;
  void dot(DPoint centre, double width) override;
  void roundPad(DPoint centre, double radius, double hole) override;
  void rectanglePad(DPoint centre, double sizeX, double sizeY,
                    std::vector<DPoint> corners) override;
  void arc(const ArcShape& arc) override;

 private:
  const Paint& paint() const { return polarity_ == Polarity::Dark ? dark_ : clear_; }
  std::vector<DPoint>& toScreen(std::vector<DPoint>& points) const;
  double toPixels(double units) const { return units * view_.zoom; }

  Canvas& canvas_;
  const ViewTransform& view_;
  Paint dark_;
  Paint clear_;
  Polarity polarity_ = Polarity::Dark;
};

}  // namespace pravelo
