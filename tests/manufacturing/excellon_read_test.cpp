#include "manufacturing/excellon_read.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "manufacturing/import_error.h"

namespace pravelo {
namespace {

struct DrillNumberCase {
  ZeroSuppression suppression;
  bool inch;
  const char* x;
  double expected;  // units
};

// clang-format off
const DrillNumberCase kDrillNumberCases[] = {
  {ZeroSuppression::Leading, true, "5000", 127000},     // 0.5 in
  {ZeroSuppression::Trailing, true, "5", 12700000},     // 50 in
  {ZeroSuppression::None, true, "012500", 317500},      // 01.2500 in
  {ZeroSuppression::Decimal, false, "1.27", 12700},
  {ZeroSuppression::Decimal, false, "1,27", 12700},
  {ZeroSuppression::Leading, false, "-+5000", -5000},   // signs removed first
};
// clang-format on

TEST(ExcellonRead, NumbersInEverySuppression) {
  for (const DrillNumberCase& c : kDrillNumberCases) {
    SCOPED_TRACE(c.x);
    ExcellonReadSettings settings;
    settings.suppression = c.suppression;
    settings.inch = c.inch;
    const std::vector<DrillHit> hits =
        readExcellon(std::string("M48\nT1C0.8\n%\nT1\nX") + c.x + "Y0\nM30\n", settings);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_NEAR(hits[0].at.x, c.expected, 0.5);
  }
}

TEST(ExcellonRead, ToolsFromTheTableUndefinedOnesAndUnloading) {
  ExcellonReadSettings mm;
  mm.inch = false;
  mm.suppression = ZeroSuppression::Decimal;
  const std::vector<DrillHit> hits = readExcellon(
      "M48\n; comment\nT1C1.0\nT250C3.0\n%\nT1\nX1.0Y1.0\nY2.0\nT250\nX3.0Y3.0\nT7\nX4Y4\n"
      "T0\nX5Y5\nT1\nX6Y6\n",
      mm);
  // T0 unloads the tool: reading of hits ends at the next hit.
  ASSERT_EQ(hits.size(), 4u);
  EXPECT_FLOAT_EQ(hits[0].radius, 5000);
  EXPECT_FLOAT_EQ(hits[1].at.x, 10000);  // "Y" alone keeps x
  EXPECT_FLOAT_EQ(hits[1].at.y, 20000);
  EXPECT_FLOAT_EQ(hits[2].radius, 4000);  // tools beyond 200 are undefined: 0.8 mm
  EXPECT_FLOAT_EQ(hits[3].radius, 4000);  // defined nowhere: 0.8 mm
}

TEST(ExcellonRead, ValidityUnitsAndSuppressionDetection) {
  EXPECT_FALSE(isValidExcellon("M48\nINCH\n%\nM30\n"));
  EXPECT_FALSE(isValidExcellon("M48\nT0C1.0\n%\n"));
  EXPECT_TRUE(isValidExcellon("M48\nT01C0.0320\n%\n"));
  EXPECT_TRUE(excellonIsMetric("M48\nMETRIC,TZ\n"));
  EXPECT_TRUE(excellonIsMetric("M48\nM71\n"));
  EXPECT_FALSE(excellonIsMetric("M48\nINCH,LZ\n"));

  struct Guess {
    const char* lines;
    ZeroSuppression suppression;
    bool decided;
  };
  // clang-format off
  const Guess guesses[] = {
    {"X1.5Y2.0\n", ZeroSuppression::Decimal, true},
    {"X012500Y-003000\nX100000Y020000\n", ZeroSuppression::None, true},
    {"X12500Y3000\nX125Y30\n", ZeroSuppression::Leading, true},
    {"X0125Y003\nX01Y0015\n", ZeroSuppression::Trailing, true},
    {"X0120Y30\nX5Y0\n", ZeroSuppression::None, false},
  };
  // clang-format on
  for (const Guess& g : guesses) {
    SCOPED_TRACE(g.lines);
    const SuppressionGuess guess = detectZeroSuppression(g.lines);
    EXPECT_EQ(guess.suppression, g.suppression);
    EXPECT_EQ(guess.decided, g.decided);
  }
}

TEST(ExcellonRead, DamagedNumbersNameTheLine) {
  ExcellonReadSettings settings;
  for (const char* file :
       {"T1C1\nT1\nX\n", "T1C1\nT1\nX12345678901234567890Y0\n", "T1C1\nT1\nX1Y1\nX99999Y\n"}) {
    SCOPED_TRACE(file);
    EXPECT_THROW(readExcellon(file, settings), ImportError);
  }
  settings.suppression = ZeroSuppression::Decimal;
  EXPECT_THROW(readExcellon("T1C1\nT1\nX1..2Y0\n", settings), ImportError);
  EXPECT_THROW(readExcellon("T1C1\nT1\nX99999999Y0\n", settings), ImportError);
}

class HitList {
 public:
  TObjekt& pad(FPoint at, std::uint8_t layer, float outer = 8000) {
    TObjekt p = newObject();
    initPad(p, at, layer, kPadCircular, 0, outer);
    objects.push_back(std::make_unique<TObjekt>(std::move(p)));
    return *objects.back();
  }
  TObjekt& stroke(FPoint a, FPoint b, std::int32_t width, std::uint8_t layer) {
    TObjekt t = newObject();
    initTrack(t, width, layer);
    addPoint(t, a);
    addPoint(t, b);
    objects.push_back(std::make_unique<TObjekt>(std::move(t)));
    return *objects.back();
  }
  ObjectList objects;
};

TEST(ExcellonDrill, PadsNearAHitAreDrilledAndTopAndBottomBecomeOneVia) {
  HitList b;
  b.pad({100000, 100000}, kLayerC1);
  b.pad({100000, 100000}, kLayerC2);
  b.pad({200000, 100000}, kLayerC1, 2000);
  drillHits(b.objects, {{{100200, 99800}, 4000}, {{200000, 100000}, 3000}}, true);
  ASSERT_EQ(b.objects.size(), 2u);
  EXPECT_EQ(b.objects[0]->via, 1);
  EXPECT_EQ(b.objects[0]->layer, kLayerC1);
  EXPECT_FLOAT_EQ(b.objects[0]->dim.y, 4000);
  // A hole larger than the pad raises the pad to it.
  EXPECT_FLOAT_EQ(b.objects[1]->dim.x, 3000);
  EXPECT_FLOAT_EQ(b.objects[1]->points[1].x - b.objects[1]->points[0].x, 6000);
}

TEST(ExcellonDrill, ViasOnlyWhenAsked) {
  HitList b;
  b.pad({0, 0}, kLayerC1);
  b.pad({0, 0}, kLayerC2);
  drillHits(b.objects, {{{0, 0}, 4000}}, false);
  ASSERT_EQ(b.objects.size(), 2u);
  EXPECT_EQ(b.objects[0]->via, 0);
  EXPECT_FLOAT_EQ(b.objects[1]->dim.y, 4000);
}

TEST(ExcellonDrill, FarHitsMakeBareHolesOnTheBottom) {
  HitList b;
  b.pad({0, 0}, kLayerC1);
  // 0.05 mm away: too far for the pad.
  drillHits(b.objects, {{{500, 0}, 4000}, {{-4999999, 0}, 4000}, {{-5000000, 0}, 4000}}, true);
  ASSERT_EQ(b.objects.size(), 3u);
  EXPECT_FLOAT_EQ(b.objects[0]->dim.y, 0);
  for (int i : {1, 2}) {
    EXPECT_EQ(b.objects[i]->layer, kLayerC2);
    EXPECT_EQ(b.objects[i]->clearance, 0);
    EXPECT_FLOAT_EQ(b.objects[i]->dim.x, 4000);
    EXPECT_FLOAT_EQ(b.objects[i]->dim.y, 4000);
  }
  EXPECT_FLOAT_EQ(b.objects[2]->pos.x, -4999999);
}

TEST(ExcellonDrill, ShortStrokesUnderAHitBecomeOblongPadsAndAViaPair) {
  HitList b;
  // An oblong pad of 2 x 1 mm exported as a stroke of width 1 mm and length 1 mm, on both sides.
  b.stroke({-5000, 0}, {5000, 0}, 10000, kLayerC1);
  b.stroke({-5000, 0}, {5000, 0}, 10000, kLayerC2);
  b.stroke({100000, -5000}, {100000, 5000}, 10000, kLayerC1);
  b.stroke({200000, 0}, {260000, 0}, 10000, kLayerC1);  // a real track stays
  drillHits(b.objects, {{{0, 0}, 3000}, {{100000, 0}, 3000}, {{230000, 0}, 3000}}, true);
  int oblongs = 0;
  int tracks = 0;
  for (const auto& o : b.objects) {
    if (o->kind == kPad && (o->variant == kPadRoundedH || o->variant == kPadRoundedV)) {
      ++oblongs;
      EXPECT_FLOAT_EQ(o->dim.x, 5000);
      EXPECT_FLOAT_EQ(o->dim.y, 3000);
      EXPECT_EQ(o->clearance, 4000);
      EXPECT_EQ(o->variant, o->pos.x == 0 ? kPadRoundedH : kPadRoundedV);
      if (o->pos.x == 0) {
        EXPECT_EQ(o->via, 1);
      }
    }
    tracks += o->kind == kTrack;
  }
  EXPECT_EQ(oblongs, 2);
  EXPECT_EQ(tracks, 1);
  EXPECT_EQ(b.objects.size(), 4u);  // the track, two oblong pads and a bare hole on it
}

TEST(ExcellonFormatExample, PlacesTheSuppressionLeavesOpen) {
  ExcellonReadSettings s;
  s.integerDigits = 2;
  s.decimalDigits = 4;
  EXPECT_EQ(zeroFormatExample(s), "12,...");
  s.suppression = ZeroSuppression::Leading;
  EXPECT_EQ(zeroFormatExample(s), "...,1234");
  s.suppression = ZeroSuppression::Trailing;
  s.integerDigits = 9;
  EXPECT_EQ(zeroFormatExample(s), "123456789,...");
}

}  // namespace
}  // namespace pravelo
