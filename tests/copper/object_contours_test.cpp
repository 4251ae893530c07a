#include "copper/object_contours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "copper/segment_outline.h"

namespace pravelo {
namespace {

std::vector<std::size_t> sizes(const ContourList& contours) {
  std::vector<std::size_t> s;
  for (const Contour& c : contours) s.push_back(c.size());
  return s;
}

TObjekt pad(std::uint8_t shape, float radius) {
  TObjekt o = newObject();
  initPad(o, {50000, -50000}, kLayerC1, shape, radius / 2, radius);
  return o;
}

TObjekt track(std::int32_t width, std::vector<FPoint> points, std::uint8_t flatEnds = 0) {
  TObjekt o = newObject();
  initTrack(o, width, kLayerC1);
  o.points = std::move(points);
  o.variant = flatEnds;
  return o;
}

TObjekt circle(std::int32_t outer, std::int32_t inner, std::int32_t start, std::int32_t stop,
               bool filled) {
  TObjekt o = newObject();
  initCircle(o, {0, 0}, outer, kLayerC1, inner);
  o.paramA = start;
  o.width = stop;
  o.optA = filled ? 1 : 0;
  return o;
}

TEST(ObjectContours, PadPointCountsFollowShapeAndSize) {
  // clang-format off
  const struct { std::uint8_t shape; float radius; std::vector<std::size_t> sizes; } cases[] = {
    {kPadCircular, 8000, {15}},   // round(8000 / 2500) + 12
    {kPadCircular, 30000, {24}},
    {kPadOctagon, 8000, {8}},
    {kPadSquare, 8000, {4}},
    {kPadRoundedH, 8000, {18}},   // capsule 16000 wide: caps of 16000 / 3000 + 3 segments
    {kPadOctagonV, 8000, {8}},
    {kPadRectangleH, 8000, {4}},
    {0, 8000, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(sizes(objectContours(pad(c.shape, c.radius), 0)), c.sizes) << int{c.shape};
  }
  TObjekt invalid = pad(kPadSquare, 8000);
  invalid.variant = 10;
  EXPECT_TRUE(objectContours(invalid, 0).empty());
}

TEST(ObjectContours, CircularPadRunsThroughItsFirstOutlinePoint) {
  const Contour c = objectContours(pad(kPadCircular, 8000), 0).front();
  EXPECT_EQ(c.back(), (IPoint{42000, -50000}));
  for (const IPoint& p : c) EXPECT_NEAR(std::hypot(p.x - 50000, p.y + 50000), 8000, 1);
}

TEST(ObjectContours, RoundedPadWidensByItsOwnEnlargement) {
  TObjekt o = pad(kPadRoundedH, 8000);
  o.padEnlargement = 1000;
  const Contour c = objectContours(o, 0).front();
  const auto [low, high] =
      std::minmax_element(c.begin(), c.end(), [](IPoint a, IPoint b) { return a.y < b.y; });
  EXPECT_EQ(high->y - low->y, 18000);
}

TEST(ObjectContours, TrackSegmentsSkipRepeatedVertices) {
  const TObjekt t = track(3000, {{0, 0}, {10000, 0}, {10000, 0}, {10000, 10000}});
  EXPECT_EQ(sizes(objectContours(t, 0)), (std::vector<std::size_t>{10, 10}));
  // A track of one repeated vertex still has a small outline; width 0 counts as 100.
  const ContourList dot = objectContours(track(0, {{500, 500}, {500, 500}}), 0);
  ASSERT_EQ(dot.size(), 1u);
  EXPECT_EQ(dot[0].size(), 8u);
  const auto right =
      std::max_element(dot[0].begin(), dot[0].end(), [](IPoint a, IPoint b) { return a.x < b.x; });
  EXPECT_GT(right->x, 640);  // the cap around (600, 600) with radius 50
  EXPECT_LE(right->x, 650);
  EXPECT_TRUE(objectContours(track(3000, {}), 0).empty());
}

TEST(ObjectContours, FlatEndsAreSquareWhenTheSegmentIsLongEnough) {
  const ContourList flat = objectContours(track(6000, {{0, 0}, {100000, 0}}, 3), 0);
  EXPECT_EQ(flat.front(),
            (Contour{{103000, -3000}, {103000, 3000}, {-3000, 3000}, {-3000, -3000}}));
  // Only the first segment's start and the last segment's end are flat.
  const ContourList two = objectContours(track(6000, {{0, 0}, {100000, 0}, {100000, 50000}}, 1), 0);
  EXPECT_EQ(sizes(two), (std::vector<std::size_t>{8, 12}));
  // A segment not longer than half the width keeps its round end.
  const ContourList shortOne = objectContours(track(6000, {{0, 0}, {3000, 0}}, 3), 0);
  EXPECT_EQ(sizes(shortOne), (std::vector<std::size_t>{12}));
}

TEST(ObjectContours, ZoneBorderIncludesTheClosingEdge) {
  TObjekt z = newObject();
  initZone(z, 3000, kLayerC1);
  z.points = {{0, 0}, {10000, 0}, {10000, 10000}};
  EXPECT_EQ(objectContours(z, 0).size(), 3u);
  z.points = {{7, 7}, {7, 7}, {7, 7}};
  const ContourList one = objectContours(z, 0);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].size(), 10u);
}

TEST(ObjectContours, CircleSegmentCounts) {
  // clang-format off
  const struct { TObjekt circle; std::vector<std::size_t> sizes; } cases[] = {
    // full ring: 2 arcs of round(50000 / 5000) + 24 = 34 segments, caps of 5 + 8 points
    {circle(50000, 40000, 0, 0, false), {70, 13, 13}},
    // quarter ring: 34 / 4 = 8.5 rounds half to even
    {circle(50000, 40000, 0, 90000, false), {18, 13, 13}},
    // too thin a ring is outlined 100 units wide
    {circle(50000, 49990, 0, 0, false), {70, 8, 8}},
    // filled disc: round(50000 / 1000) + 3 segments and a capsule of the ring width
    {circle(50000, 40000, 0, 0, true), {54, 14}},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(sizes(objectContours(c.circle, 0)), c.sizes);
}

TEST(ObjectContours, RingArcRunsBetweenItsRadii) {
  const Contour ring = objectContours(circle(50000, 40000, 0, 90000, false), 0).front();
  EXPECT_EQ(ring.front(), (IPoint{50000, 0}));
  EXPECT_EQ(ring[8], (IPoint{0, 50000}));
  EXPECT_EQ(ring[9], (IPoint{0, 40000}));
  EXPECT_EQ(ring.back(), (IPoint{40000, 0}));
}

TEST(ObjectContours, ChamferCutsTheCornersOfSquarePadsAndSmdPads) {
  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 20000, kLayerC1, 10000);
  ASSERT_EQ(objectContours(smd, 0).front().size(), 4u);
  const Contour cut = objectContours(smd, 4000).front();
  ASSERT_EQ(cut.size(), 8u);
  // g = 2000 * (2 - sqrt 2) = 1171.6
  EXPECT_EQ(cut[0], (IPoint{-8828, 5000}));
  EXPECT_EQ(cut[1], (IPoint{8828, 5000}));
  EXPECT_EQ(cut[2], (IPoint{10000, 3828}));
  EXPECT_EQ(objectContours(pad(kPadSquare, 8000), 4000).front().size(), 8u);
  EXPECT_EQ(objectContours(pad(kPadRectangleH, 8000), 4000).front().size(), 8u);
  EXPECT_EQ(objectContours(pad(kPadRectangleV, 8000), 4000).front().size(), 4u);
  EXPECT_EQ(objectContours(pad(kPadOctagon, 8000), 4000).front().size(), 8u);
}

TEST(ObjectContours, TextStrokesBecomeCapsulesIncludingDots) {
  TObjekt t = newObject();
  initText(t, {0, 0}, "i", 0, 0, kLayerC1, 1, 1, 9000, 0);
  TObjekt stem = newObject();
  initTrack(stem, 1000, kLayerC1);
  stem.points = {{0, 0}, {0, 4500}};
  TObjekt dot = stem;
  dot.points = {{0, 6000}, {0, 6000}};
  t.children = {stem, dot};
  EXPECT_EQ(sizes(objectContours(t, 0)), (std::vector<std::size_t>{8, 8}));
}

// Sizes no board has, as a damaged file may hold them, give bounded outlines.
TEST(ObjectContours, AbsurdSizesStayBounded) {
  TObjekt huge = circle(0, 0, 0, 0, false);
  huge.dim = {1e30f, -1e30f};
  TObjekt hugePad = pad(kPadCircular, 1e20f);
  TObjekt wide = track(2147483647, {{0, 0}, {1e9f, 0}});
  TObjekt nan = circle(1000, 0, 0, 0, true);
  nan.dim.x = std::nanf("");
  for (const TObjekt* o : {&huge, &hugePad, &wide, &nan}) {
    std::size_t points = 0;
    for (const Contour& c : objectContours(*o, 0)) points += c.size();
    EXPECT_LE(points, 4u * (kMaxArcSegments + 1)) << int{o->kind};
  }
}

}  // namespace
}  // namespace pravelo
