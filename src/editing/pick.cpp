#include "editing/pick.h"

#include <algorithm>

#include "base/units.h"
#include "copper/grow.h"
#include "copper/object_outline.h"
#include "copper/polygon_predicates.h"
#include "editing/node_handles.h"
#include "editing/selection.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"
#include "view/layer_order.h"

namespace pravelo {
namespace {

// A mask-only zone is hit anywhere within its area and a border of this width.
constexpr std::int32_t kMaskZoneBorder = 4000;

// The object grown by the tolerance, as the hit test sees it. A ring's inner radius stops at 0:
// below it the inner arc would turn over and the parity rule would cut a false hole at the
// centre.
TObjekt enlarged(const TObjekt& o, std::int32_t tolerance) {
  TObjekt copy = grownCopy(o, tolerance);
  if (copy.kind == kCircle) copy.dim.y = std::max(copy.dim.y, 0.0f);
  return copy;
}

// The bounds are widened by the tolerance too, or a click just beside the box edge would miss
// an object that the enlarged outline reaches.
bool boxContains(const TObjekt& o, IPoint p, std::int32_t tolerance) {
  const TRect box = widened(objectBounds(o), tolerance);
  return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

// Its border counts in the bounds too, or the bounds would cut the border off.
bool maskZoneContains(const TObjekt& zone, IPoint p, double zoom, std::int32_t tolerance) {
  TObjekt area = zone;
  area.maskOnly = 0;
  area.width = kMaskZoneBorder;
  return boxContains(area, p, tolerance) && outlineContains(area, p, zoom, tolerance);
}

bool belongsToLayer(const TObjekt& o, int layer, bool multilayer) {
  if (isVia(o) && isCopperLayer(layer)) return isPresentOnLayer(o, layer, multilayer);
  return o.layer == layer;
}

// Node editing is possible with exactly one visible track, zone or circle selected.
const TObjekt* nodeEditedObject(const Board& board) {
  if (selectedCount(board) != 1) return nullptr;
  const auto selected = std::find_if(board.objects.begin(), board.objects.end(),
                                     [](const auto& o) { return o->selected != 0; });
  const TObjekt& o = **selected;
  return hasNodeHandles(o) && objectVisible(o, board.header) ? &o : nullptr;
}

int pickSelected(const Board& board, IPoint p, double zoom, std::int32_t tolerance) {
  const TObjekt* edited = nodeEditedObject(board);
  const DPoint point{static_cast<double>(p.x), static_cast<double>(p.y)};
  for (int i = static_cast<int>(board.objects.size()) - 1; i >= 0; --i) {
    const TObjekt& o = *board.objects[i];
    if (!o.selected) continue;
    if (!o.cutout && boxContains(o, p, tolerance) && outlineContains(o, p, zoom, tolerance)) {
      return i;
    }
    if (&o == edited && nodeHandleAt(o, point, zoom) >= 0) return i;
  }
  return -1;
}

// Whether `later`, found below `candidate` on the same layer, takes its place.
bool replaces(const TObjekt& later, const TObjekt& candidate) {
  if (isPadKind(later.kind) && !isPadKind(candidate.kind) && !isVia(later)) return true;
  if (candidate.cutout && !later.cutout) return true;
  return isVia(later) && !isVia(candidate);
}

struct LayerHit {
  int index = -1;
  bool final = false;  // a mask-only zone ends the search at once
};

LayerHit pickOnLayer(const Board& board, int layer, IPoint p, double zoom, bool copperOnly,
                     std::int32_t tolerance) {
  LayerHit hit;
  for (int i = static_cast<int>(board.objects.size()) - 1; i >= 0; --i) {
    const TObjekt& o = *board.objects[i];
    if (!belongsToLayer(o, layer, board.header.multilayer)) continue;
    if (!objectVisible(o, board.header) || (copperOnly && o.cutout)) continue;
    if (isMaskOnlyZone(o)) {
      if (maskZoneContains(o, p, zoom, tolerance)) return {i, true};
      continue;
    }
    if (!boxContains(o, p, tolerance)) continue;
    if (hit.index >= 0 && !replaces(o, *board.objects[hit.index])) continue;
    if (outlineContains(o, p, zoom, tolerance)) hit.index = i;
  }
  return hit;
}

}  // namespace

std::int32_t pickTolerance(double zoom) {
  if (zoom >= 1) return 0;
  return static_cast<std::int32_t>(roundHalfEven(kPickTolerancePixels / zoom));
}

bool outlineContains(const TObjekt& o, IPoint world, double zoom, std::int32_t tolerance) {
  const Point32 p = toFixedPoint(world.x, world.y, zoom);
  if (tolerance == 0) return pointInPolygon(objectOutline(o, {}, zoom), p);
  return pointInPolygon(objectOutline(enlarged(o, tolerance), {}, zoom), p);
}

int pickObject(const Board& board, DPoint world, double zoom, bool copperOnly, bool exact) {
  const IPoint p = toIPoint(world);
  const std::int32_t tolerance = exact ? 0 : pickTolerance(zoom);
  if (!copperOnly) {
    const int selected = pickSelected(board, p, zoom, tolerance);
    if (selected >= 0) return selected;
  }
  const std::array<int, 7> order = layerDrawingOrder(board.header.activeLayer);
  int zoneHit = -1;
  for (auto layer = order.rbegin(); layer != order.rend(); ++layer) {
    if (copperOnly && !isCopperLayer(*layer)) continue;
    const LayerHit hit = pickOnLayer(board, *layer, p, zoom, copperOnly, tolerance);
    if (hit.final) return hit.index;
    if (hit.index < 0) continue;
    // A zone stays provisional: an object of a lower layer under the point wins over it.
    if (board.objects[hit.index]->kind != kZone) return hit.index;
    if (zoneHit < 0) zoneHit = hit.index;
  }
  return zoneHit;
}

}  // namespace pravelo
