#include "copper/hatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "copper/object_outline.h"
#include "copper/polygon_predicates.h"

namespace pravelo {
namespace {

TObjekt zone(std::vector<FPoint> points) {
  TObjekt z = newObject();
  initZone(z, 1000, kLayerC1);
  z.points = std::move(points);
  return z;
}

TEST(Hatch, GridOfASquare) {
  const TObjekt z = zone({{0, 0}, {10000, 0}, {10000, 10000}, {0, 10000}});
  const auto lines = hatchLines(z, 4000, HatchVariant::kGrid);
  // The border on x = 0 and y = 0 lies on scan lines: it is moved 2 units inwards, so those
  // lines meet nothing. Vertical runs come first.
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], (HatchSegment{{4000, 0}, {4000, 10000}}));
  EXPECT_EQ(lines[1], (HatchSegment{{8000, 0}, {8000, 10000}}));
  EXPECT_EQ(lines[2], (HatchSegment{{0, 4000}, {10000, 4000}}));
  EXPECT_EQ(lines[3], (HatchSegment{{0, 8000}, {10000, 8000}}));
}

TEST(Hatch, PitchZeroIsRaisedToTheMinimum) {
  const TObjekt z = zone({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});
  EXPECT_EQ(hatchLines(z, 0, HatchVariant::kGrid).size(), 18u);
  EXPECT_EQ(hatchLines(z, -5, HatchVariant::kDiagonal),
            hatchLines(z, 100, HatchVariant::kDiagonal));
}

TEST(Hatch, DiagonalLinesRunUpToTheLeft) {
  const TObjekt z = zone({{0, 0}, {10000, 0}, {10000, 10000}, {0, 10000}});
  const auto lines = hatchLines(z, 5000, HatchVariant::kDiagonal);
  ASSERT_FALSE(lines.empty());
  for (const HatchSegment& s : lines) {
    EXPECT_NEAR(s.from.x + s.from.y, s.to.x + s.to.y, 2);
    EXPECT_LT(s.from.y, s.to.y);
  }
}

double distanceToBorder(const std::vector<FPoint>& border, double x, double y) {
  double best = 1e300;
  for (std::size_t i = 0; i < border.size(); ++i) {
    const FPoint a = border[i];
    const FPoint b = border[(i + 1) % border.size()];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    best = std::min(best, std::hypot(a.x + t * dx - x, a.y + t * dy - y));
  }
  return best;
}

// Every run of every variant lies inside its zone, also for zones whose vertices sit on scan
// lines (a lattice of the pitch) and for zones with concave notches. Moving vertices off the
// scan lines may leave a run on the border or a unit beside it, never further out.
TEST(Hatch, RunsStayInsideRandomZones) {
  std::mt19937 random(7);
  int checked = 0;
  for (int round = 0; round < 300; ++round) {
    const std::int32_t pitch = 500 * (1 + static_cast<std::int32_t>(random() % 4));
    const bool onLattice = round % 2 == 0;
    std::vector<FPoint> points;
    const int n = 3 + static_cast<int>(random() % 8);
    // A star-shaped polygon around the origin, so its edges never cross.
    for (int i = 0; i < n; ++i) {
      const double angle = 2 * 3.14159265358979 * (i + 0.5 * (random() % 100) / 100.0) / n;
      const double radius = 2000 + random() % 8000;
      float x = static_cast<float>(radius * std::cos(angle));
      float y = static_cast<float>(radius * std::sin(angle));
      if (onLattice) {
        x = static_cast<float>(std::nearbyint(x / pitch) * pitch);
        y = static_cast<float>(std::nearbyint(y / pitch) * pitch);
      }
      points.push_back({x, y});
    }
    const TObjekt z = zone(points);
    TPolygon32 area;
    for (const FPoint& p : z.points) addPoint(area, toFixedPoint(p.x, p.y, 1));
    for (const HatchVariant v : {HatchVariant::kGrid, HatchVariant::kDiagonal}) {
      for (const HatchSegment& s : hatchLines(z, pitch, v)) {
        const double mx = (static_cast<double>(s.from.x) + s.to.x) / 2;
        const double my = (static_cast<double>(s.from.y) + s.to.y) / 2;
        EXPECT_TRUE(pointInPolygon(area, toFixedPoint(mx, my, 1)) ||
                    distanceToBorder(z.points, mx, my) <= 3)
            << "round " << round << " variant " << static_cast<int>(v) << " run (" << s.from.x
            << "," << s.from.y << ")-(" << s.to.x << "," << s.to.y << ")";
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

}  // namespace
}  // namespace pravelo
