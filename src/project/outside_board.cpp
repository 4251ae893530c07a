#include "project/outside_board.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "document/object_list.h"
#include "geometry/bounding_box.h"
#include "geometry/rect.h"

namespace pravelo {

namespace {

int innermostGroup(const TObjekt& o) { return o.groups.empty() ? 0 : o.groups.back(); }

// Indices of the objects of each component and of each innermost group.
struct Peers {
  std::map<int, std::vector<std::size_t>> components;
  std::map<int, std::vector<std::size_t>> groups;
};

Peers peersOf(const ObjectList& objects) {
  Peers peers;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& o = *objects[i];
    if (o.componentId != 0) peers.components[o.componentId].push_back(i);
    if (innermostGroup(o) > 0) peers.groups[innermostGroup(o)].push_back(i);
  }
  return peers;
}

std::vector<std::size_t> unitOf(const ObjectList& objects, const Peers& peers, std::size_t i) {
  std::vector<std::size_t> unit{i};
  const TObjekt& o = *objects[i];
  const auto add = [&](const std::vector<std::size_t>& members) {
    for (std::size_t m : members) {
      if (m != i) unit.push_back(m);
    }
  };
  if (o.componentId != 0) add(peers.components.at(o.componentId));
  if (innermostGroup(o) > 0) add(peers.groups.at(innermostGroup(o)));
  return unit;
}

bool overlapsBoard(const TRect& box, const BoardHeader& header) {
  return box.left < header.width && box.right > 0 && box.top < 0 && box.bottom > -header.height;
}

// Which objects belong to a unit outside the board. Every unit is judged before anything is
// deleted, so a unit that reaches back to objects visited earlier is still whole.
std::vector<bool> outsideObjects(const Board& board, bool stopAtFirst) {
  const ObjectList& objects = board.objects;
  const Peers peers = peersOf(objects);
  std::vector<bool> visited(objects.size(), false);
  std::vector<bool> outside(objects.size(), false);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (visited[i]) continue;
    const std::vector<std::size_t> unit = unitOf(objects, peers, i);
    TRect box = objectBounds(*objects[unit.front()]);
    for (std::size_t m : unit) {
      visited[m] = true;
      box = unite(box, objectBounds(*objects[m]));
    }
    if (overlapsBoard(box, board.header)) continue;
    for (std::size_t m : unit) outside[m] = true;
    if (stopAtFirst) break;
  }
  return outside;
}

}  // namespace

bool anythingOutsideBoard(const Board& board) {
  const std::vector<bool> outside = outsideObjects(board, true);
  return std::find(outside.begin(), outside.end(), true) != outside.end();
}

bool deleteOutsideBoard(Board& board) {
  const std::vector<bool> outside = outsideObjects(board, false);
  if (std::find(outside.begin(), outside.end(), true) == outside.end()) return false;
  std::set<const TObjekt*> doomed;
  for (std::size_t i = 0; i < outside.size(); ++i) {
    if (outside[i]) doomed.insert(board.objects[i].get());
  }
  removeObjectsIf(board.objects, [&](const TObjekt& o) { return doomed.contains(&o); });
  return true;
}

}  // namespace pravelo
