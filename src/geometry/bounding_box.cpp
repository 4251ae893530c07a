#include "geometry/bounding_box.h"

#include <algorithm>

#include "base/units.h"
#include "geometry/angles.h"
#include "geometry/arc.h"

namespace pravelo {
namespace {

// Pads keep a minimum margin even without clearance.
std::int64_t padWidening(double w) {
  const std::int64_t rounded = roundHalfEven(w);
  return rounded == 0 ? 20 : rounded;
}

// A side of the full circle that a partial arc does not reach is pulled in to the outermost end
// point in that direction, widened by the ring width.
void pullInUnreachedSides(const TObjekt& c, double& minX, double& minY, double& maxX,
                          double& maxY) {
  const MilliDeg start = normalised(circleStartAngle(c));
  const MilliDeg stop = circleStopAngle(c);
  if (isFullCircle(start, stop)) return;
  const std::int32_t span = arcSpan(start, stop).value;
  const double ring = ringWidth(c.dim.x, c.dim.y);
  const FPoint a = pointOnArc(c.pos, c.dim.x, start);
  const FPoint b = pointOnArc(c.pos, c.dim.x, stop);
  auto unreached = [&](std::int32_t direction) {
    std::int32_t rel = direction - start.value;
    if (rel < 0) rel += kFullCircleMilliDeg;
    return span < rel;
  };
  if (unreached(90000)) maxY = std::max<double>(a.y, b.y) + ring;
  if (unreached(180000)) minX = std::min<double>(a.x, b.x) - ring;
  if (unreached(270000)) minY = std::min<double>(a.y, b.y) - ring;
  if (unreached(360000)) maxX = std::max<double>(a.x, b.x) + ring;
}

TRect circleBounds(const TObjekt& c) {
  const double cx = c.pos.x;
  const double cy = c.pos.y;
  const double outer = c.dim.x;
  double minX = cx - outer, maxX = cx + outer, minY = cy - outer, maxY = cy + outer;
  pullInUnreachedSides(c, minX, minY, maxX, maxY);
  const double clearance = c.clearance;
  const double centreMark = c.dim.y / 5.0;
  return rectFromCorners(
      std::min(minX - clearance, cx - centreMark), std::min(minY - clearance, cy - centreMark),
      std::max(maxX + clearance, cx + centreMark), std::max(maxY + clearance, cy + centreMark));
}

TRect padBounds(const TObjekt& pad, const SpokeLayer& spokes) {
  const double radius = pad.dim.x;
  TRect box;
  if (pad.variant == kPadCircular) {
    const double w = static_cast<double>(padWidening(radius + pad.clearance));
    box = rectFromCorners(pad.pos.x - w, pad.pos.y - w, pad.pos.x + w, pad.pos.y + w);
  } else if (pad.variant == kPadRoundedH || pad.variant == kPadRoundedV) {
    // The outline holds only the two cap centres.
    box = widened(pointListBounds(pad.points), padWidening(1.5 * pad.clearance + radius));
  } else {
    box = widened(pointListBounds(pad.points), padWidening(1.5 * pad.clearance));
  }
  if (showsThermalSpokes(pad, spokes)) box = widened(box, roundHalfEven(radius / 1.5));
  return box;
}

TRect smdPadBounds(const TObjekt& smd, const SpokeLayer& spokes) {
  TRect box = widened(pointListBounds(smd.points), padWidening(1.5 * smd.clearance));
  if (showsThermalSpokes(smd, spokes)) {
    box = widened(box, roundHalfEven(std::min(smd.dim.x, smd.dim.y) / 3.0));
  }
  return box;
}

TRect lineBounds(const std::vector<FPoint>& vertices, std::int32_t width, std::int32_t clearance) {
  std::int64_t half = width / 2;
  if (half == 0) half = 200;
  return widened(pointListBounds(vertices), half + clearance);
}

TRect textBounds(const TObjekt& text, const SpokeLayer& spokes) {
  if (text.children.empty()) return {};
  TRect box = objectBounds(text.children.front(), spokes);
  for (const TObjekt& child : text.children) box = unite(box, objectBounds(child, spokes));
  return box;
}

}  // namespace

TRect objectBounds(const TObjekt& o, const SpokeLayer& spokes) {
  switch (o.kind) {
    case kCircle:
      return circleBounds(o);
    case kPad:
      return padBounds(o, spokes);
    case kSmdPad:
      return smdPadBounds(o, spokes);
    case kTrack:
    case kZone:
      return lineBounds(o.points, o.width, o.clearance);
    case kLegacyLine:
      // Converted to a track on load; bounded like the track it becomes.
      return lineBounds({o.pos, o.dim}, o.width, o.clearance);
    case kText:
      return textBounds(o, spokes);
    case kLegacyText:
      return widened(rectFromCorners(o.pos.x, o.pos.y, o.dim.x, o.dim.y), o.clearance);
    default:
      return {};
  }
}

TRect objectListBounds(const ObjectList& objects, const SpokeLayer& spokes,
                       const std::function<bool(const TObjekt&)>& include) {
  bool any = false;
  TRect box;
  for (const auto& o : objects) {
    if (include && !include(*o)) continue;
    const TRect b = objectBounds(*o, spokes);
    box = any ? unite(box, b) : b;
    any = true;
  }
  return box;
}

}  // namespace pravelo
