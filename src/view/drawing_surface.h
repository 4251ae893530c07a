#pragma once

#include <vector>

#include "geometry/angles.h"
#include "geometry/point.h"

namespace pravelo {

// Dark adds material (copper, print, a mask opening); clear takes away what lies below.
enum class Polarity { Dark, Clear };

// How one end of a stroked polyline ends: round, or cut square at the end vertex.
enum class EndCap { Round, Flat };

// A circle object's ring or arc between two radii grown by `growth` on both sides, from `start`
// anticlockwise to `stop`; filled, the figure closed by the chord.
struct ArcShape {
  FPoint centre;
  double outer = 0;
  double inner = 0;
  double growth = 0;
  MilliDeg start;
  MilliDeg stop;
  bool filled = false;
};

// What every output draws on: the screen's anti-aliased canvas, the ground-plane raster and the
// Gerber writer. Objects are broken into these shapes once (ObjectPainter); each shape says what
// it is, so that a photoplotter file can flash a pad where a raster just fills it. Points and
// sizes are in world units.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual void setPolarity(Polarity polarity) = 0;
  // A filled outline (crossing parity).
  virtual void fillPolygon(std::vector<DPoint> outline) = 0;
  // A polyline drawn with a round pen of `width`, round joins; closed joins the last point to
  // the first.
  virtual void strokePolyline(std::vector<DPoint> points, double width, EndCap start, EndCap end,
                              bool closed) = 0;
  // A round dot of diameter `width`: a polyline whose points all coincide.
  virtual void dot(DPoint centre, double width) = 0;
  // A round pad; the hole radius tells pads of equal size apart, it is not drawn.
  virtual void roundPad(DPoint centre, double radius, double hole) = 0;
  // A rectangular pad whose sides lie along the axes; `corners` is its outline.
  virtual void rectanglePad(DPoint centre, double sizeX, double sizeY,
                            std::vector<DPoint> corners) = 0;
  virtual void arc(const ArcShape& arc) = 0;
};

}  // namespace pravelo
