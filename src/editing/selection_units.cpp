#include "editing/selection_units.h"

#include <map>
#include <set>

#include "copper/object_outline.h"
#include "geometry/bounding_box.h"

namespace pravelo {

namespace {

// The objects of each component and of each innermost group, by index.
struct PeerIndex {
  std::map<std::int16_t, std::vector<std::size_t>> components;
  std::map<std::int32_t, std::vector<std::size_t>> groups;
};

PeerIndex peerIndex(const Board& board) {
  PeerIndex index;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TObjekt& o = *board.objects[i];
    if (o.componentId != 0) index.components[o.componentId].push_back(i);
    if (!o.groups.empty()) index.groups[o.groups.back()].push_back(i);
  }
  return index;
}

}  // namespace

std::optional<TRect> outlineBoundsOf(const std::vector<const TObjekt*>& objects) {
  std::optional<TRect> area;
  for (const TObjekt* o : objects) {
    const TRect box = outlineBounds(*o).value_or(objectBounds(*o));
    area = area ? unite(*area, box) : box;
  }
  return area;
}

std::vector<const TObjekt*> selectedObjects(const Board& board) {
  std::vector<const TObjekt*> selected;
  for (const auto& o : board.objects) {
    if (o->selected) selected.push_back(o.get());
  }
  return selected;
}

std::optional<FPoint> selectionCentre(const Board& board) {
  const std::optional<TRect> box = outlineBoundsOf(selectedObjects(board));
  if (!box) return std::nullopt;
  return FPoint{static_cast<float>(box->left + rectWidth(*box) / 2.0),
                static_cast<float>(box->bottom - rectHeight(*box) / 2.0)};
}

std::vector<std::vector<TObjekt*>> selectionUnits(Board& board) {
  const PeerIndex peers = peerIndex(board);
  std::vector<bool> taken(board.objects.size(), false);
  std::vector<std::vector<TObjekt*>> units;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TObjekt& o = *board.objects[i];
    if (!o.selected || taken[i]) continue;
    std::set<std::size_t> members{i};
    if (o.componentId != 0) {
      const auto& component = peers.components.at(o.componentId);
      members.insert(component.begin(), component.end());
    }
    if (!o.groups.empty()) {
      const auto& group = peers.groups.at(o.groups.back());
      members.insert(group.begin(), group.end());
    }
    std::vector<TObjekt*>& unit = units.emplace_back();
    for (const std::size_t m : members) {
      if (taken[m]) continue;
      taken[m] = true;
      unit.push_back(board.objects[m].get());
    }
  }
  return units;
}

std::vector<std::vector<TObjekt*>> selectedComponents(Board& board) {
  std::vector<std::vector<TObjekt*>> complete;
  for (const auto& [id, members] : peerIndex(board).components) {
    bool any = false;
    bool all = true;
    for (const std::size_t m : members) {
      const TObjekt& o = *board.objects[m];
      any = any || o.selected;
      all = all && (o.selected || isHiddenLabel(o));
    }
    if (!any || !all) continue;
    std::vector<TObjekt*>& component = complete.emplace_back();
    for (const std::size_t m : members) component.push_back(board.objects[m].get());
  }
  return complete;
}

}  // namespace pravelo
