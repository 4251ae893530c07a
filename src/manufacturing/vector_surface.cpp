#include "manufacturing/vector_surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/arc.h"

namespace pravelo {
namespace {

// Curves become chords that stray at most this far from them: 1 micrometre.
constexpr double kVectorChordError = 10;

int vectorArcSegments(double radius, double sweepRadians) {
  if (radius <= kVectorChordError) return 8;
  const double step = 2 * std::acos(1 - kVectorChordError / radius);
  return std::clamp(static_cast<int>(std::ceil(sweepRadians / step)), 8, 720);
}

std::vector<DPoint> vectorArcPoints(DPoint centre, double radius, double startRadians,
                                    double sweepRadians) {
  const int segments = vectorArcSegments(radius, sweepRadians);
  std::vector<DPoint> points;
  points.reserve(segments + 1);
  for (int i = 0; i <= segments; ++i) {
    const double a = startRadians + sweepRadians * i / segments;
    points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  return points;
}

}  // namespace

std::vector<DPoint> vectorDisc(DPoint centre, double radius) {
  std::vector<DPoint> points = vectorArcPoints(centre, radius, 0, 2 * std::numbers::pi);
  points.pop_back();
  return points;
}

void VectorSurface::fillPolygon(std::vector<DPoint> outline) {
  if (outline.size() >= 3) shapes_.push_back({colour(), std::move(outline)});
}

void VectorSurface::strokePolyline(std::vector<DPoint> points, double width, EndCap start,
                                   EndCap end, bool closed) {
  if (points.empty()) return;
  if (start != end) {
    // Neither file format caps the two ends of a line differently: cut both, round one by a dot.
    const DPoint round = start == EndCap::Round ? points.front() : points.back();
    shapes_.push_back({colour(), std::move(points), width, false, closed});
    dot(round, width);
    return;
  }
  shapes_.push_back({colour(), std::move(points), width, start == EndCap::Round, closed});
}

void VectorSurface::dot(DPoint centre, double width) { fillPolygon(vectorDisc(centre, width / 2)); }

void VectorSurface::roundPad(DPoint centre, double radius, double /*hole*/) {
  fillPolygon(vectorDisc(centre, radius));
}

void VectorSurface::rectanglePad(DPoint /*centre*/, double /*sizeX*/, double /*sizeY*/,
                                 std::vector<DPoint> corners) {
  fillPolygon(std::move(corners));
}

void VectorSurface::arc(const ArcShape& a) {
  const DPoint centre{a.centre.x, a.centre.y};
  const double width = ringWidth(a.outer, a.inner) + 2.0 * a.growth;
  const double middle = centreLineRadius(a.outer, a.inner);
  const bool full = isFullCircle(a.start, a.stop);
  const double start = degreesToRadians(toDegrees(a.start));
  const double sweep =
      full ? 2 * std::numbers::pi : degreesToRadians(toDegrees(arcSpan(a.start, a.stop)));
  if (a.filled) {
    const double radius = a.outer + a.growth;
    if (full) {
      fillPolygon(vectorDisc(centre, radius));
      return;
    }
    // The segment up to the chord and a bar of the ring width along it, as on the screen.
    fillPolygon(vectorArcPoints(centre, radius, start, sweep));
    const std::vector<DPoint> ends = vectorArcPoints(centre, middle, start, sweep);
    strokePolyline({ends.back(), ends.front()}, width, EndCap::Round, EndCap::Round, false);
    return;
  }
  std::vector<DPoint> points = vectorArcPoints(centre, middle, start, sweep);
  if (full) points.pop_back();
  shapes_.push_back({colour(), std::move(points), width, true, full});
}

}  // namespace pravelo
