#include "manufacturing/gerber_surface.h"

#include <cmath>

#include "base/units.h"
#include "geometry/arc.h"

namespace pravelo {
namespace {

bool samePoint(DPoint a, DPoint b) { return a.x == b.x && a.y == b.y; }

int distinctPoints(const std::vector<DPoint>& outline) {
  std::vector<DPoint> seen;
  for (const DPoint& p : outline) {
    bool known = false;
    for (const DPoint& q : seen) known = known || samePoint(p, q);
    if (!known) seen.push_back(p);
    if (seen.size() >= 3) break;
  }
  return static_cast<int>(seen.size());
}

DPoint along(DPoint from, DPoint towards, double length) {
  const double d = std::hypot(towards.x - from.x, towards.y - from.y);
  return {from.x + (towards.x - from.x) * length / d, from.y + (towards.y - from.y) * length / d};
}

// The rectangle of full `width` between the centre-line points a and b.
std::vector<DPoint> bar(DPoint a, DPoint b, double width) {
  const double d = std::hypot(b.x - a.x, b.y - a.y);
  const double nx = -(b.y - a.y) / d * width / 2;
  const double ny = (b.x - a.x) / d * width / 2;
  return {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
}

}  // namespace

void GerberSurface::setPolarity(Polarity polarity) {
  if (polarity == polarity_) return;
  polarity_ = polarity;
  if (polarity == Polarity::Clear) {
    file_.clearPolarity();
  } else {
    file_.darkPolarity();
  }
}

void GerberSurface::region(const std::vector<DPoint>& outline) {
  // Fewer than three distinct corners enclose nothing and make an invalid region.
  if (distinctPoints(outline) < 3) return;
  file_.regionBegin();
  file_.move(outline.front());
  for (std::size_t i = 1; i < outline.size(); ++i) file_.draw(outline[i]);
  if (!samePoint(outline.back(), outline.front())) file_.draw(outline.front());
  file_.regionEnd();
}

void GerberSurface::fillPolygon(std::vector<DPoint> outline) { region(outline); }

void GerberSurface::strokePolyline(std::vector<DPoint> points, double width, EndCap start,
                                   EndCap end, bool closed) {
  if (points.empty()) return;
  const double w = static_cast<double>(roundHalfEven(width));
  // A flat end is cut square at its vertex: the round pen stops half its width short of the
  // vertex, and a bar of the full width fills up to it.
  std::vector<std::vector<DPoint>> caps;
  if (points.size() == 2 && start == EndCap::Flat && end == EndCap::Flat &&
      std::hypot(points[1].x - points[0].x, points[1].y - points[0].y) <= w) {
    region(bar(points[0], points[1], w));
    return;
  }
  if (start == EndCap::Flat && points.size() >= 2) {
    const DPoint inner = along(points[0], points[1], w / 2);
    caps.push_back(bar(points[0], inner, w));
    points[0] = inner;
  }
  if (end == EndCap::Flat && points.size() >= 2) {
    const std::size_t last = points.size() - 1;
    const DPoint inner = along(points[last], points[last - 1], w / 2);
    caps.push_back(bar(inner, points[last], w));
    points[last] = inner;
  }
  file_.setPenWidth(w);
  file_.move(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) file_.draw(points[i]);
  if (closed && points.size() > 2 && !samePoint(points.back(), points.front())) {
    file_.draw(points.front());
  }
  for (const auto& cap : caps) region(cap);
}

void GerberSurface::dot(DPoint centre, double width) {
  file_.setPenWidth(width);
  file_.move(centre);
  file_.draw(centre);
}

void GerberSurface::roundPad(DPoint centre, double radius, double hole) {
  file_.move(centre);
  file_.flashRound(hole, radius);
}

void GerberSurface::rectanglePad(DPoint centre, double sizeX, double sizeY,
                                 std::vector<DPoint> /*corners*/) {
  file_.move(centre);
  file_.flashRectangle(sizeX, sizeY);
}

void GerberSurface::arc(const ArcShape& a) {
  const double outer = a.outer + a.growth;
  const double inner = a.inner - a.growth;
  const std::int64_t width = roundHalfEven(outer - inner);
  const double radius = outer - static_cast<double>(roundHalfEven(width / 2.0));
  file_.setPenWidth(static_cast<double>(width));
  const std::int32_t span = std::abs(a.stop.value - a.start.value);
  const bool full = span < 100 || span > 359900;
  const FPoint start = pointOnArc(a.centre, radius, full ? MilliDeg{0} : a.start);
  const FPoint end = full ? start : pointOnArc(a.centre, radius, a.stop);
  file_.arc({a.centre.x, a.centre.y}, {start.x, start.y}, {end.x, end.y}, a.filled);
}

}  // namespace pravelo
