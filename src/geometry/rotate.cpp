#include "geometry/rotate.h"

#include <cmath>

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/point.h"
#include "geometry/text_strokes.h"

namespace pravelo {

namespace {

constexpr std::int64_t kQuarterTurn = 90;
constexpr std::int64_t kHalfTurn = 180;

// rotatePoint turns anticlockwise for a positive angle, the commands clockwise.
FPoint turned(FPoint p, FPoint centre, double clockwise) {
  return rotatePoint(p, centre, -clockwise);
}

// Negative angles and repeated turns would otherwise leave the range the arc code reads.
void turnCircleAngles(TObjekt& circle, double clockwise) {
  const std::int64_t by = roundHalfEven(clockwise * 1000);
  circle.paramA = wrapAngle(circle.paramA - by, kFullCircleMilliDeg);
  circle.width = wrapAngle(circle.width - by, kFullCircleMilliDeg);
}

}  // namespace

void rotateObject(TObjekt& o, FPoint centre, double degrees) {
  switch (o.kind) {
    case kTrack:
    case kZone:
      rotatePoints(o.points, centre, -degrees);
      return;
    case kPad:
    case kSmdPad:
      // The spoke pattern is relative to the pad's own rotation, which the outline carries.
      o.pos = turned(o.pos, centre, degrees);
      rotatePoints(o.points, centre, -degrees);
      return;
    case kCircle:
      o.pos = turned(o.pos, centre, degrees);
      turnCircleAngles(o, degrees);
      return;
    case kText:
      o.pos = turned(o.pos, centre, degrees);
      o.paramB = wrapAngle(std::int64_t{o.paramB} + roundHalfEven(degrees), kFullTurnDegrees);
      for (TObjekt& stroke : o.children) rotatePoints(stroke.points, centre, -degrees);
      return;
    case kLegacyText:
      o.pos = turned(o.pos, centre, static_cast<double>(kQuarterTurn));
      o.dim = turned(o.dim, centre, static_cast<double>(kQuarterTurn));
      o.paramA = wrapAngle(std::int64_t{o.paramA} + kQuarterTurn, kFullTurnDegrees);
      return;
    case kLegacyLine:
      o.pos = turned(o.pos, centre, degrees);
      o.dim = turned(o.dim, centre, degrees);
      return;
    default:
      return;
  }
}

bool labelUpsideDown(const TObjekt& label) {
  const std::int32_t r = wrapAngle(label.paramB, kFullTurnDegrees);
  const bool mirroredOnce = (label.optB != 0) != (label.optC != 0);
  return mirroredOnce ? r >= 135 && r <= 314 : r >= 46 && r <= 224;
}

bool turnLabelReadable(TObjekt& label) {
  const bool isLabel = label.kind == kText &&
                       (label.variant == kComponentIdText || label.variant == kComponentValueText);
  if (!isLabel || !labelUpsideDown(label)) return false;
  label.paramB = wrapAngle(std::int64_t{label.paramB} + kHalfTurn, kFullTurnDegrees);
  buildTextStrokes(label, true);
  return true;
}

void rotatePlacement(ComponentData& data, double degrees, bool topSide) {
  // The offset's y counts downwards, so turning its numbers anticlockwise turns it clockwise
  // on the board.
  data.placeOffset = rotatePoint(data.placeOffset, {0, 0}, degrees);
  double rotation = std::fmod(data.placeRotation + (topSide ? -degrees : degrees), 360.0);
  if (rotation < 0) rotation += 360;
  // A tiny negative remainder plus 360 can round to 360 itself.
  if (rotation >= 360) rotation = 0;
  data.placeRotation = rotation;
}

}  // namespace pravelo
