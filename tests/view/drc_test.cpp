#include <gtest/gtest.h>

#include <vector>

#include "copper/drc_checks.h"
#include "copper/drc_texts.h"
#include "document/layout_file.h"
#include "support/sample_layout.h"
#include "view/connectivity.h"
#include "view/design_rule_check.h"

namespace pravelo {
namespace {

using testing::add;

// Only the checks a test names run.
DrcSettings only(bool DrcSettings::*check) {
  DrcSettings rules;
  for (bool DrcSettings::*c :
       {&DrcSettings::Kupfer, &DrcSettings::Bohrungen, &DrcSettings::BohrMin, &DrcSettings::BohrMax,
        &DrcSettings::TrackMin, &DrcSettings::RingMin, &DrcSettings::BestMin,
        &DrcSettings::SilkOnPad, &DrcSettings::HoleOnSMD, &DrcSettings::PadOhneLS,
        &DrcSettings::LSFremd}) {
    rules.*c = false;
  }
  rules.*check = true;
  return rules;
}

TObjekt track(float x0, float y0, float x1, float y1, std::int32_t width = 3000,
              std::uint8_t layer = kLayerC1) {
  TObjekt t = newObject();
  initTrack(t, width, layer);
  addPoint(t, {x0, y0});
  addPoint(t, {x1, y1});
  return t;
}

TObjekt pad(float x, float y, float outerRadius, float drillRadius, std::uint8_t layer = kLayerC1) {
  TObjekt p = newObject();
  initPad(p, {x, y}, layer, kPadCircular, drillRadius, outerRadius);
  return p;
}

TObjekt smd(float x, float y, std::int32_t w, std::int32_t h) {
  TObjekt s = newObject();
  initSmdPad(s, {x, y}, w, kLayerC1, h);
  return s;
}

Board board() {
  Board b;
  b.header = newBoardHeader(1600000, 1000000);
  return b;
}

std::vector<DrcKind> kinds(const DrcResult& r) {
  std::vector<DrcKind> k;
  for (const DrcFinding& f : r.findings) k.push_back(f.kind);
  return k;
}

DrcResult run(const Board& b, const DrcSettings& rules) {
  return runDrc(b, rules, completeDrcArea());
}

TEST(Drc, TracksOfDifferentNetsTooCloseUnlessJoined) {
  Board b = board();
  // 3000 wide tracks whose centre lines are 4000 apart: a gap of 1000 units.
  add(b, track(-100000, -100000, -50000, -100000));
  add(b, track(-100000, -96000, -50000, -96000));
  DrcResult r = run(b, only(&DrcSettings::Kupfer));
  ASSERT_EQ(kinds(r), std::vector<DrcKind>{DrcKind::kDistance});
  EXPECT_EQ(r.findings[0].text, &texts::drcDistance);
  EXPECT_EQ(r.findings[0].objects, (std::vector<int>{0, 1}));
  EXPECT_EQ(r.findings[0].layer, kLayerC1);

  add(b, track(-100000, -100000, -100000, -96000));
  EXPECT_TRUE(run(b, only(&DrcSettings::Kupfer)).findings.empty());
}

TEST(Drc, TrackBetweenPadsOfItsOwnNetIsFine) {
  Board b = board();
  // Pads 1 mm across, 0.5 mm beside the track, joined to it by a short stub each.
  add(b, pad(100000, -100000, 5000, 2000));
  add(b, pad(100000, -111000, 5000, 2000));
  add(b, track(90000, -105500, 120000, -105500, 1000));
  add(b, track(100000, -100000, 105000, -105500, 1000));
  add(b, track(100000, -111000, 105000, -105500, 1000));
  EXPECT_TRUE(run(b, only(&DrcSettings::Kupfer)).findings.empty());
}

TEST(Drc, NetsFollowCopperTouchNotConnections) {
  Board b = board();
  add(b, track(0, -10000, 50000, -10000));
  add(b, track(50000, -10000, 50000, -60000));
  add(b, track(0, -90000, 50000, -90000));
  add(b, track(50000, -60000, 80000, -60000, 3000, kLayerC2));  // other layer: no contact
  testing::connect(add(b, pad(0, -200000, 5000, 2000)), add(b, pad(50000, -200000, 5000, 2000)));
  const std::vector<int> nets = Connectivity(b).components();
  EXPECT_EQ(nets[0], nets[1]);
  EXPECT_NE(nets[0], nets[2]);
  EXPECT_NE(nets[1], nets[3]);
  EXPECT_NE(nets[4], nets[5]);  // a rubberband is no copper
}

// Two SMD pads 0.1 mm apart that merge with the ground plane (clearance 0) are one net, as the
// Test tool shows them: no "Distance" between them while the plane is on.
TEST(Drc, PadsJoinedThroughTheGroundPlaneAreOneNet) {
  Board b = board();
  for (const float x : {100000.0f, 111000.0f}) add(b, smd(x, -100000, 10000, 10000))->clearance = 0;
  EXPECT_EQ(kinds(run(b, only(&DrcSettings::Kupfer))), std::vector<DrcKind>{DrcKind::kDistance});

  b.header.groundPlane[kLayerC1 - 1] = 1;
  Connectivity connectivity(b);
  ASSERT_EQ(connectivity.flood(0), (std::vector<int>{0, 1}));
  EXPECT_TRUE(run(b, only(&DrcSettings::Kupfer)).findings.empty());
  EXPECT_EQ(Connectivity(b).components(), (std::vector<int>{0, 0}));
}

TEST(Drc, DrillDistanceAndSizes) {
  Board b = board();
  // Holes of 1 mm, centres 1.4 mm apart: a gap of 0.4 mm.
  add(b, pad(100000, -100000, 8000, 5000));
  add(b, pad(114000, -100000, 8000, 5000));
  DrcResult r = run(b, only(&DrcSettings::Bohrungen));
  ASSERT_EQ(kinds(r), std::vector<DrcKind>{DrcKind::kDrillDistance});
  EXPECT_EQ(r.findings[0].marker, (TRect{93000, -107000, 121000, -93000}));

  Board sizes = board();
  add(sizes, pad(0, -100000, 3000, 1000));         // 0.2 mm drill
  add(sizes, pad(100000, -100000, 50000, 45000));  // 9 mm drill
  DrcSettings rules = only(&DrcSettings::BohrMin);
  rules.BohrMax = true;
  EXPECT_EQ(kinds(run(sizes, rules)),
            (std::vector<DrcKind>{DrcKind::kDrillTooSmall, DrcKind::kDrillTooBig}));
}

TEST(Drc, RingMinimum) {
  Board b = board();
  add(b, pad(100000, -100000, 8000, 6000));  // 1.6 mm pad, 1.2 mm drill: ring 0.2 mm
  add(b, pad(200000, -100000, 5000, 6000));  // pure hole
  DrcSettings rules = only(&DrcSettings::RingMin);
  EXPECT_TRUE(run(b, rules).findings.empty());
  rules.WRingMin = 2500;
  const DrcResult r = run(b, rules);
  ASSERT_EQ(kinds(r), std::vector<DrcKind>{DrcKind::kRingTooThin});
  EXPECT_EQ(r.findings[0].objects, std::vector<int>{0});
}

TEST(Drc, PureHoleTakesNoPartInCopperDistance) {
  Board b = board();
  add(b, pad(100000, -100000, 5000, 6000));
  add(b, track(90000, -106500, 120000, -106500));
  EXPECT_TRUE(run(b, only(&DrcSettings::Kupfer)).findings.empty());
}

TEST(Drc, GroundPlaneClearance) {
  Board b = board();
  b.header.groundPlane[kLayerC1 - 1] = 1;
  TObjekt* t = add(b, track(100000, -100000, 150000, -100000));
  t->clearance = 1000;
  DrcResult r = run(b, only(&DrcSettings::Kupfer));
  ASSERT_EQ(r.findings.size(), 1u);
  EXPECT_EQ(r.findings[0].text, &texts::drcGroundPlaneDistance);
  t->clearance = 0;
  EXPECT_TRUE(run(b, only(&DrcSettings::Kupfer)).findings.empty());
}

TEST(Drc, WindowSeesOnlyItsArea) {
  Board b = board();
  add(b, track(100000, -100000, 150000, -100000, 1000));
  const DrcSettings rules = only(&DrcSettings::TrackMin);
  EXPECT_EQ(runDrc(b, rules, {0, -50000, 50000, 0}).findings.size(), 0u);
  EXPECT_EQ(runDrc(b, rules, {90000, -120000, 200000, -80000}).findings.size(), 1u);
}

TEST(Drc, ThinLinesGetSegmentOutlines) {
  Board b = board();
  TObjekt t = track(0, -100000, 100000, -100000, 1000);
  addPoint(t, {100000, -200000});
  add(b, t);
  add(b, track(0, -300000, 100000, -300000, 1000, kLayerS1));
  const DrcResult r = run(b, only(&DrcSettings::TrackMin));
  ASSERT_EQ(kinds(r), std::vector<DrcKind>{DrcKind::kTrackTooThin});
  ASSERT_EQ(r.findings[0].outlines.size(), 2u);
  EXPECT_EQ(r.findings[0].outlines[0].size(), 18u);
  DrcSettings silk = only(&DrcSettings::BestMin);
  silk.WBestMin = 1500;
  EXPECT_EQ(kinds(run(b, silk)), std::vector<DrcKind>{DrcKind::kSilkTooThin});
}

TEST(Drc, SilkscreenOverPad) {
  Board b = board();
  add(b, pad(100000, -100000, 8000, 4000));
  add(b, track(90000, -100000, 110000, -100000, 1500, kLayerS1));
  add(b, track(90000, -100000, 110000, -100000, 1500, kLayerS2));  // the other side
  const DrcResult r = run(b, only(&DrcSettings::SilkOnPad));
  ASSERT_EQ(kinds(r), std::vector<DrcKind>{DrcKind::kSilkOnPad});
  EXPECT_EQ(r.findings[0].layer, kLayerS1);
}

TEST(Drc, HoleOnSmdPadIsTheDrillNotThePad) {
  Board b = board();
  // A square pad 2 mm across with a 0.6 mm drill; the SMD pad lies over the corner of the
  // drill's square, not over the drill.
  TObjekt square = newObject();
  initPad(square, {100000, -100000}, kLayerC1, kPadSquare, 3000, 10000);
  add(b, square);
  add(b, smd(103700, -103700, 2000, 2000));
  EXPECT_TRUE(run(b, only(&DrcSettings::HoleOnSMD)).findings.empty());
  add(b, smd(102000, -100000, 2000, 2000));  // over the drill
  const DrcResult r = run(b, only(&DrcSettings::HoleOnSMD));
  ASSERT_EQ(kinds(r), std::vector<DrcKind>{DrcKind::kDrillOnSmd});
  EXPECT_EQ(r.findings[0].objects, (std::vector<int>{2, 0}));
}

TEST(Drc, SolderMaskRules) {
  Board b = board();
  TObjekt via = pad(100000, -100000, 5000, 2000);
  via.via = 1;
  add(b, via);  // a via with its opening is fine
  TObjekt covered = pad(200000, -100000, 5000, 2000);
  covered.solderMask = 0;
  add(b, covered);
  TObjekt opened = track(300000, -100000, 350000, -100000);
  opened.solderMask = 1;
  add(b, opened);
  DrcSettings rules = only(&DrcSettings::PadOhneLS);
  rules.LSFremd = true;
  const DrcResult r = run(b, rules);
  ASSERT_EQ(r.findings.size(), 2u);
  EXPECT_EQ(r.findings[0].text, &texts::drcPadWithoutMask);
  EXPECT_EQ(r.findings[0].objects, std::vector<int>{1});
  EXPECT_EQ(r.findings[1].text, &texts::drcNonPadWithMask);
  EXPECT_EQ(r.findings[1].outlines.size(), 1u);
}

TEST(Drc, OutlineWhollyInsideAnotherIsReportedAtTheInnerBox) {
  auto square = [](double l, double b, double r, double t) {
    TPolygon32 p;
    for (auto [x, y] : {std::pair{l, b}, {r, b}, {r, t}, {l, t}}) {
      addPoint(p, toFixedPoint(x, y, 1));
    }
    return p;
  };
  const TPolygon32 outer = square(0, 0, 100000, 100000);
  const TPolygon32 inner = square(40000, 40000, 50000, 50000);
  const TRect box{40000, 40000, 50000, 50000};
  EXPECT_EQ(distanceMarker(inner, outer, 1500), box);
  EXPECT_EQ(distanceMarker(outer, inner, 1500), box);
  EXPECT_FALSE(distanceMarker(inner, square(60000, 60000, 70000, 70000), 1500));
}

TEST(Drc, MarkerIsWidenedToAMinimumSize) {
  EXPECT_EQ(widenedMarker({0, 0, 100, 20000}), (TRect{-2450, -2000, 2550, 22000}));
  EXPECT_EQ(widenedMarker({0, 0, 10000, 10000}), (TRect{-2000, -2000, 12000, 12000}));
}

TEST(Drc, EscapeStopsAndSkipsTheRest) {
  Board b = board();
  add(b, track(0, -100000, 100000, -100000, 1000));
  add(b, track(0, -200000, 100000, -200000, 1000));
  int calls = 0;
  const DrcResult r = runDrc(b, DrcSettings{}, completeDrcArea(), [&](int index, int) {
    ++calls;
    return index == 0;
  });
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(r.findings.empty());
}

TEST(Drc, TheBoardStaysByteForByteTheSame) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(board()));
  doc.activeBoard = 0;
  Board& b = *doc.boards[0];
  b.header.groundPlane[kLayerC1 - 1] = 1;
  add(b, pad(100000, -100000, 8000, 5000));
  TObjekt rect = newObject();
  initPad(rect, {114000, -100000}, kLayerC1, kPadRectangleH, 3000, 6000);
  rect.optB = 1;
  add(b, rect);
  add(b, smd(100000, -120000, 6000, 3000));
  add(b, track(90000, -106500, 120000, -106500, 1000));
  TObjekt ring = newObject();
  initCircle(ring, {150000, -150000}, 10000, kLayerC1, 8000);
  add(b, ring);
  const std::string before = writeLayout(doc);
  EXPECT_FALSE(run(b, DrcSettings{}).findings.empty());
  EXPECT_EQ(writeLayout(doc), before);
}

}  // namespace
}  // namespace pravelo
