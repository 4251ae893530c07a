#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "hpgl_reader.h"
#include "manufacturing/hpgl_milling.h"
#include "manufacturing/milling_jobs.h"
#include "support/gerber_boards.h"

// An independent check of the isolation paths: the written file is read back and measured
// against copper shapes built here from the objects' parameters, not from the program's
// outlines.
namespace pravelo {
namespace {

using testing::GerberBoard;

struct GeoPoint {
  double x = 0;
  double y = 0;
};
using GeoPolygon = std::vector<GeoPoint>;

double geoDot(GeoPoint a, GeoPoint b) { return a.x * b.x + a.y * b.y; }
GeoPoint geoMinus(GeoPoint a, GeoPoint b) { return {a.x - b.x, a.y - b.y}; }
double geoCross(GeoPoint a, GeoPoint b) { return a.x * b.y - a.y * b.x; }

double pointSegmentDistance(GeoPoint p, GeoPoint a, GeoPoint b) {
  const GeoPoint ab = geoMinus(b, a);
  const double len2 = geoDot(ab, ab);
  const double t = len2 == 0 ? 0 : std::clamp(geoDot(geoMinus(p, a), ab) / len2, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * ab.x), p.y - (a.y + t * ab.y));
}

bool segmentsCross(GeoPoint a, GeoPoint b, GeoPoint c, GeoPoint d) {
  const double d1 = geoCross(geoMinus(b, a), geoMinus(c, a));
  const double d2 = geoCross(geoMinus(b, a), geoMinus(d, a));
  const double d3 = geoCross(geoMinus(d, c), geoMinus(a, c));
  const double d4 = geoCross(geoMinus(d, c), geoMinus(b, c));
  return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

bool insidePolygon(const GeoPolygon& polygon, GeoPoint p) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const GeoPoint a = polygon[i];
    const GeoPoint b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

// 0 when the segment touches or enters the polygon.
double segmentPolygonDistance(GeoPoint a, GeoPoint b, const GeoPolygon& polygon) {
  if (insidePolygon(polygon, a) || insidePolygon(polygon, b)) return 0;
  double best = 1e300;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const GeoPoint c = polygon[i];
    const GeoPoint d = polygon[(i + 1) % polygon.size()];
    if (segmentsCross(a, b, c, d)) return 0;
    best = std::min({best, pointSegmentDistance(a, c, d), pointSegmentDistance(b, c, d),
                     pointSegmentDistance(c, a, b), pointSegmentDistance(d, a, b)});
  }
  return best;
}

// A rectangle of `length` x `width` centred at (cx, cy), its length turned by `degrees`.
GeoPolygon turnedRectangle(double cx, double cy, double length, double width, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  const GeoPoint u{std::cos(a), std::sin(a)};
  const GeoPoint n{-u.y, u.x};
  GeoPolygon r;
  for (const auto& [su, sn] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
    r.push_back({cx + su * u.x * length / 2 + sn * n.x * width / 2,
                 cy + su * u.y * length / 2 + sn * n.y * width / 2});
  }
  return r;
}

struct Island {
  GeoPolygon shape;
  GeoPoint centre;
};

// The loops of the file in board units (1/40 mm, no origin, board 100 mm high).
std::vector<GeoPolygon> millLoops(const Board& board, std::int32_t width, int passes) {
  MillingOptions o;
  o.millC1 = true;
  o.width = width;
  o.passes = passes;
  o.camOrigin = false;
  const auto program = testing::readHpgl(millingFile(board, o, {kPenIsolationC1}).text);
  std::vector<GeoPolygon> loops;
  for (const auto& cut : program.cuts) {
    EXPECT_EQ(cut.points.front(), cut.points.back()) << "every isolation path is closed";
    GeoPolygon loop;
    for (const auto& p : cut.points) {
      loop.push_back({p.x * 250.0, p.y * 250.0 - board.header.height});
    }
    loops.push_back(std::move(loop));
  }
  return loops;
}

class MillingGeometryTest : public ::testing::Test {
 protected:
  // Square-ended tracks and SMD pads: copper that is exactly rectangular, so every distance is
  // exact. Two tracks cross, one SMD pad is turned, and one lies inside a ring of tracks.
  void SetUp() override {
    addTrack({100000, -100000}, {400000, -100000}, 10000);
    addTrack({250000, -30000}, {250000, -200000}, 8000);  // crosses the first
    addTrack({100000, -300000}, {300000, -450000}, 12000);
    addSmd({600000, -150000}, 30000, 16000, 0);
    addSmd({600000, -350000}, 30000, 16000, 35);
    // A frame of four tracks around an SMD pad: the frame's inside edge must be milled too.
    addTrack({500000, -600000}, {800000, -600000}, 10000);
    addTrack({800000, -600000}, {800000, -900000}, 10000);
    addTrack({800000, -900000}, {500000, -900000}, 10000);
    addTrack({500000, -900000}, {500000, -600000}, 10000);
    addSmd({650000, -750000}, 40000, 40000, 0);
  }

  void addTrack(FPoint a, FPoint b, std::int32_t w) {
    b_.track({a, b}, w, 3);
    const double len = std::hypot(b.x - a.x, b.y - a.y) + w;
    const double degrees = std::atan2(b.y - a.y, b.x - a.x) * 180 / std::numbers::pi;
    islands_.push_back({turnedRectangle((a.x + b.x) / 2, (a.y + b.y) / 2, len, w, degrees),
                        {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0}});
  }
  void addSmd(FPoint c, double sx, double sy, double degrees) {
    b_.smd(c, sx, sy, degrees);
    islands_.push_back({turnedRectangle(c.x, c.y, sx, sy, degrees), {c.x, c.y}});
  }

  GerberBoard b_{1000000, 1000000};
  std::vector<Island> islands_;
};

TEST_F(MillingGeometryTest, PathsKeepHalfTheCutterFromCopperAndEncloseEveryIsland) {
  for (const int passes : {1, 3}) {
    const std::int32_t cutter = 2000;
    const std::vector<GeoPolygon> loops = millLoops(b_.board, cutter, passes);
    ASSERT_FALSE(loops.empty());
    // Half the cutter, less one plotter unit of rounding.
    const double allowed = cutter / 2.0 - 250;
    int segments = 0;
    for (const GeoPolygon& loop : loops) {
      for (std::size_t i = 0; i + 1 < loop.size(); ++i) {
        for (const Island& island : islands_) {
          ASSERT_GE(segmentPolygonDistance(loop[i], loop[i + 1], island.shape), allowed)
              << "passes " << passes << " segment " << loop[i].x << "," << loop[i].y;
        }
        ++segments;
      }
    }
    EXPECT_GT(segments, 30);
    for (const Island& island : islands_) {
      EXPECT_TRUE(std::ranges::any_of(
          loops, [&](const GeoPolygon& l) { return insidePolygon(l, island.centre); }))
          << "island at " << island.centre.x << "," << island.centre.y;
    }
  }
}

TEST_F(MillingGeometryTest, TheFrameGetsAnInsideLoopAndCrossingTracksOne) {
  const std::vector<GeoPolygon> loops = millLoops(b_.board, 2000, 1);
  // Crossing tracks: one loop; the frame: outside and inside; every other island one loop.
  EXPECT_EQ(loops.size(), 7u);
  // A point in the gap between frame and pad lies inside the frame's outer and inner loops.
  const GeoPoint inFrameGap{520000, -750000};
  EXPECT_EQ(std::ranges::count_if(
                loops, [&](const GeoPolygon& l) { return insidePolygon(l, inFrameGap); }),
            2);
}

// Round copper is outlined with a fixed number of segments, so the distance to the true circle
// is only checked for not entering it.
TEST(MillingRoundCopperTest, NoPathEntersRoundPadsOrTracks) {
  GerberBoard b(1000000, 1000000);
  struct Disc {
    GeoPoint centre;
    double radius;
  };
  std::vector<Disc> discs;
  for (int i = 0; i < 5; ++i) {
    const float x = 100000 + 150000.0F * i;
    b.pad({x, -200000}, kPadCircular, 6000 + 3000 * i, 3000);
    discs.push_back({{x, -200000}, 6000.0 + 3000 * i});
  }
  b.track({{100000, -500000}, {300000, -600000}, {500000, -500000}}, 10000);
  const std::vector<GeoPolygon> loops = millLoops(b.board, 2000, 2);
  ASSERT_EQ(loops.size(), 12u);
  for (const GeoPolygon& loop : loops) {
    for (std::size_t i = 0; i + 1 < loop.size(); ++i) {
      for (const Disc& d : discs) {
        EXPECT_GT(pointSegmentDistance(d.centre, loop[i], loop[i + 1]), d.radius);
      }
      const GeoPoint corner{300000, -600000};
      EXPECT_GT(pointSegmentDistance(corner, loop[i], loop[i + 1]), 5000);
    }
  }
  for (const Disc& d : discs) {
    EXPECT_EQ(std::ranges::count_if(
                  loops, [&](const GeoPolygon& l) { return insidePolygon(l, d.centre); }),
              2);
  }
}

}  // namespace
}  // namespace pravelo
