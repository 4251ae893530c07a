#include "copper/grow.h"

#include <cmath>

#include "base/units.h"
#include "geometry/pad_geometry.h"
#include "geometry/point.h"

namespace pravelo {
namespace {

DPoint unit(DPoint v) {
  const double length = std::hypot(v.x, v.y);
  return length > 0 ? DPoint{v.x / length, v.y / length} : DPoint{};
}

DPoint difference(FPoint a, FPoint b) {
  return {static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y};
}

// Moves each corner of an SMD pad outwards by d / 2 along both sides of the pad. Its own
// corners move: rebuilding the rectangle from a centre and a rotation read off rounded corners
// would shift them, and shrinking, which reads them off the grown corners, could not undo that.
// A pad without width or height takes that direction square to the other one.
void growSmdPad(TObjekt& smd, std::int32_t d) {
  std::vector<FPoint>& c = smd.points;
  if (c.size() != 4) return;
  const DPoint s01 = difference(c[0], c[1]);
  const DPoint s32 = difference(c[3], c[2]);
  const DPoint s12 = difference(c[1], c[2]);
  const DPoint s03 = difference(c[0], c[3]);
  DPoint along = unit({s01.x + s32.x, s01.y + s32.y});   // from corner 0 to corner 1
  DPoint across = unit({s12.x + s03.x, s12.y + s03.y});  // from corner 1 to corner 2
  if (along == DPoint{} && across == DPoint{}) along = {1, 0};
  if (across == DPoint{}) across = {along.y, -along.x};
  if (along == DPoint{}) along = {-across.y, across.x};
  const double half = d / 2.0;
  const int sideAlong[] = {-1, 1, 1, -1};
  const int sideAcross[] = {-1, -1, 1, 1};
  for (std::size_t k = 0; k < 4; ++k) {
    const double ux = sideAlong[k] * along.x + sideAcross[k] * across.x;
    const double uy = sideAlong[k] * along.y + sideAcross[k] * across.y;
    c[k] = toFPoint({c[k].x + half * ux, c[k].y + half * uy});
  }
  smd.dim = {static_cast<float>(static_cast<double>(smd.dim.x) + d),
             static_cast<float>(static_cast<double>(smd.dim.y) + d)};
}

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
      growSmdPad(o, d);
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
