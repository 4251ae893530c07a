#include "geometry/label_placement.h"

#include <cstdint>
#include <cstdlib>

#include "base/units.h"
#include "geometry/bounding_box.h"
#include "geometry/text_strokes.h"

namespace pravelo {

namespace {

constexpr std::int64_t kAlignedTolerance = 1000;

bool isLabel(const TObjekt& o) {
  return o.kind == kText && (o.variant == kComponentIdText || o.variant == kComponentValueText);
}

bool onBottom(const TObjekt& label) { return label.layer == kLayerC2 || label.layer == kLayerS2; }

FPoint point(std::int64_t x, std::int64_t y) {
  return FPoint{static_cast<float>(x), static_cast<float>(y)};
}

bool near(float coordinate, float anchor) {
  return std::llabs(roundHalfEven(coordinate) - roundHalfEven(anchor)) <= kAlignedTolerance;
}

}  // namespace

std::optional<TRect> componentBox(std::span<const TObjekt* const> members) {
  std::optional<TRect> box;
  for (const TObjekt* o : members) {
    if (isLabel(*o)) continue;
    const TRect b = objectBounds(*o);
    box = box ? unite(*box, b) : b;
  }
  return box;
}

LabelAnchors automaticLabelAnchors(const TRect& box, const TObjekt& id, const TObjekt& value) {
  const std::int64_t hI = roundHalfEven(id.dim.x);
  const std::int64_t hV = roundHalfEven(value.dim.x);
  const std::int64_t s = (hI + hV) / 4;
  // World rectangles keep the smaller y in `top`.
  const std::int64_t minX = box.left, maxX = box.right, maxY = box.bottom;
  const bool portrait = std::llabs(maxX - minX) < rectHeight(box);
  std::int64_t idX = minX, valueX = minX;
  std::int64_t idY = maxY + hV + 2 * s, valueY = maxY + s;
  std::int64_t mirroredShift = maxX - minX;
  if (portrait) {
    idX = valueX = maxX + s;
    idY = maxY - hI;
    valueY = maxY - (hI + hV) - s;
    mirroredShift = minX - maxX - 2 * s;
  }
  if (onBottom(id)) idX += mirroredShift;
  if (onBottom(value)) valueX += mirroredShift;
  return {point(idX, idY), point(valueX, valueY)};
}

void placeLabelsAutomatically(TObjekt& id, TObjekt& value, const TRect& box) {
  const LabelAnchors anchors = automaticLabelAnchors(box, id, value);
  id.pos = anchors.id;
  value.pos = anchors.value;
  buildTextStrokes(id, false);
  buildTextStrokes(value, false);
}

bool labelsAtAutomaticPositions(const TObjekt& id, const TObjekt& value, const TRect& box) {
  const LabelAnchors anchors = automaticLabelAnchors(box, id, value);
  return near(id.pos.x, anchors.id.x) && near(id.pos.y, anchors.id.y) &&
         near(value.pos.x, anchors.value.x) && near(value.pos.y, anchors.value.y);
}

}  // namespace pravelo
