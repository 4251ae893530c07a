#include "editing/selection.h"

#include <algorithm>

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
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (objectVisible(*board.objects[i], board.header)) {
      selectObject(board, static_cast<int>(i), true);
    }
  }
}

void selectInRectangle(Board& board, DPoint corner1, DPoint corner2) {
  const TRect rect = rectFromCorners(corner1.x, corner1.y, corner2.x, corner2.y);
  const double mm = 1.0 / 10000;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TObjekt& o = *board.objects[i];
    if (!objectVisible(o, board.header) || !intersects(objectBounds(o), rect)) continue;
    if (rectIntersectsPolygon(rect.left * mm, rect.top * mm, rect.right * mm, rect.bottom * mm,
                              objectOutline(o, {}, 1))) {
      selectObject(board, static_cast<int>(i), true);
    }
  }
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
