#pragma once

#include <vector>

#include "manufacturing/vector_picture.h"
#include "view/drawing_surface.h"

namespace pravelo {

// A polygon of the circle, its chords at most 1 micrometre from the curve.
std::vector<DPoint> vectorDisc(DPoint centre, double radius);

// A drawing surface that records shapes, in world units, in the colour of their polarity.
class VectorSurface final : public DrawingSurface {
 public:
  explicit VectorSurface(std::vector<VectorShape>& shapes) : shapes_(shapes) {}

  void setColours(Rgb dark, Rgb clear) {
    dark_ = dark;
    clear_ = clear;
  }

  void setPolarity(Polarity polarity) override { polarity_ = polarity; }
  void fillPolygon(std::vector<DPoint> outline) override;
  void strokePolyline(std::vector<DPoint> points, double width, EndCap start, EndCap end,
                      bool closed) override;
  void dot(DPoint centre, double width) override;
  void roundPad(DPoint centre, double radius, double hole) override;
  void rectanglePad(DPoint centre, double sizeX, double sizeY,
                    std::vector<DPoint> corners) override;
  void arc(const ArcShape& a) override;

 private:
  Rgb colour() const { return polarity_ == Polarity::Dark ? dark_ : clear_; }

  std::vector<VectorShape>& shapes_;
  Rgb dark_;
  Rgb clear_;
  Polarity polarity_ = Polarity::Dark;
};

}  // namespace pravelo
