#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "document/document.h"
#include "document/layout_file.h"
#include "geometry/pad_geometry.h"

namespace pravelo::testing {

// A one-board document for routing: pads and tracks on C1, sizes in units.
class RouteBoard {
 public:
  explicit RouteBoard(std::int32_t width = 1000000, std::int32_t height = 1000000) {
    doc.boards.push_back(std::make_unique<Board>());
    doc.activeBoard = 0;
    board().header = newBoardHeader(width, height);
    board().header.activeLayer = kLayerC1;
  }
  Board& board() { return *doc.boards[0]; }
  TObjekt& operator[](int i) { return *board().objects.at(i); }

  int add(TObjekt o) {
    board().objects.push_back(std::make_unique<TObjekt>(std::move(o)));
    return static_cast<int>(board().objects.size()) - 1;
  }
  int pad(FPoint centre, float outer = 8000, float drill = 4000) {
    TObjekt p = newObject();
    initPad(p, centre, kLayerC1, kPadCircular, drill, outer);
    return add(std::move(p));
  }
  int track(FPoint a, FPoint b, std::int32_t width = 4000, std::uint8_t layer = kLayerC1) {
    TObjekt t = newObject();
    initTrack(t, width, layer);
    addPoint(t, a);
    addPoint(t, b);
    return add(std::move(t));
  }
  void connect(int p, int q) {
    (*this)[p].connections.push_back(&(*this)[q]);
    (*this)[q].connections.push_back(&(*this)[p]);
  }
  std::string bytes() const { return writeLayout(doc); }

  Document doc;
};

// Distances computed from the geometry itself, apart from the polygon engine the router uses.
inline double segmentPointDistance(FPoint a, FPoint b, FPoint p) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

inline bool segmentsCross(FPoint a, FPoint b, FPoint c, FPoint d) {
  const auto side = [](FPoint p, FPoint q, FPoint r) {
    return (static_cast<double>(q.x) - p.x) * (r.y - p.y) -
           (static_cast<double>(q.y) - p.y) * (r.x - p.x);
  };
  const double d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
  return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 &&
         d4 != 0;
}

inline double segmentDistance(FPoint a, FPoint b, FPoint c, FPoint d) {
  if (segmentsCross(a, b, c, d)) return 0;
  return std::min({segmentPointDistance(a, b, c), segmentPointDistance(a, b, d),
                   segmentPointDistance(c, d, a), segmentPointDistance(c, d, b)});
}

// The smallest edge-to-edge distance between a track and a track or circular pad.
inline double copperGap(const TObjekt& track, const TObjekt& other) {
  double gap = 1e30;
  for (std::size_t i = 0; i + 1 < track.points.size(); ++i) {
    const FPoint a = track.points[i], b = track.points[i + 1];
    if (other.kind == kTrack) {
      for (std::size_t k = 0; k + 1 < other.points.size(); ++k) {
        gap = std::min(gap, segmentDistance(a, b, other.points[k], other.points[k + 1]) -
                                (track.width + other.width) / 2.0);
      }
    } else {
      const FPoint centre = other.kind == kSmdPad ? smdPadCentre(other) : other.pos;
      gap = std::min(gap, segmentPointDistance(a, b, centre) - track.width / 2.0 - other.dim.x);
    }
  }
  return gap;
}

}  // namespace pravelo::testing
