#include "geometry/pad_geometry.h"

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/point.h"

namespace pravelo {

double padRotation(const TObjekt& pad) {
  if (pad.kind != kPad) return 0;
  const bool octagon =
      pad.variant == kPadOctagon || pad.variant == kPadOctagonH || pad.variant == kPadOctagonV;
  const std::size_t from = octagon ? 1 : 0;
  if (pad.points.size() < from + 2) return 0;
  double rotation = toDegrees(directionAngle(pad.points[from], pad.points[from + 1]));
  if (pad.variant == kPadRoundedV) rotation -= 90;
  rotation = roundToDecimals(rotation, 2);
  if (rotation < 0) rotation += 360;
  if (rotation >= 360) rotation -= 360;
  return rotation;
}

double cornerRotation(const std::vector<FPoint>& corners) {
  if (corners.size() < 2) return 0;
  return toDegrees(directionAngle(corners[0], corners[1]));
}

int shapeForRotation(int shape, double rotation) {
  const std::int64_t degrees = roundHalfEven(rotation);
  const bool quarterTurned =
      (degrees >= 45 && degrees <= 135) || (degrees >= 225 && degrees <= 315);
  if (!quarterTurned) return shape;
  if (shape >= kPadRoundedH && shape <= kPadRectangleH) return shape + 3;
  if (shape >= kPadRoundedV && shape <= kPadRectangleV) return shape - 3;
  return shape;
}

void regeneratePadOutline(TObjekt& pad, std::optional<int> newShape, int enlargement) {
  const double rotation = padRotation(pad);
  if (newShape) pad.variant = static_cast<std::uint8_t>(shapeForRotation(*newShape, rotation));
  std::vector<FPoint> outline = padOutline(pad.pos, pad.dim.x, pad.variant, enlargement);
  rotatePoints(outline, pad.pos, -rotation);
  pad.points = std::move(outline);
}

std::vector<FPoint> rotatedRectangle(const std::vector<FPoint>& corners, double w, double h) {
  if (corners.size() < 3) return corners;
  const FPoint c = midpoint(corners[0], corners[2]);
  const double rotation = cornerRotation(corners);
  const double cx = c.x;
  const double cy = c.y;
  auto pt = [](double x, double y) { return FPoint{static_cast<float>(x), static_cast<float>(y)}; };
  std::vector<FPoint> result{pt(cx - w / 2, cy + h / 2), pt(cx + w / 2, cy + h / 2),
                             pt(cx + w / 2, cy - h / 2), pt(cx - w / 2, cy - h / 2)};
  rotatePoints(result, c, -rotation);
  return result;
}

FPoint smdPadCentre(const TObjekt& smd) {
  if (smd.points.size() < 3) return smd.pos;
  return midpoint(smd.points[0], smd.points[2]);
}

void resizeSmdPad(TObjekt& smd, double w, double h) {
  if (smd.points.size() < 3) return;
  if (w < 0) w = distance(smd.points[0], smd.points[1]);
  if (h < 0) h = distance(smd.points[1], smd.points[2]);
  smd.points = rotatedRectangle(smd.points, w, h);
  smd.dim = {static_cast<float>(w), static_cast<float>(h)};
}

double smdPadSmallerSide(const TObjekt& smd) {
  if (smd.points.size() < 3) return 0;
  return std::min(distance(smd.points[0], smd.points[1]), distance(smd.points[1], smd.points[2]));
}

}  // namespace pravelo
