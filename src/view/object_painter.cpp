#include "view/object_painter.h"

#include <cmath>
#include <numbers>

#include "copper/hatch.h"
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

// Within a tenth of a degree of a multiple of 90 degrees: 0 or 2 for sides along x and y, 1 or
// 3 for the first side along y; -1 for any other angle.
int quarterTurns(double degrees) {
  const double turns = degrees / 90;
  const double nearest = std::nearbyint(turns);
  if (std::abs(turns - nearest) * 90 > 0.1) return -1;
  return static_cast<int>(nearest) & 3;
}

}  // namespace

std::vector<DPoint> worldPoints(const std::vector<FPoint>& points) {
  std::vector<DPoint> result;
  result.reserve(points.size());
  for (const FPoint& p : points) result.push_back({p.x, p.y});
  return result;
}

void ObjectPainter::draw(const TObjekt& o, int enlargement) const {
  switch (o.kind) {
    case kTrack:
      drawTrack(o, enlargement);
      break;
    case kZone:
      drawZone(o, enlargement);
      break;
    case kPad:
      drawPad(o, enlargement);
      break;
    case kSmdPad:
      drawSmdPad(o, enlargement);
      break;
    case kCircle:
      drawCircle(o, enlargement);
      break;
    case kText:
      drawText(o, enlargement);
      break;
    default:
      break;
  }
}

void ObjectPainter::drawTrack(const TObjekt& track, int enlargement) const {
  const auto& pts = track.points;
  if (pts.empty()) return;
  const double width = static_cast<double>(track.width) + 2.0 * enlargement;
  if (allVerticesCoincide(pts)) {
    surface_.dot({pts[0].x, pts[0].y}, width);
    return;
  }
  const bool flatStart = (track.variant & 1) && flatEndEffective(pts[0], pts[1], width);
  const bool flatEnd =
      (track.variant & 2) && flatEndEffective(pts.back(), pts[pts.size() - 2], width);
  surface_.strokePolyline(worldPoints(pts), width, flatStart ? EndCap::Flat : EndCap::Round,
                          flatEnd ? EndCap::Flat : EndCap::Round, false);
}

void ObjectPainter::drawZone(const TObjekt& zone, int enlargement) const {
  if (zone.points.empty()) return;
  std::vector<DPoint> outline = worldPoints(zone.points);
  if (zone.optB && !zone.cutout && enlargement == 0) {
    drawHatch(zone);
  } else {
    surface_.fillPolygon(outline);
  }
  surface_.strokePolyline(std::move(outline), static_cast<double>(zone.width) + 2.0 * enlargement,
                          EndCap::Round, EndCap::Round, zone.closed != 0);
}

void ObjectPainter::drawHatch(const TObjekt& zone) const {
  // The pitch follows the outline width for an automatic hatch; the lines are half as wide.
  const std::int32_t pitch = std::max(10, zone.optC ? 2 * zone.width : zone.paramB);
  const double width = pitch / 2;
  for (const HatchSegment& s : hatchLines(zone, pitch, HatchVariant::kGrid)) {
    surface_.strokePolyline(
        {DPoint{double(s.from.x), double(s.from.y)}, DPoint{double(s.to.x), double(s.to.y)}}, width,
        EndCap::Round, EndCap::Round, false);
  }
}

void ObjectPainter::drawPad(const TObjekt& pad, int enlargement) const {
  if (isPureHole(pad)) return;
  const double radius = double{pad.dim.x} + enlargement;
  switch (pad.variant) {
    case kPadCircular:
      surface_.roundPad({pad.pos.x, pad.pos.y}, radius, pad.dim.y);
      return;
    case kPadRoundedH:
    case kPadRoundedV:
      if (pad.points.size() >= 2) {
        surface_.strokePolyline(worldPoints({pad.points[0], pad.points[1]}), 2 * radius,
                                EndCap::Round, EndCap::Round, false);
      }
      return;
    default:
      surface_.fillPolygon(
          worldPoints(enlargement == 0 ? pad.points : enlargedPadOutline(pad, enlargement)));
  }
}

void ObjectPainter::drawSmdPad(const TObjekt& pad, int enlargement) const {
  if (pad.points.size() != 4) return;
  std::vector<DPoint> corners =
      worldPoints(enlargement == 0 ? pad.points : enlargedSmdCorners(pad, enlargement));
  const auto& c = pad.points;
  const double first = distance(c[0], c[1]) + 2.0 * enlargement;
  const double second = distance(c[1], c[2]) + 2.0 * enlargement;
  const double angle =
      std::atan2(double{c[1].y} - c[0].y, double{c[1].x} - c[0].x) * 180 / std::numbers::pi;
  const int turns = quarterTurns(angle);
  const FPoint centre = smdPadCentre(pad);
  if (turns < 0) {
    surface_.fillPolygon(std::move(corners));
  } else if (turns % 2 == 0) {
    surface_.rectanglePad({centre.x, centre.y}, first, second, std::move(corners));
  } else {
    surface_.rectanglePad({centre.x, centre.y}, second, first, std::move(corners));
  }
}

void ObjectPainter::drawCircle(const TObjekt& circle, int enlargement) const {
  surface_.arc({circle.pos, circle.dim.x, circle.dim.y, static_cast<double>(enlargement),
                circleStartAngle(circle), circleStopAngle(circle), circle.optA != 0});
}

void ObjectPainter::drawText(const TObjekt& text, int enlargement) const {
  if (isHiddenLabel(text)) return;
  for (const TObjekt& stroke : text.children) drawTrack(stroke, enlargement);
}

}  // namespace pravelo
