#pragma once

#include "document/object.h"
#include "view/drawing_surface.h"

namespace pravelo {

// World points of an object's point list.
std::vector<DPoint> worldPoints(const std::vector<FPoint>& points);

// Breaks single objects into the shapes of a drawing surface: the normal shape, or grown by an
// enlargement in units for the ground plane's clearance cut.
class ObjectPainter {
 public:
  explicit ObjectPainter(DrawingSurface& surface) : surface_(surface) {}

  void draw(const TObjekt& o, int enlargement = 0) const;

  void drawTrack(const TObjekt& track, int enlargement = 0) const;
  void drawZone(const TObjekt& zone, int enlargement = 0) const;
  void drawPad(const TObjekt& pad, int enlargement = 0) const;
  void drawSmdPad(const TObjekt& pad, int enlargement = 0) const;
  void drawCircle(const TObjekt& circle, int enlargement = 0) const;
  void drawText(const TObjekt& text, int enlargement = 0) const;

 private:
  void drawHatch(const TObjekt& zone) const;

  DrawingSurface& surface_;
};

}  // namespace pravelo
