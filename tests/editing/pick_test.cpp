#include "editing/pick.h"

#include <gtest/gtest.h>

#include <functional>

#include "board_fixture.h"

namespace pravelo {
namespace {

using testing::EditingBoard;

TEST(PickTolerance, ThreePixelsBelowZoomOne) {
  EXPECT_EQ(pickTolerance(0.001), 3000);
  EXPECT_EQ(pickTolerance(0.5), 6);
  EXPECT_EQ(pickTolerance(0.4), 8);  // 7.5 rounds to even
  EXPECT_EQ(pickTolerance(1), 0);
  EXPECT_EQ(pickTolerance(2), 0);
}

// Which object a click picks where objects overlap. Board: C1 active, S1, C2, S2 and O shown.
struct OrderCase {
  const char* name;
  std::function<void(EditingBoard&)> build;
  DPoint click;
  bool copperOnly;
  int expected;
};

// clang-format off
const OrderCase kOrderCases[] = {
    {"PadOnTrackDrawnLater", [](EditingBoard& b) {
       b.pad({0, 0}, 8000, 3000);
       b.track(kLayerC1, {-50000, 0}, {50000, 0}, 4000);
     }, {5000, 0}, false, 0},
    {"TrackOnLowerLayerUnderZone", [](EditingBoard& b) {
       b.track(kLayerC2, {-50000, 0}, {50000, 0}, 4000);
       b.zone(kLayerC1, -100000, -100000, 100000, 100000);
     }, {0, 0}, false, 0},
    {"ZoneWhenNothingLowerIsHit", [](EditingBoard& b) {
       b.track(kLayerC2, {-50000, 50000}, {50000, 50000}, 4000);
       b.zone(kLayerC1, -100000, -100000, 100000, 100000);
     }, {0, 0}, false, 1},
    {"UpperZoneWhenBothLayersHaveZones", [](EditingBoard& b) {
       b.zone(kLayerC1, -100000, -100000, 100000, 100000);
       b.zone(kLayerC2, -100000, -100000, 100000, 100000);
     }, {0, 0}, false, 0},
    {"SilkscreenAboveCopper", [](EditingBoard& b) {
       b.track(kLayerS1, {0, -50000}, {0, 50000}, 4000);
       b.track(kLayerC1, {-50000, 0}, {50000, 0}, 4000);
     }, {0, 0}, false, 0},
    {"CopperOnlySkipsSilkscreen", [](EditingBoard& b) {
       b.track(kLayerS1, {0, -50000}, {0, 50000}, 4000);
       b.track(kLayerC2, {-50000, 0}, {50000, 0}, 4000);
     }, {0, 0}, true, 1},
    {"ActiveSideBeforeOtherSide", [](EditingBoard& b) {
       b.track(kLayerC1, {0, -50000}, {0, 50000}, 4000);
       b.track(kLayerC2, {-50000, 0}, {50000, 0}, 4000);
     }, {0, 0}, false, 0},
    {"TopmostOfOneLayer", [](EditingBoard& b) {
       b.track(kLayerC1, {0, -50000}, {0, 50000}, 4000);
       b.track(kLayerC1, {-50000, 0}, {50000, 0}, 4000);
     }, {0, 0}, false, 1},
    {"SelectedObjectFirst", [](EditingBoard& b) {
       b[b.track(kLayerC2, {0, -50000}, {0, 50000}, 4000)].selected = 1;
       b.track(kLayerS1, {-50000, 0}, {50000, 0}, 4000);
     }, {0, 0}, false, 0},
    {"HiddenLayerIsNotPicked", [](EditingBoard& b) {
       b.track(kLayerS2, {-50000, 0}, {50000, 0}, 4000);
       b.board.header.layerVisible[kLayerS2 - 1] = 0;
     }, {0, 0}, false, -1},
    {"ViaFoundOnTheOtherCopperLayer", [](EditingBoard& b) {
       b.track(kLayerC1, {-50000, 0}, {50000, 0}, 4000);
       const int via = b.pad({0, 0}, 8000, 3000, kLayerC2);
       b[via].via = 1;
     }, {5000, 0}, false, 1},
    {"CutOutAreaGivesWayToCopper", [](EditingBoard& b) {
       b.board.header.groundPlane[kLayerC1 - 1] = 1;
       b.track(kLayerC1, {-50000, 0}, {50000, 0}, 4000);
       b[b.zone(kLayerC1, -100000, -100000, 100000, 100000)].cutout = 1;
     }, {0, 0}, false, 0},
    {"MaskOnlyZoneHitOnItsBorderBeforeALowerTrack", [](EditingBoard& b) {
       b.track(kLayerC1, {-200000, 0}, {200000, 0}, 4000);
       b[b.zone(kLayerC1, -100000, -100000, 100000, 100000)].maskOnly = 1;
     }, {101500, 0}, false, 1},
    {"NothingThere", [](EditingBoard& b) {
       b.track(kLayerC1, {-50000, 0}, {50000, 0}, 4000);
     }, {0, 30000}, false, -1},
};
// clang-format on

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class PickOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PickOrder, PicksTheExpectedObject) {
  EditingBoard b;
  GetParam().build(b);
  EXPECT_EQ(pickObject(b.board, GetParam().click, 0.01, GetParam().copperOnly, true),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PickOrder, ::testing::ValuesIn(kOrderCases),
                         [](const auto& test) { return std::string(test.param.name); });

// A 0.1502 mm track along y = 0 without clearance: its edge lies at y = 751.
struct ToleranceCase {
  double zoom;
  double y;
  bool exact;
  bool hits;
};

// clang-format off
const ToleranceCase kToleranceCases[] = {
    {2, 750, false, true},
    {2, 751.5, false, false},    // one pixel beside the edge: no tolerance at zoom 2
    {0.001, 2000, false, true},  // two pixels from the centre line: 751 + 1500 reach
    {0.001, -2000, false, true},
    {0.001, 2000, true, false},  // an exact test has no tolerance
    {0.001, 3000, false, false},
    {0.5, 753, false, true},     // 3 / 0.5 = 6 units of tolerance, 3 on each side
    {0.5, 756, false, false},
};
// clang-format on

TEST(PickTolerance, ReachesBesideAThinTrackOnlyBelowZoomOne) {
  for (const ToleranceCase& c : kToleranceCases) {
    EditingBoard b;
    b.track(kLayerC1, {-100000, 0}, {100000, 0}, 1502);
    EXPECT_EQ(pickObject(b.board, {0, c.y}, c.zoom, false, c.exact), c.hits ? 0 : -1)
        << "zoom " << c.zoom << ", y " << c.y << (c.exact ? ", exact" : "");
  }
}

TEST(PickTolerance, ReachesAcrossTheHoleOfANarrowRing) {
  // At zoom 0.0005 the tolerance of 6000 units is more than twice the ring's inner radius: the
  // hole lies within 3 pixels of the ring everywhere and must not come back inside out.
  EditingBoard b;
  const int ring = b.circle({0, 0}, 10000, 2000);
  b[ring].paramA = b[ring].width = 90000;  // a full circle starting at the top
  int points = 0;
  for (int x = -1500; x <= 1500; x += 100) {
    for (int y = -1500; y <= 1500; y += 100) {
      if (x * x + y * y > 1500 * 1500) continue;
      ++points;
      EXPECT_EQ(pickObject(b.board, {double(x), double(y)}, 0.0005, false, false), ring)
          << x << ", " << y;
    }
  }
  EXPECT_GT(points, 600);
  EXPECT_EQ(pickObject(b.board, {0, 0}, 0.01, false, true), -1);
}

TEST(PickNodeHandles, HandleOfTheOneSelectedTrackCountsBesideItsOutline) {
  EditingBoard b;
  const int track = b.track(kLayerC1, {0, 0}, {100000, 0}, 1000);
  b[track].selected = 1;
  // The vertex handle reaches 3 pixels; the outline with tolerance only 500 + 1500 units.
  const DPoint corner{102500, 2500};
  EXPECT_EQ(pickObject(b.board, corner, 0.001, false, false), track);
  EXPECT_EQ(pickObject(b.board, corner, 0.001, true, false), -1);  // copper-only: no handles

  b[b.track(kLayerS1, {0, 50000}, {1000, 50000}, 1000)].selected = 1;
  EXPECT_EQ(pickObject(b.board, corner, 0.001, false, false), -1);  // two selected: no handles
}

TEST(OutlineContains, TestsTheTrueOutline) {
  TObjekt pad = newObject();
  initPad(pad, {0, 0}, kLayerC1, kPadSquare, 2000, 10000);
  EXPECT_TRUE(outlineContains(pad, {9900, 9900}, 1, 0));
  EXPECT_FALSE(outlineContains(pad, {10100, 0}, 1, 0));
  EXPECT_TRUE(outlineContains(pad, {10100, 0}, 1, 400));  // grown by 200 on each side
}

}  // namespace
}  // namespace pravelo
