#include "project/polygon_shape.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "base/units.h"

namespace pravelo {

void generatePolygon(const PolygonValues& values, int layer, std::int32_t clearance,
                     ObjectList& out) {
  const double radius = values.radiusMm * kUnitsPerMm;
  const std::int32_t width = roundToInt32(values.lineWidthMm * kUnitsPerMm);
  const auto onLayer = static_cast<std::uint8_t>(layer);
  std::vector<FPoint> corners;
  for (int i = 0; i <= values.corners; ++i) {
    const double phi = (360.0 / values.corners * i + values.angleOffset) * std::numbers::pi / 180.0;
    corners.push_back({static_cast<float>(roundToInt32(std::cos(phi) * radius)),
                       static_cast<float>(roundToInt32(std::sin(phi) * radius))});
  }
  auto outline = std::make_unique<TObjekt>(newObject());
  if (values.filled) {
    initZone(*outline, width, onLayer);
    corners.pop_back();
  } else {
    initTrack(*outline, width, onLayer);
  }
  outline->points = corners;
  outline->clearance = clearance;
  out.push_back(std::move(outline));
  if (!values.rays) return;
  for (int i = 0; i < values.corners; ++i) {
    auto ray = std::make_unique<TObjekt>(newObject());
    initTrack(*ray, width, onLayer);
    ray->points = {{0, 0}, corners[static_cast<std::size_t>(i)]};
    ray->clearance = clearance;
    out.push_back(std::move(ray));
  }
}

}  // namespace pravelo
