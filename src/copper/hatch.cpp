#include "copper/hatch.h"

#include <algorithm>
#include <cstdlib>

#include "base/units.h"
#include "copper/contour.h"

namespace pravelo {
namespace {

enum class ScanOrder { kByY, kByX };

// Crossings of one scan line with the zone border, sorted along the line and paired into runs.
// No vertex lies on a scan line, so every crossing is a real change between inside and outside:
// each one is kept, even where two round to the same point, so that the pairing never gets out
// of step and no run leaks out of the zone.
void scanLine(const std::vector<IPoint>& border, IPoint from, IPoint to, ScanOrder order,
              std::vector<HatchSegment>& out) {
  std::vector<IPoint> hits;
  for (std::size_t i = 0; i < border.size(); ++i) {
    const auto hit = edgeCrossing(from, to, border[i], border[(i + 1) % border.size()]);
    if (hit) hits.push_back(*hit);
  }
  std::stable_sort(hits.begin(), hits.end(), [order](IPoint a, IPoint b) {
    return order == ScanOrder::kByY ? a.y < b.y : a.x < b.x;
  });
  for (std::size_t i = 0; i + 1 < hits.size(); i += 2) out.push_back({hits[i], hits[i + 1]});
}

// Moves every vertex whose `onLine` test says a scan line runs through it by 2 units in x (or
// y), so that no scan line meets the border exactly at a vertex.
template <typename OnLine>
std::vector<IPoint> nudged(std::vector<IPoint> border, bool inY, OnLine onLine) {
  for (IPoint& p : border) {
    if (!onLine(p)) continue;
    if (inY) {
      p.y += 2;
    } else {
      p.x += 2;
    }
  }
  return border;
}

std::int64_t firstLine(std::int32_t low, std::int64_t pitch) {
  return roundHalfEven(static_cast<double>(low) / static_cast<double>(pitch)) * pitch;
}

}  // namespace

std::vector<HatchSegment> hatchLines(const TObjekt& zone, std::int32_t pitch,
                                     HatchVariant variant) {
  std::vector<HatchSegment> out;
  std::vector<IPoint> vertices;
  for (const FPoint& p : zone.points) vertices.push_back(toIPoint(p));
  if (vertices.size() < 2) return out;
  const TRect box = pointListBounds(zone.points);
  // A zone from a damaged file may be kilometres wide: the pitch is raised so that no pass
  // needs more than kMaxHatchLines lines.
  const std::int64_t span = std::int64_t{box.right} - box.left + std::int64_t{box.bottom} - box.top;
  const std::int64_t p = std::max<std::int64_t>({pitch, kMinHatchPitch, span / kMaxHatchLines + 1});
  const std::int32_t left = box.left;
  const std::int32_t low = box.top;  // the smaller y
  const std::int32_t right = box.right;
  const std::int32_t high = box.bottom;
  auto clampToInt = [](std::int64_t v) { return roundToInt32(static_cast<double>(v)); };

  if (variant == HatchVariant::kGrid) {
    const auto columns = nudged(vertices, false, [p](IPoint v) { return v.x % p == 0; });
    for (std::int64_t x = firstLine(left, p); x < right; x += p) {
      scanLine(columns, {clampToInt(x), low}, {clampToInt(x), high}, ScanOrder::kByY, out);
    }
    const auto rows = nudged(vertices, true, [p](IPoint v) { return v.y % p == 0; });
    for (std::int64_t y = firstLine(low, p); y < high; y += p) {
      scanLine(rows, {left, clampToInt(y)}, {right, clampToInt(y)}, ScanOrder::kByX, out);
    }
    return out;
  }
  // Diagonal line k runs through (k, low) and (left, k + low - left): x + y = k + low.
  const auto border = nudged(
      vertices, false, [p, low](IPoint v) { return (std::int64_t{v.x} + v.y - low) % p == 0; });
  const std::int64_t end = std::int64_t{right} + std::llabs(std::int64_t{high} - low);
  for (std::int64_t x = firstLine(left, p); x < end; x += p) {
    scanLine(border, {clampToInt(x), low}, {left, clampToInt(x + low - left)}, ScanOrder::kByY,
             out);
  }
  return out;
}

}  // namespace pravelo
