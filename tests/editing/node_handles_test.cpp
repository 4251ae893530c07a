#include "editing/node_handles.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TObjekt line(Kind kind, std::int32_t width, std::vector<FPoint> points) {
  TObjekt o = newObject();
  if (kind == kZone) {
    initZone(o, width, kLayerC1);
  } else {
    initTrack(o, width, kLayerC1);
  }
  o.points = std::move(points);
  return o;
}

struct HandleCase {
  const char* what;
  TObjekt object;
  DPoint at;
  double zoom;
  int expected;
};

TEST(NodeHandles, HandleUnderThePoint) {
  // Width 21000: handles of half size 10000 units, 10 pixels at zoom 0.001.
  const TObjekt track = line(kTrack, 21000, {{0, 0}, {100000, 0}, {100000, 100000}});
  const TObjekt zone = line(kZone, 21000, {{0, 0}, {100000, 0}, {100000, 100000}});
  const TObjekt thin = line(kTrack, 100, {{0, 0}, {100000, 0}});
  const TObjekt close = line(kTrack, 21000, {{0, 0}, {15000, 0}});
  TObjekt arc = newObject();
  initCircle(arc, {0, 0}, 60000, kLayerC1, 40000);  // centre line 50000, handles of half 10000
  arc.paramA = 0;
  arc.width = 90000;
  TObjekt pad = newObject();
  initPad(pad, {0, 0}, kLayerC1, kPadCircular, 1000, 5000);
  // clang-format off
  const HandleCase cases[] = {
      {"vertex", track, {100000 + 9000, 100000 - 9000}, 0.001, 2},
      {"beside every square", track, {100000 + 11000, 50000}, 0.001, -1},
      {"overlapping vertices: the last wins", close, {7500, 0}, 0.001, 1},
      {"segment midpoint", track, {50000, 9000}, 0.001, kMidpointHandle + 0},
      {"track has no closing midpoint", track, {50000, 50000}, 0.001, -1},
      {"zone closing midpoint", zone, {50000, 50000}, 0.001, kMidpointHandle + 2},
      {"thin track: 3 pixels at zoom 0.001", thin, {2900, -2900}, 0.001, 0},
      {"thin track: not beyond 3 pixels", thin, {3100, 0}, 0.001, -1},
      {"thin track: its own size at zoom 1", thin, {45, 0}, 1, 0},
      {"thin track: beyond its own size", thin, {60, 0}, 1, -1},
      {"arc start", arc, {50000 + 9000, 0}, 0.001, kStartHandle},
      {"arc stop", arc, {9000, 50000}, 0.001, kStopHandle},
      {"arc middle", arc, {35355, 35355}, 0.001, -1},
      {"pad has none", pad, {0, 0}, 0.001, -1},
  };
  // clang-format on
  for (const HandleCase& c : cases) {
    EXPECT_EQ(nodeHandleAt(c.object, c.at, c.zoom), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace pravelo
