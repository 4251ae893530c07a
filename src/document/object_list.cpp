#include "document/object_list.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace pravelo {

void copyObjectList(const std::vector<TObjekt*>& sources, ObjectList& destination) {
  std::unordered_map<const TObjekt*, TObjekt*> copyOf;
  copyOf.reserve(sources.size());
  const std::size_t first = destination.size();
  for (TObjekt* source : sources) {
    auto copy = std::make_unique<TObjekt>(newObject());
    copyObject(*source, *copy);
    copyOf.emplace(source, copy.get());
    destination.push_back(std::move(copy));
  }
  auto repointed = [&](TObjekt* partner) -> TObjekt* {
    auto it = copyOf.find(partner);
    return it == copyOf.end() ? nullptr : it->second;
  };
  for (std::size_t i = first; i < destination.size(); ++i) {
    TObjekt& copy = *destination[i];
    if (isPadKind(copy.kind)) {
      std::vector<TObjekt*> partners;
      for (TObjekt* partner : copy.connections) {
        if (TObjekt* p = repointed(partner)) partners.push_back(p);
      }
      copy.connections = std::move(partners);
    }
    if (copy.kind == kTrack) {
      copy.routeEndA = repointed(copy.routeEndA);
      copy.routeEndB = repointed(copy.routeEndB);
    }
  }
  for (TObjekt* source : sources) source->copyMark = 0;
}

std::vector<TObjekt*> objectPointers(const ObjectList& list) {
  std::vector<TObjekt*> result;
  result.reserve(list.size());
  for (const auto& o : list) result.push_back(o.get());
  return result;
}

void removeObjectsIf(ObjectList& list, const std::function<bool(const TObjekt&)>& doomed) {
  std::unordered_set<const TObjekt*> removed;
  for (const auto& o : list) {
    if (doomed(*o)) removed.insert(o.get());
  }
  if (removed.empty()) return;
  for (auto& o : list) {
    if (removed.count(o.get())) continue;
    std::erase_if(o->connections, [&](TObjekt* p) { return removed.count(p) != 0; });
    if (removed.count(o->routeEndA)) o->routeEndA = nullptr;
    if (removed.count(o->routeEndB)) o->routeEndB = nullptr;
  }
  std::erase_if(list,
                [&](const std::unique_ptr<TObjekt>& o) { return removed.count(o.get()) != 0; });
}

int indexOf(const ObjectList& list, const TObjekt* o) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].get() == o) return static_cast<int>(i);
  }
  return -1;
}

void deselectAll(ObjectList& list) {
  for (auto& o : list) {
    o->selected = 0;
    for (TObjekt& child : o->children) child.selected = 0;
  }
}

void deselectLayer(ObjectList& list, int layer) {
  for (auto& o : list) {
    if (o->layer != layer) continue;
    o->selected = 0;
    for (TObjekt& child : o->children) child.selected = 0;
  }
}

}  // namespace pravelo
