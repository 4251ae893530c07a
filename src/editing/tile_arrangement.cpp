#include "editing/tile_arrangement.h"

#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "editing/selection_units.h"
#include "geometry/angles.h"
#include "geometry/component_side.h"
#include "geometry/rotate.h"

namespace pravelo {

namespace {

constexpr double kCrossHalfMm = 2.0;  // the construction cross at the circle centre

// The circle's start point: the selection centre, moved by the start-point offsets only when
// the copies turn (without turning, the offsets could not matter to anything but the picture).
FPoint startPoint(FPoint centre, const TileValues& v) {
  if (!v.rotate) return centre;
  return {static_cast<float>(centre.x + mmToUnits(v.startXMm)),
          static_cast<float>(centre.y - mmToUnits(v.startYMm))};
}

// Where copy i goes relative to the start point: on the circle of radius r whose centre lies r
// below the start, from the top clockwise for a positive angle.
DPoint circleOffset(double r, double angle, int i) {
  const double t = degreesToRadians(i * angle);
  return {r * std::sin(t), r * std::cos(t) - r};
}

bool clipboardOnTop(const ObjectList& clipboard) {
  std::vector<const TObjekt*> members;
  for (const auto& o : clipboard) members.push_back(o.get());
  return componentOnTopSide(members);
}

// Turns the clipboard on by one step; the pick-and-place rotation counts the other way on the
// bottom side, where the part is seen from below.
void turnClipboard(ObjectList& clipboard, FPoint about, double degrees, bool top) {
  for (const auto& o : clipboard) {
    rotateObject(*o, about, degrees);
    if (!isIdText(*o)) continue;
    double& r = o->component.placeRotation;
    r = std::fmod(r + (top ? -degrees : degrees), 360.0);
    if (r < 0) r += 360.0;
  }
}

// Every paste adds the board's next component number to the pasted ones, so numbers as they
// come from the board would grow with each copy; 1, 2, … keep them as small as they can be.
void compactComponentNumbers(ObjectList& objects) {
  std::map<std::int16_t, std::int16_t> numbers;
  for (const auto& o : objects) {
    if (o->componentId == 0) continue;
    const auto [at, added] =
        numbers.emplace(o->componentId, static_cast<std::int16_t>(numbers.size() + 1));
    o->componentId = at->second;
  }
}

PlaceResult placeTiles(const TileValues& v, const ObjectList& clipboard, ObjectList& target,
                       bool withOwnPosition) {
  const double dx = static_cast<double>(mmToUnits(v.columnDistanceMm));
  const double dy = static_cast<double>(mmToUnits(v.rowDistanceMm));
  for (int i = 0; i < v.rows; ++i) {
    for (int j = 0; j < v.columns; ++j) {
      if (i == 0 && j == 0 && !withOwnPosition) continue;
      const PlaceResult r = placeClipboard(target, clipboard, {j * dx, -i * dy}, false);
      if (r != PlaceResult::Placed) return r;
    }
  }
  return PlaceResult::Placed;
}

PlaceResult placeOnCircle(const TileValues& v, FPoint start, ObjectList& clipboard,
                          ObjectList& target, bool withOwnPosition) {
  const double r = static_cast<double>(mmToUnits(v.radiusMm));
  const bool top = clipboardOnTop(clipboard);
  for (int i = 0; i < v.count; ++i) {
    if (i > 0 && v.rotate) turnClipboard(clipboard, start, v.angle, top);
    if (i == 0 && !withOwnPosition) continue;
    const PlaceResult placed =
        placeClipboard(target, clipboard, circleOffset(r, v.angle, i), false);
    if (placed != PlaceResult::Placed) return placed;
  }
  return PlaceResult::Placed;
}

TObjekt constructionLine(DPoint a, DPoint b) {
  TObjekt t = newObject();
  initTrack(t, 1, kLayerO);
  addPoint(t, {static_cast<float>(a.x), static_cast<float>(a.y)});
  addPoint(t, {static_cast<float>(b.x), static_cast<float>(b.y)});
  return t;
}

// The arc through the positions, whatever the signs: the copies lie at 90° − t about the centre
// for a positive radius and at 270° − t for a negative one, t running from 0 to the span. Arcs
// run anticlockwise from start to stop, so the smaller end comes first; a span of a whole turn
// or more is the full circle.
std::optional<TObjekt> constructionArc(DPoint centre, double r, const TileValues& v) {
  const std::int64_t span = roundHalfEven((v.count - 1) * v.angle);
  if (v.count < 2 || span == 0 || r == 0) return std::nullopt;
  const std::int64_t base = r > 0 ? 90 : 270;
  const std::int64_t from = std::min(base, base - span);
  TObjekt arc = newObject();
  const std::int32_t radius = static_cast<std::int32_t>(std::abs(r));
  initCircle(arc, {static_cast<float>(centre.x), static_cast<float>(centre.y)}, radius, kLayerO,
             radius - 1);
  if (std::abs(span) < 360) {
    arc.paramA = wrapAngle(from * 1000, kFullCircleMilliDeg);
    arc.width = wrapAngle((from + std::abs(span)) * 1000, kFullCircleMilliDeg);
  }
  return arc;
}

void addConstruction(const TileValues& v, FPoint start, ObjectList& target) {
  const double r = static_cast<double>(mmToUnits(v.radiusMm));
  const DPoint s{start.x, start.y};
  const DPoint c{s.x, s.y - r};
  const double cross = static_cast<double>(mmToUnits(kCrossHalfMm));
  const auto add = [&](TObjekt o) { target.push_back(std::make_unique<TObjekt>(std::move(o))); };
  if (auto arc = constructionArc(c, r, v)) add(std::move(*arc));
  add(constructionLine(s, {c.x, c.y - cross}));
  add(constructionLine({c.x - cross, c.y}, {c.x + cross, c.y}));
  for (int i = 0; i < v.count; ++i) {
    const DPoint d = circleOffset(r, v.angle, i);
    add(constructionLine(c, {s.x + d.x, s.y + d.y}));
  }
}

}  // namespace

PlaceResult buildTileCopies(const Board& board, const TileValues& values, ObjectList& clipboard,
                            ObjectList& target, bool withOwnPosition) {
  const std::optional<FPoint> centre = selectionCentre(board);
  if (!centre) return PlaceResult::Placed;
  copySelection(board.objects, clipboard);
  compactComponentNumbers(clipboard);
  const PlaceResult result =
      values.mode == TileMode::Tile
          ? placeTiles(values, clipboard, target, withOwnPosition)
          : placeOnCircle(values, startPoint(*centre, values), clipboard, target, withOwnPosition);
  compactComponentNumbers(target);
  return result;
}

ObjectList tilePreview(const Board& board, const TileValues& values) {
  ObjectList clipboard;
  ObjectList preview;
  buildTileCopies(board, values, clipboard, preview, true);
  const std::optional<FPoint> centre = selectionCentre(board);
  if (centre && values.mode == TileMode::Circular) {
    addConstruction(values, startPoint(*centre, values), preview);
  }
  return preview;
}

}  // namespace pravelo
