#include "project/footprint.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/rect.h"

namespace pravelo {
namespace {

ObjectList generatedFootprint(const FootprintValues& v) {
  ObjectList out;
  generateFootprint(v, kLayerC1, out);
  return out;
}

// An SMD pad's corners span more in y than in x until it is turned by a quarter.
bool smdUpright(const TObjekt& pad) {
  const TRect r = pointListBounds(pad.points);
  return rectHeight(r) > rectWidth(r);
}

TEST(Footprint, SingleRowOfEightAtTheStandardPitch) {
  FootprintValues v;
  const ObjectList pads = generatedFootprint(v);
  ASSERT_EQ(pads.size(), 8U);
  EXPECT_EQ(footprintPadCount(v), 8);
  for (std::size_t i = 0; i < pads.size(); ++i) {
    EXPECT_EQ(pads[i]->kind, kPad);
    EXPECT_EQ(pads[i]->layer, kLayerC1);
    EXPECT_EQ(pads[i]->clearance, 4000);
    EXPECT_EQ(pads[i]->variant, kPadCircular);
    EXPECT_NEAR(pads[i]->pos.x, 25400.0 * static_cast<double>(i), 0.02);
    EXPECT_EQ(pads[i]->pos.y, 0);
    EXPECT_FLOAT_EQ(pads[i]->dim.x, 8000);  // 1.6 mm across
    EXPECT_FLOAT_EQ(pads[i]->dim.y, 4000);  // 0.8 mm drill
  }
  EXPECT_NEAR(pads.back()->pos.x, 177800, 0.02);
}

TEST(Footprint, DualRowAlternatesTheRows) {
  FootprintValues v;
  v.type = FootprintType::DualRow;
  v.horizontal = 3;
  v.yMm = 7.62;
  const ObjectList pads = generatedFootprint(v);
  ASSERT_EQ(pads.size(), 6U);
  EXPECT_EQ(footprintPadCount(v), 6);
  for (std::size_t i = 0; i < pads.size(); ++i) {
    EXPECT_NEAR(pads[i]->pos.x, 25400.0 * static_cast<double>(i / 2), 0.02);
    EXPECT_NEAR(pads[i]->pos.y, i % 2 == 0 ? 0 : 76200, 0.02);
  }
}

TEST(Footprint, SquareHasTheTopAndBottomRowsFirstThenTheTurnedSides) {
  FootprintValues v;
  v.type = FootprintType::Square;
  v.pads = FootprintPads::Smd;
  v.horizontal = 3;
  v.vertical = 2;
  v.xMm = 20;
  v.yMm = 10;
  const ObjectList pads = generatedFootprint(v);
  ASSERT_EQ(pads.size(), 10U);
  EXPECT_EQ(footprintPadCount(v), 10);
  // Centre (100000, 50000); rows span 50800, sides 25400.
  const double xs[] = {74600, 74600, 100000, 100000, 125400, 125400, 0, 200000, 0, 200000};
  const double ys[] = {0, 100000, 0, 100000, 0, 100000, 37300, 37300, 62700, 62700};
  for (std::size_t i = 0; i < pads.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pads[i]->kind, kSmdPad);
    EXPECT_NEAR(pads[i]->pos.x, xs[i], 0.05);
    EXPECT_NEAR(pads[i]->pos.y, ys[i], 0.05);
    EXPECT_EQ(smdUpright(*pads[i]), i < 6);
  }
}

TEST(Footprint, CircularPadsFaceTheCentre) {
  FootprintValues v;
  v.type = FootprintType::SingleCircular;
  v.pads = FootprintPads::Smd;
  v.horizontal = 4;
  v.dMm = 20;
  const ObjectList pads = generatedFootprint(v);
  ASSERT_EQ(pads.size(), 4U);
  const double xs[] = {100000, 0, -100000, 0};
  const double ys[] = {0, 100000, 0, -100000};
  for (std::size_t i = 0; i < pads.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(pads[i]->pos.x, xs[i], 0.05);
    EXPECT_NEAR(pads[i]->pos.y, ys[i], 0.05);
    // Turned by 180, 90, 0 and -90 degrees: the long side points at the centre on the sides.
    EXPECT_EQ(smdUpright(*pads[i]), i % 2 == 0);
  }
}

TEST(Footprint, DualCircularPutsTheOuterPadAfterItsInnerOne) {
  FootprintValues v;
  v.type = FootprintType::DualCircular;
  v.horizontal = 4;
  v.dMm = 20;
  v.yMm = 5;
  const ObjectList pads = generatedFootprint(v);
  ASSERT_EQ(pads.size(), 8U);
  EXPECT_EQ(footprintPadCount(v), 8);
  EXPECT_NEAR(pads[2]->pos.y, 100000, 0.05);
  EXPECT_NEAR(pads[3]->pos.y, 150000, 0.05);
}

TEST(Footprint, PadKindChangesOnlyTheSizes) {
  for (int t = 0; t < kFootprintTypeCount; ++t) {
    FootprintValues v;
    v.type = static_cast<FootprintType>(t);
    setFootprintDefaults(v);
    const ObjectList round = generatedFootprint(v);
    v.pads = FootprintPads::Smd;
    const ObjectList smd = generatedFootprint(v);
    ASSERT_EQ(round.size(), smd.size());
    EXPECT_EQ(static_cast<int>(smd.size()), footprintPadCount(v));
    for (std::size_t i = 0; i < round.size(); ++i) {
      EXPECT_EQ(round[i]->pos, smd[i]->pos) << t << " " << i;
    }
  }
}

TEST(Footprint, DefaultsFollowTheType) {
  struct Case {
    FootprintType type;
    int n, m;
    double d, y, x;
    int total;
  };
  const Case cases[] = {
      {FootprintType::SingleRow, 8, 5, 2.54, 1, 1, 8},
      {FootprintType::DualRow, 8, 5, 2.54, 2.54, 1, 16},
      {FootprintType::Square, 8, 8, 2.54, 25.4, 25.4, 32},
      {FootprintType::SingleCircular, 16, 5, 25.4, 1, 1, 16},
      {FootprintType::DualCircular, 16, 5, 25.4, 2.54, 1, 32},
  };
  for (const Case& c : cases) {
    FootprintValues v;
    v.type = c.type;
    v.padMm = v.drillMm = v.smdXMm = v.smdYMm = 3;
    v.vertical = 5;
    v.yMm = v.xMm = 1;
    setFootprintDefaults(v);
    EXPECT_EQ(v.horizontal, c.n);
    EXPECT_EQ(v.vertical, c.m);
    EXPECT_EQ(v.dMm, c.d);
    EXPECT_EQ(v.yMm, c.y);
    EXPECT_EQ(v.xMm, c.x);
    EXPECT_EQ(footprintPadCount(v), c.total);
    EXPECT_EQ(v.padMm, 1.6);
    EXPECT_EQ(v.drillMm, 0.8);
    EXPECT_EQ(v.smdXMm, 0.8);
    EXPECT_EQ(v.smdYMm, 1.6);
  }
}

}  // namespace
}  // namespace pravelo
