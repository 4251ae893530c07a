#include "project/clipboard.h"

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

#include "document/object_list.h"
#include "document/renumber.h"
#include "geometry/translate.h"

namespace pravelo {

namespace {

bool isComponentLabel(const TObjekt& o) {
  return o.kind == kText && o.componentId != 0 &&
         (o.variant == kComponentIdText || o.variant == kComponentValueText);
}

std::vector<TObjekt*> selectedObjects(const ObjectList& objects) {
  std::vector<TObjekt*> selected;
  for (const auto& o : objects) {
    if (o->selected) selected.push_back(o.get());
  }
  return selected;
}

}  // namespace

std::int32_t nextGroupNumber(const ObjectList& objects) {
  std::int32_t largest = 0;
  for (const auto& o : objects) {
    if (!o->groups.empty()) largest = std::max(largest, o->groups.back());
  }
  return std::max(largest + 1, 2);
}

int nextComponentNumber(const ObjectList& objects) {
  int largest = 0;
  for (const auto& o : objects) largest = std::max<int>(largest, o->componentId);
  return std::max(largest + 1, 2);
}

int selectedUnitCount(const ObjectList& objects) {
  // (0, group), (1, component) or (2, position) names a unit.
  std::set<std::tuple<int, std::int64_t>> units;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& o = *objects[i];
    if (!o.selected) continue;
    if (!o.groups.empty()) {
      units.emplace(0, o.groups.back());
    } else if (o.componentId != 0) {
      units.emplace(1, o.componentId);
    } else {
      units.emplace(2, static_cast<std::int64_t>(i));
    }
  }
  return static_cast<int>(units.size());
}

void copySelection(const ObjectList& objects, ObjectList& clipboard) {
  clipboard.clear();
  copyObjectList(selectedObjects(objects), clipboard);
  for (auto& copy : clipboard) copy->selected = 0;
  // Components with objects left behind are copied as plain objects.
  std::set<int> partial;
  for (const auto& o : objects) {
    if (o->componentId != 0 && !o->selected) partial.insert(o->componentId);
  }
  for (auto& copy : clipboard) {
    if (copy->componentId == 0 || !partial.contains(copy->componentId)) continue;
    copy->componentId = 0;
    if (copy->kind == kText) copy->variant = kPlainText;
  }
}

bool deleteSelection(ObjectList& objects) {
  std::set<int> components;
  for (const auto& o : objects) {
    if (o->selected && o->componentId != 0) components.insert(o->componentId);
  }
  std::set<const TObjekt*> doomed;
  for (const auto& o : objects) {
    if (o->selected && !isComponentLabel(*o)) doomed.insert(o.get());
  }
  // A component left with nothing but its labels loses them too.
  for (int component : components) {
    const bool onlyLabels = std::ranges::all_of(objects, [&](const auto& o) {
      return o->componentId != component || doomed.contains(o.get()) || isComponentLabel(*o);
    });
    if (!onlyLabels) continue;
    for (const auto& o : objects) {
      if (o->componentId == component) doomed.insert(o.get());
    }
  }
  if (doomed.empty()) return false;
  removeObjectsIf(objects, [&](const TObjekt& o) { return doomed.contains(&o); });
  return true;
}

PlaceResult placeClipboard(ObjectList& objects, const ObjectList& clipboard, DPoint offset,
                           bool group) {
  // The clipboard's numbers compacted to 1, 2, ... before the board's bases are added, so that
  // repeated pastes do not run through the component range.
  ObjectList copies;
  copyObjectList(objectPointers(clipboard), copies);
  renumberGroupsAndComponents(copies);
  int largestComponent = 0;
  for (const auto& c : copies) largestComponent = std::max<int>(largestComponent, c->componentId);
  const std::int32_t groupBase = nextGroupNumber(objects);
  const int componentBase = nextComponentNumber(objects);
  if (largestComponent > 0 &&
      componentBase + largestComponent > std::numeric_limits<std::int16_t>::max()) {
    return PlaceResult::TooManyComponents;
  }
  deselectAll(objects);
  for (auto& c : copies) {
    translateObject(*c, offset.x, offset.y);
    c->selected = 1;
    for (std::int32_t& g : c->groups) g += groupBase;
    if (c->componentId != 0) {
      c->componentId = static_cast<std::int16_t>(c->componentId + componentBase);
    }
    objects.push_back(std::move(c));
  }
  if (group) groupSelection(objects);
  return PlaceResult::Placed;
}

bool groupSelection(ObjectList& objects) {
  if (selectedUnitCount(objects) < 2) return false;
  const std::int32_t number = nextGroupNumber(objects);
  for (auto& o : objects) {
    if (o->selected) pushGroup(*o, number);
  }
  return true;
}

bool ungroupSelection(ObjectList& objects) {
  bool changed = false;
  for (auto& o : objects) {
    if (o->selected && !o->groups.empty()) {
      o->groups.pop_back();
      changed = true;
    }
  }
  return changed;
}

}  // namespace pravelo
