#include "manufacturing/component_centre.h"

#include <cmath>
#include <vector>

#include "base/units.h"
#include "geometry/bounding_box.h"
#include "geometry/rect.h"
#include "geometry/rotate.h"

namespace pravelo {

namespace {

enum CentreReference : std::uint8_t { kCentreCopper = 0, kCentreSilkscreen = 1, kCentreBoth = 2 };

bool onReferenceLayer(int layer, int reference) {
  switch (reference) {
    case kCentreSilkscreen:
      return layer == kLayerS1 || layer == kLayerS2;
    case kCentreBoth:
      return layer >= kLayerC1 && layer <= kLayerI2;
    default:
      return isCopperLayer(layer);
  }
}

// Step 1: the members that define the centre.
std::vector<const TObjekt*> referenceMembers(std::span<const TObjekt* const> members,
                                             int reference) {
  std::vector<const TObjekt*> chosen;
  for (const TObjekt* o : members) {
    if (o->kind != kText && onReferenceLayer(o->layer, reference)) chosen.push_back(o);
  }
  if (chosen.empty()) chosen.assign(members.begin(), members.end());
  return chosen;
}

// Step 2: the part's turn within a quarter, anticlockwise in whole degrees (as the rotation
// counts); quarter turns leave a bounding box square to the part already.
double skew(const ComponentData& data) {
  return static_cast<double>(roundHalfEven(std::fmod(data.placeRotation, 90.0)));
}

// Step 3: the centre of the bounds of copies turned back (clockwise) by the skew, thermal spokes
// left out.
FPoint unturnedBoundsCentre(std::span<const TObjekt* const> chosen, double degrees) {
  TRect box;
  bool first = true;
  for (const TObjekt* o : chosen) {
    TObjekt copy = *o;
    if (degrees != 0) rotateObject(copy, {0, 0}, degrees);
    const TRect b = objectBounds(copy);
    box = first ? b : unite(box, b);
    first = false;
  }
  return {static_cast<float>((static_cast<double>(box.left) + box.right) / 2),
          static_cast<float>((static_cast<double>(box.top) + box.bottom) / 2)};
}

}  // namespace

DPoint componentCentre(std::span<const TObjekt* const> members, const ComponentData& data) {
  const std::vector<const TObjekt*> chosen = referenceMembers(members, data.centreMode);
  const double degrees = skew(data);
  // rotateObject turns clockwise, rotatePoint anticlockwise: this undoes step 3's turn.
  const FPoint centre = rotatePoint(unturnedBoundsCentre(chosen, degrees), {0, 0}, degrees);
  return {static_cast<double>(centre.x) + data.placeOffset.x,
          static_cast<double>(centre.y) - data.placeOffset.y};
}

}  // namespace pravelo
