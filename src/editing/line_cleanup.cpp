#include "editing/line_cleanup.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/units.h"
#include "geometry/layer_presence.h"
#include "geometry/point.h"

namespace pravelo {

namespace {

// A pad this near a vertex (per axis) keeps it: the track is meant to touch the pad there.
constexpr double kPadKeepDistance = 5000;
// Directions are compared in steps of 1e-4 radian.
constexpr double kDirectionSteps = 1e4;

// The pad centres of one layer, sorted by x, for the nearby-pad test of many vertices.
class PadCentres {
 public:
  PadCentres(const Board& board, int layer) {
    for (const auto& o : board.objects) {
      if (isPadKind(o->kind) && isPresentOnLayer(*o, layer, board.header.multilayer != 0)) {
        centres_.push_back(o->pos);
      }
    }
    std::sort(centres_.begin(), centres_.end(), [](FPoint a, FPoint b) { return a.x < b.x; });
  }

  bool near(FPoint v) const {
    auto it = std::lower_bound(centres_.begin(), centres_.end(), v.x - kPadKeepDistance,
                               [](FPoint p, double x) { return p.x < x; });
    for (; it != centres_.end() && it->x <= v.x + kPadKeepDistance; ++it) {
      if (std::abs(it->y - v.y) <= kPadKeepDistance) return true;
    }
    return false;
  }

 private:
  std::vector<FPoint> centres_;
};

std::int64_t roundedDirection(FPoint a, FPoint b) {
  return roundHalfEven(directionAngle(a, b).value * kDirectionSteps);
}

// V lies on the way from U to W: same direction on both sides, and W beyond V.
bool redundant(FPoint u, FPoint v, FPoint w, const PadCentres& pads) {
  return roundedDirection(u, v) == roundedDirection(v, w) && distance(u, w) > distance(u, v) &&
         !pads.near(v);
}

// Step 1: drops each vertex whose successor lies within the tolerance.
void removeCoincidentVertices(std::vector<FPoint>& points, std::int32_t tolerance) {
  for (std::size_t i = 0; i + 1 < points.size();) {
    if (equalRoundedWithin(points[i], points[i + 1], tolerance)) {
      points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

// Step 2: drops inner vertices in the middle of a straight run.
void removeStraightVertices(std::vector<FPoint>& points, const PadCentres& pads) {
  for (std::size_t i = 1; i + 1 < points.size();) {
    if (redundant(points[i - 1], points[i], points[i + 1], pads)) {
      points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

// Step 3, zones only: the first and the last vertex lie between neighbours across the closing
// segment.
void removeStraightClosingVertices(std::vector<FPoint>& points, const PadCentres& pads) {
  if (points.size() > 3 && redundant(points.back(), points[0], points[1], pads)) {
    points.erase(points.begin());
  }
  const std::size_t n = points.size();
  if (n > 3 && redundant(points[n - 2], points[n - 1], points[0], pads)) points.pop_back();
}

}  // namespace

void cleanUpLine(TObjekt& line, const Board& board, bool optimise) {
  removeCoincidentVertices(line.points, line.width / 500);
  if (!optimise) return;
  const PadCentres pads(board, line.layer);
  removeStraightVertices(line.points, pads);
  if (line.kind == kZone) removeStraightClosingVertices(line.points, pads);
}

bool hasEnoughVertices(const TObjekt& line) {
  return line.points.size() >= (line.kind == kZone ? 3u : 2u);
}

}  // namespace pravelo
