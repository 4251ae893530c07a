#include "copper/object_outline.h"

#include <algorithm>

#include "base/units.h"
#include "copper/object_contours.h"
#include "copper/thermal_spokes.h"

namespace pravelo {
namespace {

bool hasCopperOutline(const TObjekt& o) {
  switch (o.kind) {
    case kTrack:
    case kZone:
    case kSmdPad:
      return !o.points.empty();
    case kCircle:
      return true;
    case kPad: {
      if (o.variant < kPadCircular || o.variant > kPadRectangleV) return false;
      const bool twoPoints =
          o.variant == kPadCircular || o.variant == kPadRoundedH || o.variant == kPadRoundedV;
      return o.points.size() >= (twoPoints ? 2u : 1u);
    }
    case kText:
      return std::any_of(o.children.begin(), o.children.end(),
                         [](const TObjekt& stroke) { return !stroke.points.empty(); });
    default:
      return false;
  }
}

}  // namespace

TPolygon32 objectOutline(const TObjekt& o, const OutlineOptions& options, double scale) {
  TPolygon32 polygon;
  if (isHiddenLabel(o)) return polygon;
  if (o.kind == kZone) {
    for (const FPoint& p : o.points) addPoint(polygon, toFixedPoint(p.x, p.y, scale));
    newOutline(polygon);
  }
  if (showsThermalSpokes(o, options.spokes)) {
    for (const SpokeRectangle& spoke : thermalSpokes(o, options.spokes.layer, kSpokeReach)) {
      for (const FPoint& p : spoke) addPoint(polygon, toFixedPoint(p.x, p.y, scale));
      newOutline(polygon);
    }
  }
  if (isMaskOnlyZone(o)) return polygon;
  const ContourList contours = objectContours(o, options.chamferClearance);
  for (std::size_t i = 0; i < contours.size(); ++i) {
    if (i > 0) newOutline(polygon);
    for (const IPoint& p : contours[i]) addPoint(polygon, toFixedPoint(p.x, p.y, scale));
  }
  return polygon;
}

std::optional<TRect> outlineBounds(const TObjekt& o) {
  const Rect32 box = polygonBounds(objectOutline(o, {}, 1));
  if (isEmpty(box)) return std::nullopt;
  // Fixed point back to units: 65536 per millimetre, 10000 units per millimetre.
  const auto units = [](std::int32_t v) { return roundToInt32(fixedToMm(v) * kUnitsPerMm); };
  return TRect{units(box.minX), units(box.minY), units(box.maxX), units(box.maxY)};
}

bool conducts(const TObjekt& o) {
  return o.cutout == 0 && !isMaskOnlyZone(o) && !isPureHole(o) && !isHiddenLabel(o) &&
         hasCopperOutline(o);
}

}  // namespace pravelo
