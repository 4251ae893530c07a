#include "view/layer_order.h"

namespace pravelo {

std::array<int, 7> layerDrawingOrder(int activeLayer) {
  switch (activeLayer) {
    case kLayerC1:
    case kLayerS1:
      return {kLayerI1, kLayerI2, kLayerC2, kLayerC1, kLayerS2, kLayerS1, kLayerO};
    case kLayerI1:
      return {kLayerC1, kLayerC2, kLayerI2, kLayerI1, kLayerS1, kLayerS2, kLayerO};
    case kLayerI2:
      return {kLayerC1, kLayerC2, kLayerI1, kLayerI2, kLayerS1, kLayerS2, kLayerO};
    default:
      return {kLayerI1, kLayerI2, kLayerC1, kLayerC2, kLayerS1, kLayerS2, kLayerO};
  }
}

bool isCopperLayerInUse(const BoardHeader& header, int layer) {
  return layer == kLayerC1 || layer == kLayerC2 ||
         (header.multilayer && (layer == kLayerI1 || layer == kLayerI2));
}

bool layerShown(const BoardHeader& header, int layer, bool showAll) {
  return showAll || layer == header.activeLayer || isLayerVisible(header, layer);
}

bool objectVisible(const TObjekt& o, const BoardHeader& header, bool showAll) {
  bool visible = layerShown(header, o.layer, showAll);
  if (!visible && isVia(o)) {
    for (int layer : {kLayerC1, kLayerC2, kLayerI1, kLayerI2}) {
      if (isCopperLayerInUse(header, layer) && layerShown(header, layer, showAll)) visible = true;
    }
  }
  if (visible && o.cutout) {
    visible = o.layer == header.activeLayer && header.groundPlane[o.layer - 1] != 0;
  }
  return visible;
}

}  // namespace pravelo
