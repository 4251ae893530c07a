#include "copper/grow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "copper/object_contours.h"
#include "document/object_image.h"
#include "geometry/point.h"

namespace pravelo {
namespace {

std::vector<TObjekt> oneOfEach() {
  std::vector<TObjekt> all;
  TObjekt t = newObject();
  initTrack(t, 3000, kLayerC1);
  t.points = {{0, 0}, {10000, 0}};
  all.push_back(t);
  TObjekt z = newObject();
  initZone(z, 2000, kLayerC1);
  z.points = {{0, 0}, {10000, 0}, {0, 10000}};
  all.push_back(z);
  TObjekt c = newObject();
  initCircle(c, {5000, 5000}, 30000, kLayerC1, 20001);
  all.push_back(c);
  for (const std::uint8_t shape : {kPadCircular, kPadOctagonV, kPadRoundedH, kPadRectangleH}) {
    TObjekt p = newObject();
    initPad(p, {123456, -65432}, kLayerC1, shape, 4000, 8000);
    all.push_back(p);
  }
  TObjekt s = newObject();
  initSmdPad(s, {1000, 2000}, 15000, kLayerC1, 8000);
  all.push_back(s);
  TObjekt text = newObject();
  initText(text, {0, 0}, "x", 0, 0, kLayerC1, 1, 1, 9000, 0);
  text.children = {t, t};
  all.push_back(text);
  // Mirroring reverses the turn of the corners; the order must survive growing.
  for (FPoint& p : s.points) p.y = -p.y;
  s.pos.y = -s.pos.y;
  all.push_back(s);
  return all;
}

std::vector<std::uint8_t> image(const TObjekt& o) {
  std::vector<std::uint8_t> bytes(kObjectImageSize);
  writeObjectImage(o, bytes.data());
  return bytes;
}

bool sameShape(const TObjekt& a, const TObjekt& b) {
  if (image(a) != image(b) || a.points != b.points || a.padEnlargement != b.padEnlargement ||
      a.children.size() != b.children.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.children.size(); ++i) {
    if (a.children[i].width != b.children[i].width) return false;
  }
  return true;
}

TEST(Grow, ShrinkRestoresEveryKindExactly) {
  for (const std::int32_t d : {1995, 4000, 7}) {
    for (const TObjekt& original : oneOfEach()) {
      TObjekt o = original;
      growObject(o, d);
      EXPECT_FALSE(sameShape(o, original)) << int{original.kind} << " did not grow by " << d;
      shrinkObject(o, d);
      EXPECT_TRUE(sameShape(o, original)) << int{original.kind} << " " << d;
      EXPECT_EQ(o.padEnlargement, 0);
    }
  }
}

TEST(Grow, WidthsGrowByDAndPadsByHalfOfIt) {
  const std::vector<TObjekt> all = oneOfEach();
  EXPECT_EQ(grownCopy(all[0], 2000).width, 5000);
  const TObjekt ring = grownCopy(all[2], 2000);
  EXPECT_EQ(ring.dim.x, 31000);
  EXPECT_EQ(ring.dim.y, 19001);
  const TObjekt circular = grownCopy(all[3], 2001);  // round(1000.5) = 1000
  EXPECT_EQ(circular.padEnlargement, 1000);
  EXPECT_FLOAT_EQ(circular.points[1].x - circular.points[0].x, 18000);
  EXPECT_EQ(circular.dim.x, 8000);
  const TObjekt smd = grownCopy(all[7], 1000);
  EXPECT_EQ(smd.dim.x, 16000);
  EXPECT_FLOAT_EQ(smd.points[1].x - smd.points[0].x, 16000);
  EXPECT_FLOAT_EQ(smd.points[0].y - smd.points[3].y, 9000);
  EXPECT_EQ(grownCopy(all[8], 500).children[1].width, 3500);
}

TEST(Grow, GrownRoundedPadOutlineIsWiderOnlyOnTheCopy) {
  const TObjekt pad = oneOfEach()[5];
  const TObjekt grown = grownCopy(pad, 4000);
  const Contour plain = objectContours(pad, 0).front();
  const Contour wide = objectContours(grown, 0).front();
  auto height = [](const Contour& c) {
    std::int32_t lo = c[0].y, hi = c[0].y;
    for (const IPoint& p : c) {
      lo = std::min(lo, p.y);
      hi = std::max(hi, p.y);
    }
    return hi - lo;
  };
  EXPECT_EQ(height(plain), 16000);
  EXPECT_EQ(height(wide), 20000);
  EXPECT_EQ(pad.padEnlargement, 0);
}

TObjekt turnedSmdPad(FPoint centre, std::int32_t w, std::int32_t h, double degrees, bool mirrored) {
  TObjekt s = newObject();
  initSmdPad(s, centre, w, kLayerC1, h);
  rotatePoints(s.points, centre, degrees);
  if (mirrored) {
    for (FPoint& p : s.points) p.y = -p.y;
    s.pos.y = -s.pos.y;
  }
  return s;
}

// Spacing of floats at the magnitude of v.
double floatStep(double v) {
  const float f = std::fabs(static_cast<float>(v));
  return std::nextafter(f, std::numeric_limits<float>::infinity()) - f;
}

// Corners are floats. A corner growing past a power of two lands where floats lie twice as far
// apart, so two pads one float step apart can grow into the same record: no shrink can tell
// which one to return to.
TEST(Grow, TurnedSmdPadsCanGrowIntoTheSameCorners) {
  const TObjekt a = turnedSmdPad({60000, -20000}, 8000, 6000, 1, false);
  TObjekt b = a;
  b.points[1].x = std::nextafter(b.points[1].x, std::numeric_limits<float>::infinity());
  ASSERT_NE(a.points, b.points);
  EXPECT_EQ(grownCopy(a, 4000).points, grownCopy(b, 4000).points);
}

// So a turned SMD pad comes back from growing and shrinking only to within one float step of
// its largest coordinate; the size comes back exactly.
TEST(Grow, TurnedSmdPadReturnsWithinAFloatStep) {
  const struct {
    FPoint centre;
    std::int32_t w, h;
    double degrees;
    bool mirrored;
    std::int32_t d;
  } cases[] = {
      {{1000, 2000}, 15000, 8000, 30, false, 4000},
      {{123456, -65432}, 15000, 8000, 37, true, 1995},
      {{60000, -20000}, 8000, 6000, 1, false, 4000},     // corners grow past 65536
      {{554000, -5000}, 3687, 12364, 224, true, 28441},  // small y beside a large x
      {{600000, -300000}, 500, 40000, 3, false, 30000},  // narrow: its turn is known roughly
      {{5000, 5000}, 0, 8000, 60, true, 1000},           // no width
      {{-7000, 3000}, 0, 0, 45, false, 4000},            // a point grows into a square
  };
  for (const auto& c : cases) {
    const TObjekt original = turnedSmdPad(c.centre, c.w, c.h, c.degrees, c.mirrored);
    const TObjekt grown = grownCopy(original, c.d);
    EXPECT_NEAR(distance(grown.points[0], grown.points[1]), c.w + c.d, 0.25) << c.degrees;
    EXPECT_NEAR(distance(grown.points[1], grown.points[2]), c.h + c.d, 0.25) << c.degrees;
    TObjekt o = grown;
    shrinkObject(o, c.d);
    EXPECT_EQ(o.dim.x, original.dim.x);
    EXPECT_EQ(o.dim.y, original.dim.y);
    double largest = 0;
    for (const TObjekt* pad : {&original, &grown}) {
      for (const FPoint& p : pad->points)
        largest = std::max({largest, std::fabs(double{p.x}), std::fabs(double{p.y})});
    }
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_LE(std::fabs(o.points[k].x - original.points[k].x), floatStep(largest)) << c.degrees;
      EXPECT_LE(std::fabs(o.points[k].y - original.points[k].y), floatStep(largest)) << c.degrees;
    }
  }
}

}  // namespace
}  // namespace pravelo
