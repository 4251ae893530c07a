#pragma once

#include "document/object.h"
#include "view/canvas.h"
#include "view/view_transform.h"

namespace pravelo {

// Draws single objects onto a canvas: the normal shape, or grown by an enlargement in units for
// the ground plane's clearance cut.
class ObjectPainter {
 public:
  ObjectPainter(Canvas& canvas, const ViewTransform& view) : canvas_(canvas), view_(view) {}

  void draw(const TObjekt& o, const Paint& paint, int enlargement = 0) const;

  void drawTrack(const TObjekt& track, const Paint& paint, int enlargement = 0) const;
  void drawZone(const TObjekt& zone, const Paint& paint, int enlargement = 0) const;
  void drawPad(const TObjekt& pad, const Paint& paint, int enlargement = 0) const;
  void drawSmdPad(const TObjekt& pad, const Paint& paint, int enlargement = 0) const;
  void drawCircle(const TObjekt& circle, const Paint& paint, int enlargement = 0) const;
  void drawText(const TObjekt& text, const Paint& paint, int enlargement = 0) const;

 private:
  void drawHatch(const TObjekt& zone, const Paint& paint) const;
  std::vector<DPoint> toScreen(const std::vector<FPoint>& points) const;
  DPoint toScreen(FPoint p) const { return worldToScreen(view_, p); }
  double toPixels(double units) const { return units * view_.zoom; }

  Canvas& canvas_;
  const ViewTransform& view_;
};

}  // namespace pravelo
