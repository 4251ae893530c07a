#include "manufacturing/milling_objects.h"

#include "copper/copper_layers.h"
#include "copper/object_outline.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"

namespace pravelo {
namespace {

bool passesMillSelection(const TObjekt& o, bool selectedOnly) {
  return !selectedOnly || o.selected != 0;
}

}  // namespace

bool takesPartInMilling(const TObjekt& o, const BoardHeader& header, int layer, bool selectedOnly) {
  if (!conducts(o) || !passesMillSelection(o, selectedOnly)) return false;
  if (!isPresentOnLayer(o, layer, header.multilayer != 0)) return false;
  if (header.groundPlane[layer - 1] == 0) return true;
  return planeClearance(o) > 0 && !(isPadKind(o.kind) && o.optB != 0);
}

bool milledAlongStrokes(const TObjekt& o, const MillingOptions& options) {
  if (o.kind != kText) return false;
  return o.selected != 0 ? options.singleLineSelectedTexts : options.singleLineTexts;
}

std::vector<const TObjekt*> isolationObjects(const Board& board, int layer,
                                             const MillingOptions& options) {
  std::vector<const TObjekt*> objects;
  for (const auto& o : board.objects) {
    if (takesPartInMilling(*o, board.header, layer, options.selectedOnly) &&
        !milledAlongStrokes(*o, options)) {
      objects.push_back(o.get());
    }
  }
  return objects;
}

std::vector<const TObjekt*> strokeTexts(const Board& board, int layer,
                                        const MillingOptions& options) {
  std::vector<const TObjekt*> texts;
  for (const auto& o : board.objects) {
    if (o->layer == layer && takesPartInMilling(*o, board.header, layer, options.selectedOnly) &&
        milledAlongStrokes(*o, options)) {
      texts.push_back(o.get());
    }
  }
  return texts;
}

bool hasMillingHoles(const Board& board, bool selectedOnly) {
  for (const auto& o : board.objects) {
    if (o->kind == kPad && o->dim.y > 0 && isCopperLayer(o->layer) &&
        passesMillSelection(*o, selectedOnly)) {
      return true;
    }
  }
  return false;
}

std::vector<const TObjekt*> outlineObjects(const Board& board, bool selectedOnly) {
  std::vector<const TObjekt*> objects;
  for (const auto& o : board.objects) {
    if (o->layer == kLayerO && (o->kind == kTrack || o->kind == kCircle) &&
        passesMillSelection(*o, selectedOnly)) {
      objects.push_back(o.get());
    }
  }
  return objects;
}

TRect millingExtent(const Board& board) {
  const TRect extent = objectListBounds(board.objects, {}, [](const TObjekt& o) {
    const bool onSide =
        o.layer == kLayerC1 || o.layer == kLayerC2 || o.layer == kLayerO || isPlatedThrough(o);
    return onSide && o.cutout == 0 && !isPureHole(o) && !isMaskOnlyZone(o);
  });
  if (!isEmptyRect(extent)) return extent;
  return {0, -board.header.height, board.header.width, 0};
}

}  // namespace pravelo
