#include "copper/object_contours.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"
#include "copper/segment_outline.h"
#include "geometry/angles.h"

namespace pravelo {
namespace {

std::vector<IPoint> roundedPoints(const std::vector<FPoint>& points) {
  std::vector<IPoint> result;
  result.reserve(points.size());
  for (const FPoint& p : points) result.push_back(toIPoint(p));
  return result;
}

// Rounding here is std::nearbyint, the half-to-even rounding of roundHalfEven kept as a double,
// and offsets saturate: absurd sizes from a damaged file can neither overflow nor wrap around.
IPoint shifted(IPoint p, double dx, double dy) {
  return {roundToInt32(p.x + dx), roundToInt32(p.y + dy)};
}

IPoint onCircle(IPoint centre, double radius, double degrees) {
  return shifted(centre, std::nearbyint(radius * std::cos(degrees * kRadiansPerDegree)),
                 std::nearbyint(radius * std::sin(degrees * kRadiansPerDegree)));
}

std::int32_t roundedWidth(double w) { return roundToInt32(w); }

// A flat end only takes effect on a segment longer than half the line width.
bool flatEndEffective(IPoint a, IPoint b, std::int32_t width) {
  return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y) > width / 2.0;
}

void trackContours(const TObjekt& track, ContourList& out) {
  const std::vector<IPoint> pts = roundedPoints(track.points);
  if (pts.empty()) return;
  const std::int32_t w = std::max(track.width, kMinOutlineWidth);
  std::vector<std::size_t> starts;  // segments between distinct consecutive vertices
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
    if (pts[i] != pts[i + 1]) starts.push_back(i);
  }
  if (starts.empty()) {
    const IPoint p = pts[0];
    out.push_back(segmentOutline(p, shifted(p, 100, 100), w, false, false));
    return;
  }
  const std::size_t first = starts.front();
  const std::size_t last = starts.back();
  const bool flatStart =
      (track.variant & 1) != 0 && flatEndEffective(pts[first], pts[first + 1], track.width);
  const bool flatEnd =
      (track.variant & 2) != 0 && flatEndEffective(pts[last], pts[last + 1], track.width);
  for (const std::size_t i : starts) {
    out.push_back(
        segmentOutline(pts[i], pts[i + 1], w, flatStart && i == first, flatEnd && i == last));
  }
}

void zoneContours(const TObjekt& zone, ContourList& out) {
  const std::vector<IPoint> pts = roundedPoints(zone.points);
  if (pts.empty()) return;
  const std::int32_t w = std::max(zone.width, kMinOutlineWidth);
  const std::size_t before = out.size();
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const IPoint a = pts[i];
    const IPoint b = pts[(i + 1) % pts.size()];
    if (a != b) out.push_back(segmentOutline(a, b, w, false, false));
  }
  if (out.size() == before) {
    const IPoint p = pts[0];
    out.push_back(segmentOutline(p, shifted(p, 1, 1), w, false, false));
  }
}

void circleContours(const TObjekt& circle, ContourList& out) {
  const double outer = circle.dim.x;
  double inner = circle.dim.y;
  if (outer - inner < 100) inner = outer - 100;
  const double start = circle.paramA / 1000.0;
  const double stop = circle.width / 1000.0;
  double sweep = circle.width == circle.paramA ? 360 : stop - start;
  if (sweep < 0) sweep += 360;
  const IPoint c = toIPoint(circle.pos);
  const double ringWidth = outer - inner;
  const double middle = (outer + inner) / 2;

  if (circle.optA != 0) {  // filled: the disc segment plus a bar along the missing part
    Contour disc;
    const IPoint from = onCircle(c, outer, start);
    disc.push_back(from);
    appendArc(disc, from, onCircle(c, outer, stop), c,
              boundedSegments(std::nearbyint(outer / 1000) + 3), 2 * outer,
              ArcTurn::kAnticlockwise);
    out.push_back(std::move(disc));
    out.push_back(segmentOutline(onCircle(c, middle, stop), onCircle(c, middle, start),
                                 roundedWidth(ringWidth), false, false));
    return;
  }

  const int n = std::max(
      1, boundedSegments(std::nearbyint((std::nearbyint(outer / 5000) + 24) * sweep / 360)));
  Contour ring;
  const IPoint outerFrom = onCircle(c, outer, start);
  ring.push_back(outerFrom);
  appendArc(ring, outerFrom, onCircle(c, outer, stop), c, n, 2 * outer, ArcTurn::kAnticlockwise);
  const IPoint innerFrom = onCircle(c, inner, stop);
  ring.push_back(innerFrom);
  appendArc(ring, innerFrom, onCircle(c, inner, start), c, n, 2 * inner, ArcTurn::kClockwise);
  out.push_back(std::move(ring));

  const int capSegments = boundedSegments(std::nearbyint(ringWidth / 2 / 1000) + 8);
  for (const double angle : {stop, start}) {
    const IPoint m = onCircle(c, middle, angle);
    out.push_back(circleOutline(m, onCircle(m, ringWidth / 2, 0), capSegments, ringWidth));
  }
}

// The outline with each corner cut by g = c/2 * (2 - sqrt 2), close to the rounded corners of
// a true offset by c/2.
Contour chamferedOutline(const std::vector<FPoint>& corners, std::int32_t clearance) {
  const double g = clearance / 2.0 * (2 - std::sqrt(2.0));
  Contour contour;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const FPoint a = corners[i];
    const FPoint b = corners[(i + 1) % corners.size()];
    const double phi = directionAngle(a, b).value;  // clockwise from +x
    const double ux = g * std::cos(phi);
    const double uy = -g * std::sin(phi);
    contour.push_back(toIPoint(DPoint{a.x + ux, a.y + uy}));
    contour.push_back(toIPoint(DPoint{b.x - ux, b.y - uy}));
  }
  return contour;
}

void padContours(const TObjekt& pad, std::int32_t chamferClearance, ContourList& out) {
  const int shape = pad.variant;
  if (shape < kPadCircular || shape > kPadRectangleV || pad.points.empty()) return;
  const std::vector<IPoint> pts = roundedPoints(pad.points);
  switch (shape) {
    case kPadCircular: {
      if (pts.size() < 2) return;
      const int n = boundedSegments(std::nearbyint(pad.dim.x / 2500) + 12);
      out.push_back(
          circleOutline(toIPoint(pad.pos), pts[0], n, distance(pad.points[0], pad.points[1])));
      return;
    }
    case kPadRoundedH:
    case kPadRoundedV: {
      if (pts.size() < 2) return;
      // The cap centres stay put when a pad grows: the enlargement widens the bar.
      const std::int32_t w =
          roundedWidth(distance(pad.points[0], pad.points[1])) + 2 * pad.padEnlargement;
      out.push_back(segmentOutline(pts[0], pts[1], w, false, false));
      return;
    }
    case kPadSquare:
    case kPadRectangleH:
      if (chamferClearance > 0) {
        out.push_back(chamferedOutline(pad.points, chamferClearance));
        return;
      }
      break;
    default:
      break;
  }
  out.push_back(pts);
}

void smdPadContours(const TObjekt& smd, std::int32_t chamferClearance, ContourList& out) {
  if (smd.points.empty()) return;
  out.push_back(chamferClearance > 0 ? chamferedOutline(smd.points, chamferClearance)
                                     : roundedPoints(smd.points));
}

void textContours(const TObjekt& text, ContourList& out) {
  for (const TObjekt& stroke : text.children) {
    const std::vector<IPoint> pts = roundedPoints(stroke.points);
    if (pts.size() == 1) out.push_back(segmentOutline(pts[0], pts[0], stroke.width, false, false));
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
      out.push_back(segmentOutline(pts[i], pts[i + 1], stroke.width, false, false));
    }
  }
}

}  // namespace

ContourList objectContours(const TObjekt& o, std::int32_t chamferClearance) {
  ContourList out;
  switch (o.kind) {
    case kTrack:
      trackContours(o, out);
      break;
    case kZone:
      zoneContours(o, out);
      break;
    case kCircle:
      circleContours(o, out);
      break;
    case kPad:
      padContours(o, chamferClearance, out);
      break;
    case kSmdPad:
      smdPadContours(o, chamferClearance, out);
      break;
    case kText:
      textContours(o, out);
      break;
    default:
      break;
  }
  return out;
}

}  // namespace pravelo
