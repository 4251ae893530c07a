#include "view/connectivity.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "document/layout_file.h"
#include "editing/board_fixture.h"
#include "geometry/text_strokes.h"
#include "view/remove_connections.h"

namespace pravelo {
namespace {

using testing::EditingBoard;

std::vector<int> sorted(std::vector<int> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<int> floodFrom(EditingBoard& b, int start, bool followConnections = false) {
  Connectivity connectivity(b.board);
  return sorted(connectivity.flood(start, {followConnections, {}}));
}

void connect(EditingBoard& b, int p, int q) {
  b[p].connections.push_back(&b[q]);
  b[q].connections.push_back(&b[p]);
}

TEST(CopperFlood, FollowsContactOnTheSameLayerOnly) {
  EditingBoard b;
  const int pad = b.pad({100000, -100000}, 10000, 4000);
  const int touching = b.track(kLayerC1, {100000, -100000}, {200000, -100000}, 8000);
  const int further = b.track(kLayerC1, {200000, -100000}, {200000, -300000}, 8000);
  b.track(kLayerC1, {400000, -400000}, {500000, -400000}, 8000);  // apart
  b.track(kLayerC2, {100000, -100000}, {150000, -150000}, 8000);  // other side, no via
  b.track(kLayerS1, {100000, -100000}, {150000, -150000}, 8000);  // silkscreen
  EXPECT_EQ(floodFrom(b, pad), (std::vector<int>{pad, touching, further}));
}

TEST(CopperFlood, PlatedThroughPadsJoinBothSides) {
  EditingBoard b;
  const int top = b.track(kLayerC1, {0, -100000}, {100000, -100000}, 8000);
  const int via = b.pad({100000, -100000}, 10000, 4000);
  b[via].via = 1;
  const int bottom = b.track(kLayerC2, {100000, -100000}, {100000, -300000}, 8000);
  const int inner = b.track(kLayerI1, {100000, -100000}, {300000, -100000}, 8000);
  const int innerTouching = b.track(kLayerI1, {300000, -100000}, {300000, 0}, 8000);
  EXPECT_EQ(floodFrom(b, top), (std::vector<int>{top, via, bottom}));
  // Inner copper still touches inner copper with the multilayer switch off.
  EXPECT_EQ(floodFrom(b, inner), (std::vector<int>{inner, innerTouching}));
  b.board.header.multilayer = 1;
  EXPECT_EQ(floodFrom(b, top), (std::vector<int>{top, via, bottom, inner, innerTouching}));
  b[via].via = 0;
  EXPECT_EQ(floodFrom(b, top), (std::vector<int>{top, via}));
}

TEST(CopperFlood, NonConductingObjectsJoinNothing) {
  EditingBoard b;
  const int left = b.track(kLayerC1, {0, -100000}, {95000, -100000}, 8000);
  const int hole = b.pad({100000, -100000}, 10000, 10000);  // drill as large as the pad
  b.track(kLayerC1, {105000, -100000}, {200000, -100000}, 8000);
  const int cut = b.zone(kLayerC1, 300000, -200000, 400000, -100000);
  b[cut].cutout = 1;
  b.track(kLayerC1, {350000, -150000}, {450000, -150000}, 8000);
  EXPECT_EQ(floodFrom(b, left), (std::vector<int>{left}));
  EXPECT_EQ(floodFrom(b, hole), (std::vector<int>{hole}));
}

TEST(CopperFlood, FollowsConnectionsOnlyWhenAsked) {
  EditingBoard b;
  const int a = b.pad({100000, -100000}, 10000, 4000);
  const int c = b.pad({500000, -500000}, 10000, 4000);
  const int touchingC = b.track(kLayerC1, {500000, -500000}, {600000, -500000}, 8000);
  connect(b, a, c);
  EXPECT_EQ(floodFrom(b, a), (std::vector<int>{a}));
  EXPECT_EQ(floodFrom(b, a, true), (std::vector<int>{a, c, touchingC}));
}

TEST(CopperFlood, SkipsWhatTheCallerExcludes) {
  EditingBoard b;
  const int a = b.track(kLayerC1, {0, -100000}, {100000, -100000}, 8000);
  const int netted = b.track(kLayerC1, {100000, -100000}, {200000, -100000}, 8000);
  b.track(kLayerC1, {200000, -100000}, {300000, -100000}, 8000);
  Connectivity connectivity(b.board);
  EXPECT_EQ(connectivity.flood(a, {false, [&](int q) { return q == netted; }}),
            (std::vector<int>{a}));
}

// A chain far longer than a recursive walk could follow on the stack.
TEST(CopperFlood, WalksLongChainsWithoutRecursion) {
  EditingBoard b;
  constexpr int kLinks = 60000;
  for (int i = 0; i < kLinks; ++i) {
    const float x = 10.0F * static_cast<float>(i % 60000);
    b.track(kLayerC1, {x, -500000}, {x + 10, -500000}, 100);
  }
  Connectivity connectivity(b.board);
  EXPECT_EQ(connectivity.flood(kLinks - 1).size(), std::size_t{kLinks});
}

class GroundPlane : public ::testing::Test {
 protected:
  GroundPlane() { b.board.header.groundPlane[kLayerC1 - 1] = 1; }
  int onPlane(FPoint from, FPoint to, std::int32_t clearance = 0) {
    const int t = b.track(kLayerC1, from, to, 8000);
    b[t].clearance = clearance;
    return t;
  }
  EditingBoard b;
};

TEST_F(GroundPlane, JoinsClearanceZeroObjectsAndThermalPads) {
  const int a = onPlane({100000, -100000}, {200000, -100000});
  const int c = onPlane({800000, -800000}, {900000, -800000});
  onPlane({500000, -500000}, {600000, -500000}, 4000);
  const int thermal = b.pad({300000, -700000}, 20000, 8000);
  b[thermal].clearance = 4000;
  b[thermal].optB = 1;
  EXPECT_EQ(floodFrom(b, a), (std::vector<int>{a, c, thermal}));
  b.board.header.groundPlane[kLayerC1 - 1] = 0;
  EXPECT_EQ(floodFrom(b, a), (std::vector<int>{a}));
}

TEST_F(GroundPlane, ACutOutAcrossTheBoardSplitsThePlane) {
  const int left = onPlane({100000, -500000}, {200000, -500000});
  const int right = onPlane({800000, -500000}, {900000, -500000});
  const int cut = b.zone(kLayerC1, 450000, -1000000, 550000, 0);
  b[cut].cutout = 1;
  b[cut].clearance = 4000;
  EXPECT_EQ(floodFrom(b, left), (std::vector<int>{left}));
  b.board.objects.erase(b.board.objects.begin() + cut);
  EXPECT_EQ(floodFrom(b, left), (std::vector<int>{left, right}));
}

// Pure holes and hidden labels are not copper, also for the plane.
TEST_F(GroundPlane, NonConductingObjectsStayOffThePlane) {
  const int a = onPlane({100000, -100000}, {200000, -100000});
  const int hole = b.pad({500000, -500000}, 10000, 12000);
  TObjekt label = newObject();
  initText(label, {700000, -700000}, "R1", 0, 0, kLayerC1, 0, 1500, 20000, 0);
  buildTextStrokes(label, false);
  label.variant = kComponentIdText;
  label.optA = 0;
  const int hidden = b.add(std::move(label));
  EXPECT_EQ(floodFrom(b, a), (std::vector<int>{a}));
  EXPECT_EQ(floodFrom(b, hole), (std::vector<int>{hole}));
  EXPECT_EQ(floodFrom(b, hidden), (std::vector<int>{hidden}));
}

// Points outside the raster lie on no plane, even when both are outside.
TEST_F(GroundPlane, ObjectsStartingOffTheBoardAreNotLinked) {
  const int a = onPlane({-50000, -100000}, {-20000, -100000});
  const int c = onPlane({-50000, -900000}, {-20000, -900000});
  const int inside = onPlane({100000, -500000}, {200000, -500000});
  Connectivity connectivity(b.board);
  EXPECT_FALSE(connectivity.planeLinked(a, c, kLayerC1));
  EXPECT_FALSE(connectivity.planeLinked(a, inside, kLayerC1));
}

TEST_F(GroundPlane, NegativeClearancesCountAsZero) {
  const int a = onPlane({100000, -100000}, {200000, -100000});
  const int c = onPlane({800000, -800000}, {900000, -800000}, -4000);
  EXPECT_EQ(floodFrom(b, a), (std::vector<int>{a, c}));
}

TEST(Components, GroupCopperAndLeaveOtherObjectsOut) {
  EditingBoard b;
  const int a = b.track(kLayerC1, {0, -100000}, {100000, -100000}, 8000);
  const int a2 = b.track(kLayerC1, {100000, -100000}, {100000, -200000}, 8000);
  const int lone = b.track(kLayerC1, {500000, -500000}, {600000, -500000}, 8000);
  const int silk = b.track(kLayerS1, {0, -100000}, {100000, -100000}, 8000);
  Connectivity connectivity(b.board);
  const std::vector<int> group = connectivity.components();
  EXPECT_EQ(group[a], group[a2]);
  EXPECT_NE(group[a], group[lone]);
  EXPECT_EQ(group[silk], -1);
}

TEST(RemoveConnections, RemovesOnlyConnectionsJoinedByCopper) {
  EditingBoard b;
  const int pa = b.pad({100000, -100000}, 10000, 4000);
  const int pb = b.pad({300000, -100000}, 10000, 4000);
  const int pc = b.pad({600000, -600000}, 10000, 4000);
  b.track(kLayerC1, {100000, -100000}, {300000, -100000}, 8000);
  connect(b, pa, pb);
  connect(b, pb, pc);
  const ConnectionCounts counts = removeRoutedConnections(b.board);
  EXPECT_EQ(counts.removed, 1);
  EXPECT_EQ(counts.remaining, 1);
  EXPECT_TRUE(b[pa].connections.empty());
  EXPECT_EQ(b[pb].connections, (std::vector<TObjekt*>{&b[pc]}));
  EXPECT_EQ(b[pc].connections, (std::vector<TObjekt*>{&b[pb]}));
  EXPECT_EQ(connectionCountsMessage(counts, Language::English),
            "1 connections (rubberbands) removed.\r1 connections (rubberbands) remaining.");
  EXPECT_EQ(connectionCountsMessage(counts, Language::German),
            "Es konnten 1 Luftlinien entfernt werden.\rEs verbleiben noch 1 Luftlinien");
}

// Floods answer in object indices; the board, and so the saved file, stays as it was.
TEST(CopperFlood, LeavesTheSavedFileUnchanged) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  EditingBoard b;
  const int pa = b.pad({100000, -100000}, 10000, 4000);
  const int pc = b.pad({600000, -600000}, 10000, 4000);
  b.track(kLayerC1, {100000, -100000}, {300000, -100000}, 8000);
  connect(b, pa, pc);
  b.board.header.groundPlane[kLayerC1 - 1] = 1;
  for (auto& o : b.board.objects) o->clearance = 4000;
  *doc.boards[0] = std::move(b.board);
  doc.activeBoard = 0;
  const std::string before = writeLayout(doc);
  Connectivity connectivity(*doc.boards[0]);
  connectivity.flood(pa, {true, {}});
  connectivity.components();
  EXPECT_EQ(removeRoutedConnections(*doc.boards[0]).removed, 0);
  EXPECT_EQ(writeLayout(doc), before);
}

}  // namespace
}  // namespace pravelo
