#include "document/object.h"

#include <utility>

#include "base/units.h"

namespace pravelo {

TObjekt newObject() { return TObjekt{}; }

void initTrack(TObjekt& o, std::int32_t width, std::uint8_t layer) {
  o.kind = kTrack;
  o.width = width;
  o.layer = layer;
  o.points.clear();
  o.groups.clear();
  o.routeEndA = o.routeEndB = nullptr;
  o.autorouted = o.cutout = o.solderMask = o.variant = o.selected = 0;
  o.text.clear();
  o.name.clear();
}

void initZone(TObjekt& o, std::int32_t width, std::uint8_t layer) {
  o.kind = kZone;
  o.width = width;
  o.layer = layer;
  o.points.clear();
  o.groups.clear();
  o.closed = 1;
  o.optB = 0;
  o.optC = 1;
  o.paramB = width;
  o.autorouted = o.cutout = o.solderMask = o.selected = 0;
  o.text.clear();
  o.name.clear();
}

void initPad(TObjekt& o, FPoint centre, std::uint8_t layer, std::uint8_t shape, float drillRadius,
             float outerRadius) {
  o.kind = kPad;
  o.pos = centre;
  o.dim = {outerRadius, drillRadius};
  o.variant = shape;
  o.layer = layer;
  o.points = padOutline(centre, outerRadius, shape, 0);
  o.groups.clear();
  o.connections.clear();
  o.via = 0;
  o.solderMask = 1;
  o.paramA = kDefaultPadSpokes;
  o.paramB = kDefaultSpokeWidthPercent;
  o.thermalStamp = kThermalStamp;
  o.optA = o.optB = o.autorouted = o.cutout = o.selected = 0;
}

void initSmdPad(TObjekt& o, FPoint centre, std::int32_t sizeX, std::uint8_t layer,
                std::int32_t sizeY) {
  o.kind = kSmdPad;
  o.pos = centre;
  o.dim = {static_cast<float>(sizeX), static_cast<float>(sizeY)};
  o.layer = layer;
  o.points = smdPadCorners(centre, static_cast<float>(sizeX), static_cast<float>(sizeY));
  o.groups.clear();
  o.connections.clear();
  o.solderMask = 1;
  o.paramA = kDefaultSmdSpokes;
  o.paramB = kDefaultSpokeWidthPercent;
  o.thermalStamp = kThermalStamp;
  o.optB = o.autorouted = o.cutout = o.selected = 0;
}

void initCircle(TObjekt& o, FPoint centre, std::int32_t outerRadius, std::uint8_t layer,
                std::int32_t innerRadius) {
  o.kind = kCircle;
  o.pos = centre;
  o.dim = {static_cast<float>(outerRadius), static_cast<float>(innerRadius)};
  o.paramA = 0;
  o.width = 0;
  o.layer = layer;
  o.points.clear();
  o.groups.clear();
  o.optA = o.variant = o.autorouted = o.cutout = o.solderMask = o.selected = 0;
}

void initText(TObjekt& o, FPoint anchor, std::string text, std::uint8_t mirrorVertical,
              std::uint8_t mirrorHorizontal, std::uint8_t layer, std::int32_t style,
              std::int32_t thickness, std::int32_t height, std::int32_t rotation) {
  o.kind = kText;
  o.pos = anchor;
  o.dim = {static_cast<float>(height), static_cast<float>(thickness)};
  o.width = style;
  o.optB = mirrorHorizontal;
  o.optC = mirrorVertical;
  o.paramB = rotation;
  o.layer = layer;
  o.text = std::move(text);
  o.name.clear();
  o.optA = 1;
  o.variant = kPlainText;
  o.groups.clear();
  o.children.clear();
  o.autorouted = o.cutout = o.solderMask = o.selected = 0;
}

void addPoint(TObjekt& o, FPoint p) { o.points.push_back(p); }

void pushGroup(TObjekt& o, std::int32_t group) { o.groups.push_back(group); }

void copyObject(TObjekt& source, TObjekt& destination) {
  // The record's members are values (points, groups, children, strings) or non-owning partner
  // references, so member-wise copying is the deep copy; connections and route ends keep
  // pointing at the source's partners until the caller re-points them.
  destination = source;
  if (!isIdText(source)) destination.component = ComponentData{};
  if (destination.kind == kZone) destination.closed = 1;
  destination.drawMark = 0;
  destination.copyMark = 0;
  source.copyMark = 1;
}

void freeObject(TObjekt& o) {
  o.points = {};
  o.groups = {};
  o.connections = {};
  o.children = {};
  o.text = {};
  o.name = {};
  o.component = {};
  o.routeEndA = o.routeEndB = nullptr;
}

std::vector<FPoint> padOutline(FPoint centre, float radius, int shape, int enlargement) {
  const double x = centre.x;
  const double y = centre.y;
  const double r = radius;
  const double R = r + enlargement;
  const double T = 2 * r + enlargement;
  const double L = static_cast<double>(roundHalfEven(R * 0.585));
  auto pt = [](double px, double py) {
    return FPoint{static_cast<float>(px), static_cast<float>(py)};
  };
  auto rectangle = [&](double a, double b) {
    return std::vector<FPoint>{pt(x - a, y + b), pt(x + a, y + b), pt(x + a, y - b),
                               pt(x - a, y - b)};
  };
  auto octagon = [&](double a, double b) {
    return std::vector<FPoint>{pt(x - a, y + b - L), pt(x - a + L, y + b), pt(x + a - L, y + b),
                               pt(x + a, y + b - L), pt(x + a, y - b + L), pt(x + a - L, y - b),
                               pt(x - a + L, y - b), pt(x - a, y - b + L)};
  };
  switch (shape) {
    case kPadCircular:
      return {pt(x - R, y), pt(x + R, y)};
    case kPadRoundedH:
      // The cap centres; an enlargement only widens the bar.
      return {pt(x - r, y), pt(x + r, y)};
    case kPadRoundedV:
      return {pt(x, y + r), pt(x, y - r)};
    case kPadSquare:
      return rectangle(R, R);
    case kPadRectangleH:
      return rectangle(T, R);
    case kPadRectangleV:
      return rectangle(R, T);
    case kPadOctagon:
      return octagon(R, R);
    case kPadOctagonH:
      return octagon(T, R);
    case kPadOctagonV:
      return octagon(R, T);
    default:
      return {};
  }
}

std::vector<FPoint> smdPadCorners(FPoint centre, float sizeX, float sizeY) {
  const double x = centre.x;
  const double y = centre.y;
  const double hw = sizeX / 2.0;
  const double hh = sizeY / 2.0;
  auto pt = [](double px, double py) {
    return FPoint{static_cast<float>(px), static_cast<float>(py)};
  };
  return {pt(x - hw, y + hh), pt(x + hw, y + hh), pt(x + hw, y - hh), pt(x - hw, y - hh)};
}

}  // namespace pravelo
