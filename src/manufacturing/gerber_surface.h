#pragma once

#include "manufacturing/gerber_file.h"
#include "view/drawing_surface.h"

namespace pravelo {

// The drawing surface of a Gerber file: round pads and axis-parallel rectangular pads are
// flashed, strokes drawn with round apertures, filled shapes written as regions, arcs as
// circular interpolation.
class GerberSurface final : public DrawingSurface {
 public:
  explicit GerberSurface(GerberFile& file) : file_(file) {}

  void setPolarity(Polarity polarity) override;
  void fillPolygon(std::vector<DPoint> outline) override;
  void strokePolyline(std::vector<DPoint> points, double width, EndCap start, EndCap end,
                      bool closed) override;
  void dot(DPoint centre, double width) override;
  void roundPad(DPoint centre, double radius, double hole) override;
  void rectanglePad(DPoint centre, double sizeX, double sizeY,
                    std::vector<DPoint> corners) override;
  void arc(const ArcShape& arc) override;

 private:
  void region(const std::vector<DPoint>& outline);

  GerberFile& file_;
  Polarity polarity_ = Polarity::Dark;
};

}  // namespace pravelo
