#include "project/macro_place.h"

#include <algorithm>
#include <limits>

#include "document/object_list.h"
#include "document/renumber.h"
#include "geometry/translate.h"
#include "project/clipboard.h"

namespace pravelo {
namespace {

bool isMacroLabel(const TObjekt& o) {
  return o.kind == kText && (o.variant == kComponentIdText || o.variant == kComponentValueText);
}

}  // namespace

int placeMacro(ObjectList& objects, const ObjectList& macro, DPoint at, const MacroDrop& drop) {
  std::vector<TObjekt*> sources;
  for (const auto& o : macro) {
    if (isHiddenLabel(*o) || (!drop.asComponent && isMacroLabel(*o))) continue;
    sources.push_back(o.get());
  }
  ObjectList copies;
  copyObjectList(sources, copies);
  // Compacted first, so that repeated drops do not run through the component range.
  renumberGroupsAndComponents(copies);
  const std::int32_t group = nextGroupNumber(objects);
  const int component = nextComponentNumber(objects);
  int largest = 0;
  for (const auto& c : copies) largest = std::max<int>(largest, c->componentId);
  const bool keepComponents =
      drop.asComponent && component + largest <= std::numeric_limits<std::int16_t>::max();
  deselectAll(objects);
  for (auto& c : copies) {
    translateObject(*c, at.x, at.y);
    c->drawable = 1;
    c->selected = 1;
    for (std::int32_t& g : c->groups) g += group;
    if (!keepComponents) {
      c->componentId = 0;
      if (c->kind == kText) c->variant = kPlainText;
    } else if (c->componentId != 0) {
      c->componentId = static_cast<std::int16_t>(c->componentId + component);
    }
    if (drop.throughPads && isPadKind(c->kind) && isCopperLayer(c->layer)) c->via = 1;
    objects.push_back(std::move(c));
  }
  const int dropped = static_cast<int>(sources.size());
  groupSelection(objects);
  return dropped;
}

}  // namespace pravelo
