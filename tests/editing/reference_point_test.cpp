#include "editing/reference_point.h"

#include <gtest/gtest.h>

#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

void expectNear(std::optional<DPoint> p, DPoint expected, double within = 0.5) {
  ASSERT_TRUE(p.has_value());
  EXPECT_NEAR(p->x, expected.x, within);
  EXPECT_NEAR(p->y, expected.y, within);
}

TEST(ReferencePoint, ByKind) {
  TObjekt pad = newObject();
  initPad(pad, {1000, -2000}, kLayerC1, kPadSquare, 1000, 5000);
  expectNear(referencePoint(pad), {1000, -2000});

  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 4000, kLayerC1, 2000);
  for (FPoint& p : smd.points) p.x += 3000;  // moved without touching `pos`
  expectNear(referencePoint(smd), {3000, 0});

  TObjekt zone = newObject();
  initZone(zone, 2000, kLayerC1);
  zone.points = {{0, 0}, {100000, 0}, {100000, 40000}};
  // The border capsules widen the bounds by 1000 on every side, their caps only nearly.
  expectNear(referencePoint(zone), {50000, 20000}, 50);

  TObjekt track = newObject();
  initTrack(track, 2000, kLayerC1);
  track.points = {{0, 0}, {100000, 0}};
  EXPECT_FALSE(referencePoint(track).has_value());
}

TEST(NearestReferencePoint, TracksGrabTheNearestVertexTheFirstOnTies) {
  TObjekt track = newObject();
  initTrack(track, 2000, kLayerC1);
  track.points = {{0, 0}, {100000, 0}, {200000, 0}};
  expectNear(nearestReferencePoint(track, {120000, 5000}), {100000, 0});
  expectNear(nearestReferencePoint(track, {50000, 0}), {0, 0});
}

TEST(NearestReferencePoint, ArcsGrabAnEndWithinASixthOfTheirSpan) {
  TObjekt arc = newObject();
  initCircle(arc, {0, 0}, 60000, kLayerC1, 40000);
  arc.paramA = 0;
  arc.width = 90000;  // span 90 degrees: ends count within 15 degrees
  expectNear(nearestReferencePoint(arc, {100000, 17000}), {50000, 0});   // 9.6 degrees
  expectNear(nearestReferencePoint(arc, {100000, -17000}), {50000, 0});  // beyond the start
  expectNear(nearestReferencePoint(arc, {17000, 100000}), {0, 50000});   // near the stop
  expectNear(nearestReferencePoint(arc, {100000, 30000}), {0, 0});       // 16.7 degrees
  arc.width = 0;  // a full circle has no ends
  expectNear(nearestReferencePoint(arc, {100000, 1000}), {0, 0});
}

TEST(NearestReferencePoint, TextsGrabAStrokeVertex) {
  TObjekt text = newObject();
  initText(text, {0, 0}, "L", 0, 0, kLayerS1, 1, 1, 20000, 0);
  buildTextStrokes(text, false);
  ASSERT_FALSE(text.children.empty());
  const FPoint v = text.children.front().points.front();
  expectNear(nearestReferencePoint(text, {v.x + 10.0, v.y - 10.0}), toDPoint(v), 0);
}

TEST(NearestReferencePoint, PadsGrabTheirCentreOtherKindsNothing) {
  TObjekt smd = newObject();
  initSmdPad(smd, {5000, 5000}, 4000, kLayerC1, 2000);
  expectNear(nearestReferencePoint(smd, {0, 0}), {5000, 5000});
  TObjekt legacy = newObject();
  legacy.kind = kLegacyText;
  EXPECT_FALSE(nearestReferencePoint(legacy, {0, 0}).has_value());
}

}  // namespace
}  // namespace pravelo
