#include "geometry/translate.h"

namespace pravelo {

namespace {

void translatePoint(FPoint& p, double dx, double dy) {
  p.x = static_cast<float>(p.x + dx);
  p.y = static_cast<float>(p.y + dy);
}

}  // namespace

void translateObject(TObjekt& o, double dx, double dy) {
  // Tracks and zones have only their points; the other kinds keep their centre or anchor in pos.
  if (o.kind != kTrack && o.kind != kZone) translatePoint(o.pos, dx, dy);
  // Legacy objects span a box from pos to dim.
  if (o.kind == kLegacyLine || o.kind == kLegacyText) translatePoint(o.dim, dx, dy);
  for (FPoint& p : o.points) translatePoint(p, dx, dy);
  for (TObjekt& child : o.children) translateObject(child, dx, dy);
}

}  // namespace pravelo
