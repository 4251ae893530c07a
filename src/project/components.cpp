#include "project/components.h"

#include <limits>
#include <set>

#include "document/object_list.h"
#include "geometry/label_placement.h"
#include "project/clipboard.h"

namespace pravelo {

namespace {

bool isLabelOf(const TObjekt& o, const std::set<int>& components) {
  return o.kind == kText && (o.variant == kComponentIdText || o.variant == kComponentValueText) &&
         o.componentId != 0 && components.contains(o.componentId);
}

}  // namespace

std::vector<TObjekt*> componentMembers(const ObjectList& objects, int component) {
  std::vector<TObjekt*> members;
  if (component == 0) return members;
  for (const auto& o : objects) {
    if (o->componentId == component) members.push_back(o.get());
  }
  return members;
}

TObjekt* componentLabel(const std::vector<TObjekt*>& members, TextRole role) {
  for (TObjekt* o : members) {
    if (o->kind == kText && o->variant == role) return o;
  }
  return nullptr;
}

int makeComponent(ObjectList& objects, TObjekt id, TObjekt value) {
  const int number = nextComponentNumber(objects);
  if (number > std::numeric_limits<std::int16_t>::max()) return 0;
  std::set<int> absorbed;
  for (const auto& o : objects) {
    if (o->selected && o->componentId != 0) absorbed.insert(o->componentId);
  }
  removeObjectsIf(objects, [&](const TObjekt& o) { return isLabelOf(o, absorbed); });
  id.variant = kComponentIdText;
  value.variant = kComponentValueText;
  for (TObjekt* label : {&id, &value}) {
    label->selected = 1;
    objects.push_back(std::make_unique<TObjekt>(std::move(*label)));
  }
  for (auto& o : objects) {
    if (!o->selected) continue;
    o->groups.clear();
    o->componentId = static_cast<std::int16_t>(number);
  }
  std::vector<TObjekt*> members = componentMembers(objects, number);
  const std::vector<const TObjekt*> box(members.begin(), members.end());
  TObjekt& newId = *objects[objects.size() - 2];
  TObjekt& newValue = *objects.back();
  if (const auto around = componentBox(box)) placeLabelsAutomatically(newId, newValue, *around);
  return number;
}

bool breakUpComponent(ObjectList& objects, int component) {
  const std::vector<TObjekt*> members = componentMembers(objects, component);
  if (members.empty()) return false;
  removeObjectsIf(objects, [&](const TObjekt& o) { return isLabelOf(o, {component}); });
  const std::int32_t group = nextGroupNumber(objects);
  for (auto& o : objects) {
    if (o->componentId != component) continue;
    o->componentId = 0;
    pushGroup(*o, group);
  }
  return true;
}

}  // namespace pravelo
