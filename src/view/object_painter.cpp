#include "view/object_painter.h"

#include <cmath>

#include "copper/hatch.h"
#include "geometry/arc.h"
#include "geometry/pad_geometry.h"
#include "geometry/point.h"

namespace pravelo {
namespace {

// A flat end is only effective when the segment at that end is longer than half the line width.
bool flatEndEffective(FPoint end, FPoint next, double width) {
  return std::hypot(double{end.x} - next.x, double{end.y} - next.y) > width / 2;
}

// The outline of a polygon pad rebuilt with its outer radius grown by `enlargement`, turned
// like the pad.
std::vector<FPoint> enlargedPadOutline(const TObjekt& pad, int enlargement) {
  TObjekt grown = pad;
  regeneratePadOutline(grown, std::nullopt, enlargement);
  return grown.points;
}

// The corners of an SMD pad grown by `enlargement` on every side.
std::vector<FPoint> enlargedSmdCorners(const TObjekt& pad, int enlargement) {
  const auto& c = pad.points;
  return rotatedRectangle(c, distance(c[0], c[1]) + 2.0 * enlargement,
                          distance(c[1], c[2]) + 2.0 * enlargement);
}

bool allVerticesCoincide(const std::vector<FPoint>& points) {
  for (const FPoint& p : points) {
    if (!(p == points.front())) return false;
  }
  return true;
}

}  // namespace

std::vector<DPoint> ObjectPainter::toScreen(const std::vector<FPoint>& points) const {
  std::vector<DPoint> result(points.size());
  worldToScreen(view_, points, result);
  return result;
}

void ObjectPainter::draw(const TObjekt& o, const Paint& paint, int enlargement) const {
  switch (o.kind) {
    case kTrack:
      drawTrack(o, paint, enlargement);
      break;
    case kZone:
      drawZone(o, paint, enlargement);
      break;
    case kPad:
      drawPad(o, paint, enlargement);
      break;
    case kSmdPad:
      drawSmdPad(o, paint, enlargement);
      break;
    case kCircle:
      drawCircle(o, paint, enlargement);
      break;
    case kText:
      drawText(o, paint, enlargement);
      break;
    default:
      break;
  }
}

void ObjectPainter::drawTrack(const TObjekt& track, const Paint& paint, int enlargement) const {
  const auto& pts = track.points;
  if (pts.empty()) return;
  const double width = static_cast<double>(track.width) + 2.0 * enlargement;
  const double widthPx = toPixels(width);
  if (allVerticesCoincide(pts)) {
    canvas_.disc(toScreen(pts[0]), std::max(0.5, widthPx / 2), paint);
    return;
  }
  const bool flatStart = (track.variant & 1) && flatEndEffective(pts[0], pts[1], width);
  const bool flatEnd =
      (track.variant & 2) && flatEndEffective(pts.back(), pts[pts.size() - 2], width);
  canvas_.strokePolyline(toScreen(pts), widthPx, flatStart ? LineCap::Butt : LineCap::Round,
                         flatEnd ? LineCap::Butt : LineCap::Round, paint);
}

void ObjectPainter::drawZone(const TObjekt& zone, const Paint& paint, int enlargement) const {
  if (zone.points.empty()) return;
  const std::vector<DPoint> outline = toScreen(zone.points);
  if (zone.optB && !zone.cutout && enlargement == 0) {
    drawHatch(zone, paint);
  } else {
    canvas_.fillPolygon(outline, paint);
  }
  const double widthPx = toPixels(static_cast<double>(zone.width) + 2.0 * enlargement);
  canvas_.strokePolyline(outline, widthPx, LineCap::Round, paint, zone.closed != 0);
}

void ObjectPainter::drawHatch(const TObjekt& zone, const Paint& paint) const {
  // The pitch follows the outline width for an automatic hatch; the lines are half as wide.
  const std::int32_t pitch = std::max(10, zone.optC ? 2 * zone.width : zone.paramB);
  const double width = toPixels(pitch / 2);
  for (const HatchSegment& s : hatchLines(zone, pitch, HatchVariant::kGrid)) {
    canvas_.strokePolyline({worldToScreen(view_, DPoint{double(s.from.x), double(s.from.y)}),
                            worldToScreen(view_, DPoint{double(s.to.x), double(s.to.y)})},
                           width, LineCap::Round, paint);
  }
}

void ObjectPainter::drawPad(const TObjekt& pad, const Paint& paint, int enlargement) const {
  if (isPureHole(pad)) return;
  const double radius = double{pad.dim.x} + enlargement;
  switch (pad.variant) {
    case kPadCircular:
      canvas_.disc(toScreen(pad.pos), toPixels(radius), paint);
      return;
    case kPadRoundedH:
    case kPadRoundedV:
      if (pad.points.size() >= 2) {
        canvas_.strokePolyline({toScreen(pad.points[0]), toScreen(pad.points[1])},
                               toPixels(2 * radius), LineCap::Round, paint);
      }
      return;
    default:
      canvas_.fillPolygon(
          toScreen(enlargement == 0 ? pad.points : enlargedPadOutline(pad, enlargement)), paint);
  }
}

void ObjectPainter::drawSmdPad(const TObjekt& pad, const Paint& paint, int enlargement) const {
  if (pad.points.size() != 4) return;
  canvas_.fillPolygon(
      toScreen(enlargement == 0 ? pad.points : enlargedSmdCorners(pad, enlargement)), paint);
}

void ObjectPainter::drawCircle(const TObjekt& circle, const Paint& paint, int enlargement) const {
  const double outer = circle.dim.x;
  const double inner = circle.dim.y;
  const DPoint centre = toScreen(circle.pos);
  const MilliDeg start = circleStartAngle(circle);
  const MilliDeg stop = circleStopAngle(circle);
  const bool full = isFullCircle(start, stop);
  const double sweep = toDegrees(arcSpan(start, stop));
  const double width = toPixels(ringWidth(outer, inner) + 2.0 * enlargement);
  if (circle.optA) {
    const double radius = toPixels(outer + enlargement);
    if (full) {
      canvas_.disc(centre, radius, paint);
      return;
    }
    // The copper of a filled arc (what every copper algorithm sees) is the segment up to the
    // chord and a bar of the ring width along it, not a pie slice reaching the centre.
    const double middle = centreLineRadius(outer, inner);
    canvas_.fillChordSegment(centre, radius, toDegrees(start), sweep,
                             toScreen(pointOnArc(circle.pos, middle, stop)),
                             toScreen(pointOnArc(circle.pos, middle, start)), width, paint);
    return;
  }
  const double middle = toPixels(centreLineRadius(outer, inner));
  if (full) {
    canvas_.circleOutline(centre, middle, width, paint);
  } else {
    canvas_.strokeArc(centre, middle, toDegrees(start), sweep, width, LineCap::Round, paint);
  }
}

void ObjectPainter::drawText(const TObjekt& text, const Paint& paint, int enlargement) const {
  if (isHiddenLabel(text)) return;
  for (const TObjekt& stroke : text.children) drawTrack(stroke, paint, enlargement);
}

}  // namespace pravelo
