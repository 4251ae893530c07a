#include "copper/grow.h"

#include "geometry/pad_geometry.h"
#include "base/units.h"

namespace pravelo {
namespace {

void changeWidths(TObjekt& o, std::int32_t d) {
  switch (o.kind) {
    case kTrack:
    case kZone:
      o.width += d;
      break;
    case kCircle:
      o.dim.x = static_cast<float>(o.dim.x + d / 2.0);
      o.dim.y = static_cast<float>(o.dim.y - d / 2.0);
      break;
    case kText:
      for (TObjekt& stroke : o.children) stroke.width += d;
      break;
    case kSmdPad:
      resizeSmdPad(o, static_cast<double>(o.dim.x) + d, static_cast<double>(o.dim.y) + d);
      break;
    default:
      break;
  }
}

}  // namespace

void growObject(TObjekt& o, std::int32_t d) {
  if (d == 0) return;
  if (o.kind == kPad) {
    o.padEnlargement = static_cast<std::int32_t>(roundHalfEven(d / 2.0));
    regeneratePadOutline(o, std::nullopt, o.padEnlargement);
    return;
  }
  changeWidths(o, d);
}

void shrinkObject(TObjekt& o, std::int32_t d) {
  if (d == 0) return;
  if (o.kind == kPad) {
    o.padEnlargement = 0;
    regeneratePadOutline(o, std::nullopt, 0);
    return;
  }
  changeWidths(o, -d);
}

TObjekt grownCopy(const TObjekt& o, std::int32_t d) {
  TObjekt copy = o;
  growObject(copy, d);
  return copy;
}

}  // namespace pravelo
