#include "geometry/component_side.h"

namespace pravelo {

namespace {

// The one layer among `a` and `b` that every member on either of them lies on; 0 when there
// is none or both occur.
int soleLayer(std::span<const TObjekt* const> members, int a, int b) {
  int found = 0;
  for (const TObjekt* o : members) {
    if (o->layer != a && o->layer != b) continue;
    if (found != 0 && found != o->layer) return 0;
    found = o->layer;
  }
  return found;
}

}  // namespace

bool componentOnTopSide(std::span<const TObjekt* const> members) {
  if (const int silk = soleLayer(members, kLayerS1, kLayerS2)) return silk == kLayerS1;
  const int copper = soleLayer(members, kLayerC1, kLayerC2);
  if (copper == 0) return false;
  bool smd = false;
  for (const TObjekt* o : members) smd = smd || o->kind == kSmdPad;
  return copper == (smd ? kLayerC1 : kLayerC2);
}

}  // namespace pravelo
