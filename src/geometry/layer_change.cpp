#include "geometry/layer_change.h"

namespace pravelo {

int otherSideLayer(int layer) {
  switch (layer) {
    case kLayerC1:
      return kLayerC2;
    case kLayerC2:
      return kLayerC1;
    case kLayerS1:
      return kLayerS2;
    case kLayerS2:
      return kLayerS1;
    default:
      return layer;
  }
}

void setObjectLayer(TObjekt& o, std::uint8_t layer) {
  o.layer = layer;
  for (TObjekt& stroke : o.children) stroke.layer = layer;
  if (!isCopperLayer(layer)) {
    o.cutout = 0;
    if (isPadKind(o.kind)) {
      o.via = 0;
      o.optB = 0;
    }
  }
  if (layer != kLayerC1 && layer != kLayerC2) o.maskOnly = 0;
}

}  // namespace pravelo
