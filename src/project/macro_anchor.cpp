#include "project/macro_anchor.h"

#include <algorithm>
#include <optional>

#include "base/units.h"
#include "document/object_list.h"
#include "geometry/bounding_box.h"
#include "geometry/translate.h"

namespace pravelo {
namespace {

class AnchorSearch {
 public:
  void offer(FPoint p) {
    const std::int64_t x = roundHalfEven(p.x);
    const std::int64_t y = roundHalfEven(p.y);
    if (!found_ || (x <= x_ && y >= y_)) {
      found_ = true;
      x_ = x;
      y_ = y;
    }
  }
  std::optional<DPoint> result() const {
    if (!found_) return std::nullopt;
    return DPoint{static_cast<double>(x_), static_cast<double>(y_)};
  }

 private:
  bool found_ = false;
  std::int64_t x_ = 0;
  std::int64_t y_ = 0;
};

double snapAnchorToGrid(double v, double grid) {
  if (grid <= 0) return v;
  return static_cast<double>(roundHalfEven(v / grid)) * grid;
}

}  // namespace

DPoint macroAnchor(const ObjectList& objects, bool selectedOnly, double grid) {
  auto counts = [&](const TObjekt& o) { return !selectedOnly || o.selected != 0; };
  const auto search = [&](auto&& offerObject) {
    AnchorSearch anchor;
    for (const auto& o : objects) {
      if (counts(*o)) offerObject(*o, anchor);
    }
    return anchor.result();
  };
  if (auto p = search([](const TObjekt& o, AnchorSearch& a) {
        if (isPadKind(o.kind)) a.offer(o.pos);
      })) {
    return *p;
  }
  if (auto p = search([](const TObjekt& o, AnchorSearch& a) {
        if (o.kind != kTrack && o.kind != kZone) return;
        for (const FPoint& v : o.points) a.offer(v);
      })) {
    return *p;
  }
  if (auto p = search([](const TObjekt& o, AnchorSearch& a) {
        if (o.kind == kCircle) a.offer(o.pos);
      })) {
    return *p;
  }
  const TRect box = objectListBounds(objects, {}, counts);
  // The rectangle's bottom holds the larger y: the upper edge on the board.
  return {snapAnchorToGrid(box.left, grid), snapAnchorToGrid(box.bottom, grid)};
}

ObjectList macroFromBoard(const ObjectList& objects, double grid) {
  const bool anySelected =
      std::ranges::any_of(objects, [](const auto& o) { return o->selected != 0; });
  std::vector<TObjekt*> sources;
  for (const auto& o : objects) {
    if (!anySelected || o->selected) sources.push_back(o.get());
  }
  const DPoint anchor = macroAnchor(objects, anySelected, grid);
  ObjectList macro;
  copyObjectList(sources, macro);
  for (auto& o : macro) {
    o->selected = 0;
    translateObject(*o, -anchor.x, -anchor.y);
  }
  return macro;
}

}  // namespace pravelo
