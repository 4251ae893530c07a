#include "document/board_cleanup.h"

#include <cstdint>

#include "document/object_list.h"

namespace pravelo {
namespace {

bool failsCleanUp(const TObjekt& o) {
  if (o.layer == 0 || o.layer > kLayerCount || o.kind == 0 || o.kind > kSmdPad) return true;
  if ((o.kind == kTrack || o.kind == kZone) && o.points.size() < 2) return true;
  return o.kind == kText && o.children.empty();
}

}  // namespace

void cleanUpBoard(ObjectList& objects) {
  removeObjectsIf(objects, failsCleanUp);
  for (auto& o : objects) {
    if (o->kind == kPad && (o->layer == kLayerS1 || o->layer == kLayerS2)) o->via = 0;
    if (o->kind == kCircle && o->dim.y > o->dim.x) {
      const double outer = o->dim.x;
      const double middle = outer - (outer - o->dim.y) / 2;
      o->dim = {static_cast<float>(middle + 1), static_cast<float>(middle - 1)};
    }
  }
}

void normalisePads(ObjectList& objects) {
  for (auto& o : objects) {
    if (o->kind == kPad) {
      if (!isCopperLayer(o->layer)) o->via = o->optB = 0;
      if (o->optA == 0) {
        const std::uint32_t c1 = static_cast<std::uint32_t>(o->paramA) & 0xFF;
        o->paramA = static_cast<std::int32_t>(c1 * 0x01010101u);
      }
    } else if (o->kind == kSmdPad && !isCopperLayer(o->layer)) {
      o->optB = 0;
    }
  }
}

}  // namespace pravelo
