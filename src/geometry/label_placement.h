#pragma once

#include <optional>
#include <span>

#include "document/object.h"
#include "geometry/rect.h"

namespace pravelo {

// Where the automatic label placement puts the anchors of a component's ID and value label.
struct LabelAnchors {
  FPoint id;
  FPoint value;
  friend bool operator==(const LabelAnchors&, const LabelAnchors&) = default;
};

// The union of the bounds of a component's members other than its ID and value labels; none for
// a component of labels alone, which has nothing to place them beside.
std::optional<TRect> componentBox(std::span<const TObjekt* const> members);

// The anchors for labels of the given heights (units) and layers beside the box: a component
// wider than tall gets the value label just above its top edge and the ID label above that,
// both left-aligned with it; a taller one gets both to its right, the ID label level with its
// top edge. Mirrored labels (bottom layers) move to the other side.
LabelAnchors automaticLabelAnchors(const TRect& box, const TObjekt& id, const TObjekt& value);

// Moves both labels to their automatic anchors and rebuilds their strokes.
void placeLabelsAutomatically(TObjekt& id, TObjekt& value, const TRect& box);

// Whether both labels stand at their automatic anchors, within 1000 units on each axis.
bool labelsAtAutomaticPositions(const TObjekt& id, const TObjekt& value, const TRect& box);

}  // namespace pravelo
