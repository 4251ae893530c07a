#include "geometry/layer_presence.h"

namespace pravelo {

bool isPresentOnLayer(const TObjekt& o, int layer, bool multilayer) {
  const bool platedThrough = o.kind == kPad && o.via != 0 && isCopperLayer(o.layer);
  if (platedThrough) {
    if (layer == kLayerC1 || layer == kLayerC2) return true;
    if (layer == kLayerI1 || layer == kLayerI2) return multilayer;
    return false;
  }
  return o.layer == layer;
}

SpokeLayer spokeLayerOf(const BoardHeader& header) {
  return {header.activeLayer, header.groundPlane, header.multilayer != 0};
}

bool showsThermalSpokes(const TObjekt& o, const SpokeLayer& spokes) {
  if (!isPadKind(o.kind) || o.optB == 0) return false;
  if (spokes.layer < 1 || spokes.layer > kLayerCount) return false;
  return spokes.groundPlane[spokes.layer - 1] != 0 &&
         isPresentOnLayer(o, spokes.layer, spokes.multilayer);
}

}  // namespace pravelo
