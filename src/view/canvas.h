#pragma once

#include <memory>
#include <vector>

#include "geometry/point.h"
#include "view/colour_scheme.h"
#include "view/frame.h"

namespace pravelo {

// How a shape's colour meets what lies below it.
enum class Blend {
  Normal,    // cover, with the paint's opacity
  Add,       // per-component saturating addition (transparent mode on a dark background)
  Subtract,  // subtract the inverted colour (transparent mode on a light background)
};

struct Paint {
  Rgb colour;
  Blend blend = Blend::Normal;
  std::uint8_t opacity = 255;
};

enum class LineCap { Round, Square, Butt };

// Draws, in pixel coordinates of the frame (y downwards), filled paths and strokes into a frame
// with AGG, anti-aliased or plain (two-level coverage, as printers and the ground-plane raster
// need). Coordinates are clipped in double precision before rasterising, so geometry far outside
// the frame (deep zoom) is handled exactly.
class Canvas {
 public:
  Canvas(Frame& frame, bool antiAliased);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Frame& frame() { return frame_; }
  bool antiAliased() const { return antiAliased_; }

  // Restricts drawing to a pixel rectangle [x0, x1) x [y0, y1).
  void clipTo(int x0, int y0, int x1, int y1);
  void resetClip();

  void clear(Rgb colour);
  void fillRect(double x0, double y0, double x1, double y1, const Paint& paint);
  // Fills a closed outline by the crossing-parity rule.
  void fillPolygon(const std::vector<DPoint>& outline, const Paint& paint);
  // A polyline of the given width; widths below one pixel are drawn one pixel wide.
  void strokePolyline(const std::vector<DPoint>& points, double width, LineCap cap,
                      const Paint& paint, bool closed = false);
  // A polyline with round joins whose two ends are capped separately (round or butt).
  void strokePolyline(const std::vector<DPoint>& points, double width, LineCap startCap,
                      LineCap endCap, const Paint& paint);
  void line(DPoint a, DPoint b, double width, const Paint& paint);
  void disc(DPoint centre, double radius, const Paint& paint);
  void circleOutline(DPoint centre, double radius, double width, const Paint& paint);
  // An arc on `radius` from `startDeg` anticlockwise (on screen, y up) by `sweepDeg`.
  void strokeArc(DPoint centre, double radius, double startDeg, double sweepDeg, double width,
                 LineCap cap, const Paint& paint);
  // The part of a disc cut off by the chord of the arc from `startDeg` by `sweepDeg`, united with
  // a bar with round ends from `barFrom` to `barTo`: the copper of a filled arc.
  void fillChordSegment(DPoint centre, double radius, double startDeg, double sweepDeg,
                        DPoint barFrom, DPoint barTo, double barWidth, const Paint& paint);

 private:
  struct Impl;
  Frame& frame_;
  bool antiAliased_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pravelo
