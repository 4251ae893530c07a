#include "project/macro_side.h"

#include <optional>

#include "geometry/label_placement.h"
#include "geometry/layer_change.h"
#include "geometry/mirror.h"
#include "geometry/rotate.h"
#include "geometry/translate.h"
#include "project/components.h"
#include "project/macro_anchor.h"

namespace pravelo {
namespace {

// The one layer among `a` and `b` that all objects on them use; nothing when none or both.
std::optional<int> onlyLayerOf(const ObjectList& macro, int a, int b) {
  bool onA = false;
  bool onB = false;
  for (const auto& o : macro) {
    onA = onA || o->layer == a;
    onB = onB || o->layer == b;
  }
  if (onA == onB) return std::nullopt;
  return onA ? a : b;
}

std::uint8_t otherSide(std::uint8_t layer) {
  return static_cast<std::uint8_t>(otherSideLayer(layer));
}

void moveAnchorToOrigin(ObjectList& macro) {
  const DPoint anchor = macroAnchor(macro, false, 0);
  if (anchor.x == 0 && anchor.y == 0) return;
  for (auto& o : macro) translateObject(*o, -anchor.x, -anchor.y);
}

struct ComponentLabels {
  TObjekt* id;
  TObjekt* value;
  TRect box;
};

std::optional<ComponentLabels> labelsOf(const ObjectList& macro, int component) {
  const std::vector<TObjekt*> members = componentMembers(macro, component);
  TObjekt* id = componentLabel(members, kComponentIdText);
  TObjekt* value = componentLabel(members, kComponentValueText);
  const std::vector<const TObjekt*> others(members.begin(), members.end());
  const std::optional<TRect> box = componentBox(others);
  // Labels alone have nothing to stand beside.
  if (!id || !value || !box) return std::nullopt;
  return ComponentLabels{id, value, *box};
}

// The components whose labels stand at their automatic places, to be placed again after a turn.
std::vector<int> componentsWithAlignedLabels(const ObjectList& macro) {
  std::vector<int> aligned;
  for (const auto& o : macro) {
    if (!isIdText(*o) || o->componentId == 0) continue;
    const auto labels = labelsOf(macro, o->componentId);
    if (labels && labelsAtAutomaticPositions(*labels->id, *labels->value, labels->box)) {
      aligned.push_back(o->componentId);
    }
  }
  return aligned;
}

}  // namespace

bool isTopSideMacro(const ObjectList& macro) {
  if (const auto silk = onlyLayerOf(macro, kLayerS1, kLayerS2)) return *silk == kLayerS1;
  const auto copper = onlyLayerOf(macro, kLayerC1, kLayerC2);
  if (!copper) return false;
  bool smd = false;
  for (const auto& o : macro) smd = smd || (o->kind == kSmdPad && o->layer == *copper);
  return *copper == (smd ? kLayerC1 : kLayerC2);
}

void flipMacro(ObjectList& macro) {
  for (auto& o : macro) {
    mirrorObject(*o, MirrorAxis::Horizontal, 0);
    o->layer = otherSide(o->layer);
    for (TObjekt& stroke : o->children) stroke.layer = otherSide(stroke.layer);
    if (isIdText(*o)) o->component.placeOffset.x = -o->component.placeOffset.x;
  }
  moveAnchorToOrigin(macro);
}

void rotateMacro(ObjectList& macro, bool readableLabels, bool topSide) {
  const std::vector<int> aligned = componentsWithAlignedLabels(macro);
  for (auto& o : macro) {
    rotateObject(*o, {0, 0}, 90);
    if (readableLabels) turnLabelReadable(*o);
    if (isIdText(*o)) rotatePlacement(o->component, 90, topSide);
  }
  moveAnchorToOrigin(macro);
  for (int component : aligned) {
    const auto labels = labelsOf(macro, component);
    placeLabelsAutomatically(*labels->id, *labels->value, labels->box);
  }
}

void showMacroLabels(ObjectList& macro, bool show) {
  for (auto& o : macro) {
    if (o->kind == kText && (o->variant == kComponentIdText || o->variant == kComponentValueText)) {
      o->optA = show ? 1 : 0;
    }
  }
}

}  // namespace pravelo
