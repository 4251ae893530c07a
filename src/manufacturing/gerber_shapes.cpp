#include "manufacturing/gerber_shapes.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/units.h"
#include "geometry/angles.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/import_error.h"

namespace pravelo {
namespace {

// What creating one object costs against the reader's work budget, besides its points.
constexpr long long kGerberObjectWork = 64;
// Circles smaller than this are left out of macros.
constexpr double kSmallestMacroCircle = 101;
// A moiré draws at most this many rings.
constexpr int kMoireRingLimit = 100;
constexpr int kPolygonVertexLimit = 200;

FPoint pointAt(double x, double y) { return {static_cast<float>(x), static_cast<float>(y)}; }

// A macro's point (x, y) turned by `degrees` about the macro origin and put at the flash point.
FPoint macroPoint(FPoint at, double x, double y, double degrees) {
  const double a = degreesToRadians(degrees);
  const double c = std::cos(a);
  const double s = std::sin(a);
  return pointAt(at.x + x * c - y * s, at.y + x * s + y * c);
}

void addImportCircle(const GerberTarget& target, FPoint centre, double outer, double inner,
                     bool filled) {
  TObjekt o = newObject();
  initCircle(o, centre, roundToInt32(outer), target.layer, roundToInt32(std::max(0.0, inner)));
  o.optA = filled ? 1 : 0;
  addImportObject(target, std::move(o));
}

void addImportPad(const GerberTarget& target, FPoint at, std::uint8_t shape, double outer,
                  double hole) {
  TObjekt o = newObject();
  initPad(o, at, target.layer, shape, static_cast<float>(std::max(0.0, hole)),
          static_cast<float>(outer));
  addImportObject(target, std::move(o));
}

void addRegularPolygon(const GerberTarget& target, FPoint centre, double radius, int vertices,
                       double startDegrees) {
  std::vector<FPoint> points;
  for (int k = 0; k < vertices; ++k) {
    const double a = degreesToRadians(360.0 / vertices * k + startDegrees);
    points.push_back(pointAt(centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)));
  }
  addImportZone(target, points);
}

// A rectangle of `w` x `h` whose lower left corner is (x, y) in macro coordinates.
void addMacroRectangle(const GerberTarget& target, FPoint at, double x, double y, double w,
                       double h, double degrees) {
  addImportZone(target, {macroPoint(at, x, y, degrees), macroPoint(at, x + w, y, degrees),
                         macroPoint(at, x + w, y + h, degrees), macroPoint(at, x, y + h, degrees)});
}

void flashRectangle(const GerberTarget& target, const GerberAperture& a, FPoint at) {
  const double f = target.unitsPerFileUnit;
  const double w = a.parameter(0) * f;
  const double h = a.parameter(1) * f;
  if (w <= 0 || h <= 0) return;
  if (roundHalfEven(w) == roundHalfEven(h)) {
    addImportPad(target, at, kPadSquare, w / 2, a.parameter(2) * f / 2);
    return;
  }
  TObjekt o = newObject();
  initSmdPad(o, at, roundToInt32(w), target.layer, roundToInt32(h));
  addImportObject(target, std::move(o));
}

void flashOblong(const GerberTarget& target, const GerberAperture& a, FPoint at) {
  const double f = target.unitsPerFileUnit;
  const double w = a.parameter(0) * f;
  const double h = a.parameter(1) * f;
  if (w <= 0 || h <= 0) return;
  const double longer = std::max(w, h);
  const double shorter = std::min(w, h);
  if (roundHalfEven(longer) == 2 * roundHalfEven(shorter)) {
    addImportPad(target, at, w > h ? kPadRoundedH : kPadRoundedV, shorter / 2,
                 a.parameter(2) * f / 2);
    return;
  }
  const double half = (longer - shorter) / 2;
  if (w >= h) {
    addImportTrack(target, pointAt(at.x - half, at.y), pointAt(at.x + half, at.y), shorter);
  } else {
    addImportTrack(target, pointAt(at.x, at.y - half), pointAt(at.x, at.y + half), shorter);
  }
}

// Parameters of the primitives, exposure first where they have one.
void flashMacroPrimitive(const GerberTarget& target, const MacroPrimitive& p, FPoint at) {
  const double f = target.unitsPerFileUnit;
  const std::vector<double>& v = p.values;
  const auto value = [&](std::size_t i) { return i < v.size() ? v[i] : 0.0; };
  const bool hasExposure = p.code == 1 || p.code == 2 || p.code == 20 || p.code == 21 ||
                           p.code == 22 || p.code == 4 || p.code == 5;
  // Exposure off would cut the shape out of what lies below; as objects it is left out.
  if (hasExposure && (v.empty() || v[0] == 0)) return;
  switch (p.code) {
    case 1: {  // circle: exposure, diameter, centre x, centre y[, rotation]
      if (v.size() < 4) return;
      const double r = value(1) * f / 2;
      if (r < kSmallestMacroCircle) return;
      addImportCircle(target, macroPoint(at, value(2) * f, value(3) * f, value(4)), r, r, true);
      return;
    }
    case 2:
    case 20:  // vector line: exposure, width, start x, y, end x, y[, rotation]
      if (v.size() < 6) return;
      addImportTrack(target, macroPoint(at, value(2) * f, value(3) * f, value(6)),
                     macroPoint(at, value(4) * f, value(5) * f, value(6)), value(1) * f);
      return;
    case 21:  // centre line: exposure, width, height, centre x, y[, rotation]
      if (v.size() < 5) return;
      addMacroRectangle(target, at, (value(3) - value(1) / 2) * f, (value(4) - value(2) / 2) * f,
                        value(1) * f, value(2) * f, value(5));
      return;
    case 22:  // lower-left line: exposure, width, height, corner x, y[, rotation]
      if (v.size() < 5) return;
      addMacroRectangle(target, at, value(3) * f, value(4) * f, value(1) * f, value(2) * f,
                        value(5));
      return;
    case 4: {  // outline: exposure, n, n + 1 points, rotation
      if (v.size() < 2 || v[1] < 0) return;
      const std::size_t pairs = (v.size() - 2) / 2;
      const std::size_t wanted = static_cast<std::size_t>(std::min(v[1] + 1, 1e6));
      const std::size_t count = std::min(pairs, wanted);
      const double rotation = v.size() >= 2 + 2 * wanted + 1 ? v[2 + 2 * wanted] : 0.0;
      std::vector<FPoint> points;
      for (std::size_t k = 0; k < count; ++k) {
        points.push_back(macroPoint(at, v[2 + 2 * k] * f, v[3 + 2 * k] * f, rotation));
      }
      if (points.size() >= 3) addImportZone(target, points);
      return;
    }
    case 5: {  // polygon: exposure, vertices, centre x, y, diameter[, rotation]
      if (v.size() < 5 || v[1] < 3 || v[1] >= kPolygonVertexLimit) return;
      const FPoint centre = macroPoint(at, value(2) * f, value(3) * f, value(5));
      addRegularPolygon(target, centre, value(4) * f / 2, static_cast<int>(v[1]), value(5));
      return;
    }
    case 6: {  // moiré: centre x, y, diameter, thickness, gap, rings, cross thickness, length
      if (v.size() < 8) return;
      const FPoint centre = macroPoint(at, value(0) * f, value(1) * f, value(8));
      const double thickness = std::max(0.0, value(3) * f);
      const double gap = std::max(0.0, value(4) * f);
      const int rings = static_cast<int>(std::clamp(value(5), 0.0, double(kMoireRingLimit)));
      for (int k = 0; k < rings; ++k) {
        const double outer = value(2) * f / 2 - (thickness + gap) * k;
        if (outer <= 0) break;
        addImportCircle(target, centre, outer, outer - thickness, false);
      }
      const double half = value(7) * f / 2;
      addImportTrack(target, macroPoint(at, value(0) * f - half, value(1) * f, value(8)),
                     macroPoint(at, value(0) * f + half, value(1) * f, value(8)), value(6) * f);
      addImportTrack(target, macroPoint(at, value(0) * f, value(1) * f - half, value(8)),
                     macroPoint(at, value(0) * f, value(1) * f + half, value(8)), value(6) * f);
      return;
    }
    default:
      return;
  }
}

}  // namespace

void checkImportRange(const GerberTarget& target, double value) {
  if (!(std::abs(value) <= kImportCoordinateLimit)) {
    throw ImportError(texts::importCoordinateTooFar, target.line);
  }
}

void addImportObject(const GerberTarget& target, TObjekt o) {
  for (double v :
       {double(o.pos.x), double(o.pos.y), double(o.dim.x), double(o.dim.y), double(o.width)}) {
    checkImportRange(target, v);
  }
  for (const FPoint& p : o.points) {
    checkImportRange(target, p.x);
    checkImportRange(target, p.y);
  }
  *target.steps += kGerberObjectWork + static_cast<long long>(o.points.size());
  o.clearance = kImportClearance;
  target.objects->push_back(std::make_unique<TObjekt>(std::move(o)));
}

void addImportTrack(const GerberTarget& target, FPoint from, FPoint to, double width) {
  TObjekt o = newObject();
  initTrack(o, roundToInt32(std::max(0.0, width)), target.layer);
  addPoint(o, from);
  addPoint(o, to);
  addImportObject(target, std::move(o));
}

void addImportZone(const GerberTarget& target, const std::vector<FPoint>& points) {
  TObjekt o = newObject();
  initZone(o, 0, target.layer);
  o.points = points;
  addImportObject(target, std::move(o));
}

void flashAperture(const GerberTarget& target, const GerberAperture& a, FPoint at) {
  const double f = target.unitsPerFileUnit;
  switch (a.type) {
    case 'C':
      if (a.parameter(0) > 0) {
        addImportPad(target, at, kPadCircular, a.parameter(0) * f / 2, a.parameter(1) * f / 2);
      }
      return;
    case 'R':
      flashRectangle(target, a, at);
      return;
    case 'O':
      flashOblong(target, a, at);
      return;
    case 'P': {
      const double n = a.parameter(1);
      if (n >= 3 && n < kPolygonVertexLimit && a.parameter(0) > 0) {
        addRegularPolygon(target, at, a.parameter(0) * f / 2, static_cast<int>(n), a.parameter(2));
      }
      return;
    }
    case 'M':
      for (const MacroPrimitive& p : a.primitives) flashMacroPrimitive(target, p, at);
      return;
    default:
      return;
  }
}

}  // namespace pravelo
