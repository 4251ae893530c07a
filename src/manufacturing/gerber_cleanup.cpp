#include "manufacturing/gerber_cleanup.h"

#include <cmath>
#include <vector>

#include "manufacturing/gerber_shapes.h"

namespace pravelo {
namespace {

constexpr float kZoneDuplicateDistance = 50;
constexpr double kOctagonEdgeTolerance = 0.01;
constexpr double kOctagonLongestEdge = 900000;

bool nearlySamePoint(FPoint a, FPoint b) {
  return std::abs(a.x - b.x) <= kZoneDuplicateDistance &&
         std::abs(a.y - b.y) <= kZoneDuplicateDistance;
}

void dropDoubledPoints(TObjekt& zone) {
  if (zone.points.size() <= 2) return;
  std::vector<FPoint> kept;
  kept.reserve(zone.points.size());
  for (const FPoint& p : zone.points) {
    if (kept.empty() || !nearlySamePoint(kept.back(), p)) kept.push_back(p);
  }
  if (kept.size() > 1 && nearlySamePoint(kept.back(), kept.front())) kept.pop_back();
  zone.points = std::move(kept);
}

double edgeLength(const std::vector<FPoint>& p, std::size_t k) {
  const FPoint& a = p[k];
  const FPoint& b = p[(k + 1) % p.size()];
  return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

bool isRegularOctagon(const TObjekt& zone) {
  if (zone.points.size() != 8) return false;
  const double first = edgeLength(zone.points, 0);
  if (first <= 0) return false;
  for (std::size_t k = 0; k < 8; ++k) {
    const double length = edgeLength(zone.points, k);
    if (std::abs(length - first) > first * kOctagonEdgeTolerance || length > kOctagonLongestEdge) {
      return false;
    }
  }
  return true;
}

// The pad keeps the zone's own corners as its outline, so that its turn is the octagon's.
TObjekt octagonPad(const TObjekt& zone) {
  double cx = 0;
  double cy = 0;
  for (const FPoint& p : zone.points) {
    cx += p.x / 8.0;
    cy += p.y / 8.0;
  }
  const FPoint& a = zone.points[0];
  const FPoint& b = zone.points[5];
  const double radius = std::hypot(double(b.x) - a.x, double(b.y) - a.y) / 2;
  TObjekt pad = newObject();
  initPad(pad, {static_cast<float>(cx), static_cast<float>(cy)}, zone.layer, kPadOctagon, 0,
          static_cast<float>(radius));
  pad.points = zone.points;
  pad.clearance = kImportClearance;
  return pad;
}

}  // namespace

void cleanImportedZones(ObjectList& objects) {
  for (auto& o : objects) {
    if (o->kind != kZone) continue;
    dropDoubledPoints(*o);
    if (isRegularOctagon(*o)) *o = octagonPad(*o);
  }
  // A zone needs three corners to enclose anything.
  std::erase_if(objects, [](const auto& o) { return o->kind == kZone && o->points.size() < 3; });
}

}  // namespace pravelo
