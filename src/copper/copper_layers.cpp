#include "copper/copper_layers.h"

namespace pravelo {

bool isPlatedThrough(const TObjekt& o) {
  return o.kind == kPad && o.via != 0 && isCopperLayer(o.layer);
}

bool shareCopperLayer(const TObjekt& a, const TObjekt& b) {
  if (!isCopperLayer(a.layer) || !isCopperLayer(b.layer)) return false;
  return a.layer == b.layer || isPlatedThrough(a) || isPlatedThrough(b);
}

}  // namespace pravelo
