#include "copper/thermal_spokes.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/layer_presence.h"
#include "geometry/pad_geometry.h"
#include "geometry/point.h"

namespace pravelo {
namespace {

// The spoke's length from the centre to the edge of the gap and its angle correction, which
// lets diagonal spokes aim at the corners of the clearance-grown pad.
struct SpokeReach {
  double length = 0;
  double correction = 0;  // degrees
};

double diagonalAngle(double halfY, double halfX) {
  return std::atan(halfY / halfX) / kRadiansPerDegree;
}

double diagonalCorrection(int k, double u) { return k == 2 || k == 6 ? 45 - u : u - 45; }

SpokeReach padSpokeReach(const TObjekt& pad, int k, double halfWidth) {
  const int shape = pad.variant;
  const double r = pad.dim.x;
  const double c = planeClearance(pad);
  const bool horizontal = shape == kPadRoundedH || shape == kPadOctagonH || shape == kPadRectangleH;
  const bool vertical = shape == kPadRoundedV || shape == kPadOctagonV || shape == kPadRectangleV;
  const double hx = horizontal ? 2 * r : r;
  const double hy = vertical ? 2 * r : r;
  if (k == 1 || k == 5) return SpokeReach{c + hy, 0};
  if (k == 3 || k == 7) return SpokeReach{c + hx, 0};
  const double u = diagonalAngle(c + hy, c + hx);
  const double o = diagonalCorrection(k, u);
  switch (shape) {
    case kPadSquare:
    case kPadRectangleH:
    case kPadRectangleV:
      return SpokeReach{std::sqrt((hy + c) * (hy + c) + (hx + c) * (hx + c)), o};
    case kPadRoundedH:
    case kPadOctagonH:
    case kPadRoundedV:
    case kPadOctagonV:
      return SpokeReach{(hx + c) / std::cos(u * kRadiansPerDegree) -
                            (c + std::min(hy, hx)) * 0.585 /
                                std::sin((180 - u - 45) * kRadiansPerDegree) * 0.707 +
                            halfWidth / std::tan((180 - std::fabs(o) - 90) * kRadiansPerDegree),
                        o};
    default:  // circular and octagon
      return SpokeReach{hx + c, o};
  }
}

SpokeReach smdSpokeReach(const TObjekt& smd, int k) {
  const double halfX = smd.dim.x / 2.0 + planeClearance(smd);
  const double halfY = smd.dim.y / 2.0 + planeClearance(smd);
  if (k == 1 || k == 5) return {halfY, 0};
  if (k == 3 || k == 7) return {halfX, 0};
  const double u = diagonalAngle(halfY, halfX);
  return {std::sqrt(halfY * halfY + halfX * halfX), diagonalCorrection(k, u)};
}

// The spoke points up from `centre` before it is turned clockwise into direction k.
std::optional<SpokeRectangle> spokeRectangle(FPoint centre, double halfWidth, double length,
                                             double clockwiseDegrees) {
  const double x = centre.x;
  const double y = centre.y;
  auto pt = [](double px, double py) {
    return FPoint{static_cast<float>(px), static_cast<float>(py)};
  };
  SpokeRectangle rect{pt(x - halfWidth, y), pt(x - halfWidth, y + length),
                      pt(x + halfWidth, y + length), pt(x + halfWidth, y)};
  for (FPoint& p : rect) {
    p = rotatePoint(p, centre, -clockwiseDegrees);
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
  }
  return rect;
}

}  // namespace

int spokeLayerByte(int layer) {
  switch (layer) {
    case kLayerC2:
      return 1;
    case kLayerI1:
      return 2;
    case kLayerI2:
      return 3;
    default:
      return 0;
  }
}

bool spokeEnabled(const TObjekt& pad, int k, int layer) {
  if (k < 1 || k > 8) return false;
  const int byte = pad.kind == kPad && pad.optA != 0 ? spokeLayerByte(layer) : 0;
  const auto pattern = static_cast<std::uint32_t>(pad.paramA) >> (8 * byte);
  return (pattern >> (k - 1) & 1u) != 0;
}

std::vector<SpokeRectangle> thermalSpokes(const TObjekt& pad, int layer, double reach) {
  std::vector<SpokeRectangle> spokes;
  const bool through = pad.kind == kPad;
  if (!through && pad.kind != kSmdPad) return spokes;
  // A pad without size has no direction to aim at: the diagonal angles would be 0 / 0.
  const double size = through ? pad.dim.x : std::min(pad.dim.x, pad.dim.y);
  if (!(size > 0)) return spokes;
  if (through && (pad.variant < kPadCircular || pad.variant > kPadRectangleV)) return spokes;
  const double halfWidth =
      through ? pad.dim.x / 1.5 / 100 * pad.paramB / 2
              : static_cast<double>(roundHalfEven(size / 3 / 100 * pad.paramB)) / 2;
  const FPoint centre = through ? pad.pos : smdPadCentre(pad);
  const double rotation = through ? padRotation(pad) : cornerRotation(pad.points);
  for (int k = 1; k <= 8; ++k) {
    if (!spokeEnabled(pad, k, layer)) continue;
    const SpokeReach gap = through ? padSpokeReach(pad, k, halfWidth) : smdSpokeReach(pad, k);
    const double turn = (k * 45 - 45) + rotation + gap.correction;
    if (auto rect = spokeRectangle(centre, halfWidth, gap.length + reach, turn)) {
      spokes.push_back(*rect);
    }
  }
  return spokes;
}

}  // namespace pravelo
