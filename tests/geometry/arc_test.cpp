#include "geometry/arc.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(Arc, RadiiOfTheRing) {
  EXPECT_EQ(centreLineRadius(10000, 6000), 8000);
  EXPECT_EQ(ringWidth(10000, 6000), 4000);
}

TEST(Arc, PointsRunAnticlockwiseFromPlusX) {
  struct Case {
    std::int32_t angle;
    FPoint expected;
  };
  const Case cases[] = {{0, {110, 100}},
                        {90000, {100, 110}},
                        {180000, {90, 100}},
                        {270000, {100, 90}},
                        {45000, {107.0710678f, 107.0710678f}}};
  for (const Case& c : cases) {
    const FPoint p = pointOnArc({100, 100}, 10, {c.angle});
    EXPECT_NEAR(p.x, c.expected.x, 1e-4) << c.angle;
    EXPECT_NEAR(p.y, c.expected.y, 1e-4) << c.angle;
  }
}

TEST(Arc, AngleOfAPointAsSeenFromTheCentre) {
  struct Case {
    FPoint p;
    std::int32_t expected;
  };
  const Case cases[] = {{{200, 150}, 90}, {{200, 50}, 270}, {{100, 100}, 180}, {{300, 100}, 0},
                        {{210, 110}, 45}, {{190, 90}, 225}, {{300, 99.9f}, 0},  // -0.06 rounds to 0
                        {{300, 98}, 359}};
  for (const Case& c : cases) {
    EXPECT_EQ(angleOfPoint({200, 100}, c.p).value, c.expected) << c.p.x << "," << c.p.y;
  }
}

TEST(Arc, SpanRunsAnticlockwiseFromStartToStop) {
  struct Case {
    std::int32_t start;
    std::int32_t stop;
    std::int32_t span;
  };
  const Case cases[] = {{0, 0, 360000},         {90000, 90000, 360000},  {0, 90000, 90000},
                        {350000, 10000, 20000}, {10000, 350000, 340000}, {90000, 0, 270000}};
  for (const Case& c : cases) {
    EXPECT_EQ(arcSpan({c.start}, {c.stop}).value, c.span) << c.start << " " << c.stop;
  }
  EXPECT_TRUE(isFullCircle({0}, {0}));
  EXPECT_TRUE(isFullCircle({0}, {360000}));
  EXPECT_FALSE(isFullCircle({350000}, {10000}));
}

}  // namespace
}  // namespace pravelo
