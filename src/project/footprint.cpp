#include "project/footprint.h"

#include <cmath>
#include <numbers>

#include "base/units.h"
#include "geometry/rotate.h"

namespace pravelo {

namespace {

constexpr std::int32_t kFootprintPadClearance = 4000;

void addFootprintPad(const FootprintValues& v, int layer, double x, double y, double degrees,
                     ObjectList& out) {
  auto pad = std::make_unique<TObjekt>(newObject());
  const FPoint at{static_cast<float>(x), static_cast<float>(y)};
  const auto onLayer = static_cast<std::uint8_t>(layer);
  if (v.pads == FootprintPads::Round) {
    // The fields hold diameters; the pad keeps radii.
    initPad(*pad, at, onLayer, kPadCircular, static_cast<float>(v.drillMm * kUnitsPerMm / 2),
            static_cast<float>(v.padMm * kUnitsPerMm / 2));
  } else {
    initSmdPad(*pad, at, roundToInt32(v.smdXMm * kUnitsPerMm), onLayer,
               roundToInt32(v.smdYMm * kUnitsPerMm));
    if (degrees != 0) rotateObject(*pad, at, degrees);
  }
  pad->clearance = kFootprintPadClearance;
  out.push_back(std::move(pad));
}

void addFootprintCircles(const FootprintValues& v, int layer, bool dual, ObjectList& out) {
  const double r = v.dMm * kUnitsPerMm / 2;
  const double outer = r + v.yMm * kUnitsPerMm;
  const double step = 2 * std::numbers::pi / v.horizontal;
  for (int i = 0; i < v.horizontal; ++i) {
    const double theta = i * step;
    // Pads face the centre.
    const double degrees = 180 - theta * 180 / std::numbers::pi;
    addFootprintPad(v, layer, r * std::cos(theta), r * std::sin(theta), degrees, out);
    if (dual) {
      addFootprintPad(v, layer, outer * std::cos(theta), outer * std::sin(theta), degrees, out);
    }
  }
}

void addFootprintSquare(const FootprintValues& v, int layer, ObjectList& out) {
  const double d = v.dMm * kUnitsPerMm;
  const double x = v.xMm * kUnitsPerMm;
  const double y = v.yMm * kUnitsPerMm;
  const double cx = x / 2;
  const double cy = y / 2;
  const double h = (v.horizontal - 1) * d;
  const double w = (v.vertical - 1) * d;
  for (int i = 0; i < v.horizontal; ++i) {
    addFootprintPad(v, layer, cx - h / 2 + d * i, cy - y / 2, 0, out);
    addFootprintPad(v, layer, cx - h / 2 + d * i, cy + y / 2, 0, out);
  }
  for (int j = 0; j < v.vertical; ++j) {
    addFootprintPad(v, layer, cx - x / 2, cy - w / 2 + d * j, 90, out);
    addFootprintPad(v, layer, cx + x / 2, cy - w / 2 + d * j, 90, out);
  }
}

}  // namespace

void setFootprintDefaults(FootprintValues& values) {
  values.padMm = 1.6;
  values.drillMm = 0.8;
  values.smdXMm = 0.8;
  values.smdYMm = 1.6;
  switch (values.type) {
    case FootprintType::SingleRow:
      values.horizontal = 8;
      values.dMm = 2.54;
      break;
    case FootprintType::DualRow:
      values.horizontal = 8;
      values.dMm = 2.54;
      values.yMm = 2.54;
      break;
    case FootprintType::Square:
      values.horizontal = 8;
      values.vertical = 8;
      values.dMm = 2.54;
      values.yMm = 25.4;
      values.xMm = 25.4;
      break;
    case FootprintType::SingleCircular:
      values.horizontal = 16;
      values.dMm = 25.4;
      break;
    case FootprintType::DualCircular:
      values.horizontal = 16;
      values.dMm = 25.4;
      values.yMm = 2.54;
      break;
  }
}

int footprintPadCount(const FootprintValues& values) {
  switch (values.type) {
    case FootprintType::SingleRow:
    case FootprintType::SingleCircular:
      return values.horizontal;
    case FootprintType::DualRow:
    case FootprintType::DualCircular:
      return 2 * values.horizontal;
    case FootprintType::Square:
      return 2 * values.horizontal + 2 * values.vertical;
  }
  return 0;
}

void generateFootprint(const FootprintValues& values, int layer, ObjectList& out) {
  const double d = values.dMm * kUnitsPerMm;
  switch (values.type) {
    case FootprintType::SingleRow:
      for (int i = 0; i < values.horizontal; ++i) addFootprintPad(values, layer, d * i, 0, 0, out);
      break;
    case FootprintType::DualRow:
      for (int i = 0; i < values.horizontal; ++i) {
        addFootprintPad(values, layer, d * i, 0, 0, out);
        addFootprintPad(values, layer, d * i, values.yMm * kUnitsPerMm, 0, out);
      }
      break;
    case FootprintType::Square:
      addFootprintSquare(values, layer, out);
      break;
    case FootprintType::SingleCircular:
    case FootprintType::DualCircular:
      addFootprintCircles(values, layer, values.type == FootprintType::DualCircular, out);
      break;
  }
}

}  // namespace pravelo
