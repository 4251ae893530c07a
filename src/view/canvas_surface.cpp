#include "view/canvas_surface.h"

#include <algorithm>

#include "geometry/arc.h"

namespace pravelo {
namespace {

LineCap lineCap(EndCap cap) { return cap == EndCap::Round ? LineCap::Round : LineCap::Butt; }

// Seen mirrored in x, an angle t points to 180 - t and the anticlockwise arc from start to stop
// becomes the one from (180 - stop) to (180 - start): same sweep, other end first. Only swapping
// the two ends would draw the complementary sweep.
ArcShape mirroredArc(ArcShape a) {
  const MilliDeg start = normalised({kFullCircleMilliDeg / 2 - a.stop.value});
  const MilliDeg stop = normalised({kFullCircleMilliDeg / 2 - a.start.value});
  a.start = start;
  a.stop = stop;
  return a;
}

}  // namespace

std::vector<DPoint>& CanvasSurface::toScreen(std::vector<DPoint>& points) const {
  for (DPoint& p : points) p = worldToScreen(view_, p);
  return points;
}

void CanvasSurface::fillPolygon(std::vector<DPoint> outline) {
  canvas_.fillPolygon(toScreen(outline), paint());
}

void CanvasSurface::strokePolyline(std::vector<DPoint> points, double width, EndCap start,
                                   EndCap end, bool closed) {
  const double widthPx = toPixels(width);
  if (start == end) {
    canvas_.strokePolyline(toScreen(points), widthPx, lineCap(start), paint(), closed);
  } else {
    canvas_.strokePolyline(toScreen(points), widthPx, lineCap(start), lineCap(end), paint());
  }
}

void CanvasSurface::dot(DPoint centre, double width) {
  canvas_.disc(worldToScreen(view_, centre), std::max(0.5, toPixels(width) / 2), paint());
}

void CanvasSurface::roundPad(DPoint centre, double radius, double /*hole*/) {
  canvas_.disc(worldToScreen(view_, centre), toPixels(radius), paint());
}

void CanvasSurface::rectanglePad(DPoint /*centre*/, double /*sizeX*/, double /*sizeY*/,
                                 std::vector<DPoint> corners) {
  canvas_.fillPolygon(toScreen(corners), paint());
}

void CanvasSurface::arc(const ArcShape& shape) {
  // The centre and chord points go through the mirrored view; the angles must follow.
  const ArcShape a = view_.mirrored ? mirroredArc(shape) : shape;
  const DPoint centre = worldToScreen(view_, a.centre);
  const bool full = isFullCircle(a.start, a.stop);
  const double sweep = toDegrees(arcSpan(a.start, a.stop));
  const double width = toPixels(ringWidth(a.outer, a.inner) + 2.0 * a.growth);
  if (a.filled) {
    const double radius = toPixels(a.outer + a.growth);
    if (full) {
      canvas_.disc(centre, radius, paint());
      return;
    }
    // The copper of a filled arc (what every copper algorithm sees) is the segment up to the
    // chord and a bar of the ring width along it, not a pie slice reaching the centre.
    const double middle = centreLineRadius(a.outer, a.inner);
    canvas_.fillChordSegment(centre, radius, toDegrees(a.start), sweep,
                             worldToScreen(view_, pointOnArc(shape.centre, middle, shape.stop)),
                             worldToScreen(view_, pointOnArc(shape.centre, middle, shape.start)),
                             width, paint());
    return;
  }
  const double middle = toPixels(centreLineRadius(a.outer, a.inner));
  if (full) {
    canvas_.circleOutline(centre, middle, width, paint());
  } else {
    canvas_.strokeArc(centre, middle, toDegrees(a.start), sweep, width, LineCap::Round, paint());
  }
}

}  // namespace pravelo
