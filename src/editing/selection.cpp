#include "editing/selection.h"

#include <algorithm>
#include <set>

#include "copper/object_outline.h"
#include "copper/polygon_predicates.h"
#include "geometry/bounding_box.h"
#include "view/layer_order.h"

namespace pravelo {
namespace {

void setSelected(TObjekt& o, bool on) {
  const std::uint8_t flag = on && !isHiddenLabel(o) ? 1 : 0;
  o.selected = flag;
  for (TObjekt& stroke : o.children) stroke.selected = flag;
}

bool isPeer(const TObjekt& o, const TObjekt& start) {
  if (start.componentId != 0 && o.componentId == start.componentId) return true;
  return !start.groups.empty() && !o.groups.empty() && o.groups.back() == start.groups.back();
}

void addBounds(TRect& area, bool& any, const TObjekt& o) {
  const TRect b = objectBounds(o);
  area = any ? unite(area, b) : b;
  any = true;
}

// Selects the objects `starts` accepts together with their peers, in two passes over the list
// instead of one pass per object, so that selecting a whole board does not grow with the square
// of its size.
template <class Accept>
void selectWithPeers(Board& board, Accept starts) {
  std::set<std::int16_t> components;
  std::set<std::int32_t> groups;
  for (const auto& o : board.objects) {
    if (!starts(*o) || isHiddenLabel(*o)) continue;
    setSelected(*o, true);
    if (o->componentId != 0) components.insert(o->componentId);
    if (!o->groups.empty()) groups.insert(o->groups.back());
  }
  if (components.empty() && groups.empty()) return;
  for (const auto& o : board.objects) {
    if (components.contains(o->componentId) ||
        (!o->groups.empty() && groups.contains(o->groups.back()))) {
      setSelected(*o, true);
    }
  }
}

bool intersects(const TRect& a, const TRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

TRect selectObject(Board& board, int index, bool on, bool alone) {
  TObjekt& start = *board.objects.at(index);
  TRect area;
  bool any = false;
  setSelected(start, on);
  addBounds(area, any, start);
  if (alone || isHiddenLabel(start)) return area;
  for (const auto& o : board.objects) {
    if (o.get() == &start || !isPeer(*o, start)) continue;
    setSelected(*o, on);
    addBounds(area, any, *o);
  }
  return area;
}

void deselectAll(Board& board) {
  for (const auto& o : board.objects) setSelected(*o, false);
}

void selectAll(Board& board) {
  selectWithPeers(board, [&](const TObjekt& o) { return objectVisible(o, board.header); });
}

void selectInRectangle(Board& board, DPoint corner1, DPoint corner2) {
  const TRect rect = rectFromCorners(corner1.x, corner1.y, corner2.x, corner2.y);
  const double mm = 1.0 / 10000;
  selectWithPeers(board, [&](const TObjekt& o) {
    return objectVisible(o, board.header) && intersects(objectBounds(o), rect) &&
           rectIntersectsPolygon(rect.left * mm, rect.top * mm, rect.right * mm, rect.bottom * mm,
                                 objectOutline(o, {}, 1));
  });
}

void selectOnly(Board& board, const std::vector<int>& indices) {
  deselectAll(board);
  for (int i : indices) setSelected(*board.objects.at(i), true);
}

int selectedCount(const Board& board) {
  return static_cast<int>(std::count_if(board.objects.begin(), board.objects.end(),
                                        [](const auto& o) { return o->selected != 0; }));
}

}  // namespace pravelo
