#include "view/autorouter.h"

#include <gtest/gtest.h>

#include <random>

#include "copper/object_outline.h"
#include "copper/polygon_predicates.h"
#include "view/route_all.h"
#include "view/route_board.h"
#include "view/route_obstacles.h"

namespace pravelo {
namespace {

using testing::RouteBoard;

constexpr std::int32_t kRouteTestWidth = 4000;
constexpr std::int32_t kRouteTestGap = 2000;

RouteRequest routeRequest(int a, int b, double pitch = 8000) {
  RouteRequest r;
  r.padA = a;
  r.padB = b;
  r.layer = kLayerC1;
  r.width = kRouteTestWidth;
  r.clearance = kRouteTestGap;
  r.grid = {pitch, {}};
  return r;
}

// Every other object keeps the clearance from the track, and the track's centre line stays on
// the board.
void expectKeepsClear(RouteBoard& b, int track, std::initializer_list<int> others) {
  const TObjekt& t = b[track];
  for (int o : others) {
    EXPECT_GE(testing::copperGap(t, b[o]), kRouteTestGap - 1) << "object " << o;
  }
  for (FPoint p : t.points) {
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x, b.board().header.width);
    EXPECT_LE(p.y, 0);
    EXPECT_GE(p.y, -b.board().header.height);
  }
}

TEST(RoutingPitch, FollowsTheEditorGridWhenAsked) {
  struct Case {
    bool onGrid;
    double editorGrid;
    double pitch;
  };
  for (const Case& c : {Case{false, 12700, 8000}, Case{true, 12700, 6350}, Case{true, 3175, 6350},
                        Case{true, 8000, 8000}, Case{true, 2000, 4000}}) {
    EXPECT_DOUBLE_EQ(routingPitch(kRouteTestWidth, kRouteTestGap, c.onGrid, c.editorGrid), c.pitch)
        << c.onGrid << " " << c.editorGrid;
  }
}

TEST(RouteGridFrame, OffsetIsTheOriginsRemainder) {
  BoardHeader header = newBoardHeader(1000000, 1000000);
  header.grid = 12700;
  header.originX = 10000;
  header.originY = -3000;
  const RouteGrid g = routeGrid(kRouteTestWidth, kRouteTestGap, true, header);
  EXPECT_DOUBLE_EQ(g.pitch, 6350);
  EXPECT_DOUBLE_EQ(g.offset.x, 10000 - 12700);
  EXPECT_DOUBLE_EQ(g.offset.y, -3000);
  EXPECT_EQ(gridPointOf(g, {10000, -3000}), (IPoint{2, 0}));
  EXPECT_EQ(routeGrid(kRouteTestWidth, kRouteTestGap, false, header).offset, (DPoint{0, 0}));
}

TEST(Autorouter, StraightLineGivesFewVerticesAndReplacesTheConnection) {
  RouteBoard b;
  const int a = b.pad({80000, -80000});
  const int p = b.pad({400000, -80000});
  b.connect(a, p);
  const RouteReport r = routeConnection(b.board(), routeRequest(a, p));
  ASSERT_EQ(r.outcome, RouteOutcome::Routed);
  const TObjekt& t = b[r.track];
  EXPECT_EQ(t.points, (std::vector<FPoint>{{400000, -80000}, {80000, -80000}}));
  EXPECT_EQ(r.vertices, 2);
  EXPECT_EQ(t.autorouted, 1);
  EXPECT_EQ(t.routeEndA, &b[a]);
  EXPECT_EQ(t.routeEndB, &b[p]);
  EXPECT_EQ(t.width, kRouteTestWidth);
  EXPECT_EQ(t.layer, kLayerC1);
  EXPECT_TRUE(b[a].connections.empty());
  EXPECT_TRUE(b[p].connections.empty());
}

// A wall between the pads with a way round its end; the same input gives the same track.
TEST(Autorouter, GoesRoundAWallKeepingTheClearance) {
  const auto build = [](RouteBoard& b) {
    const int a = b.pad({200000, -100000});
    const int p = b.pad({200000, -300000});
    b.connect(a, p);
    b.track({50000, -200000}, {320000, -200000}, 6000);
    b.pad({260000, -150000}, 10000, 5000);
    return std::pair{a, p};
  };
  RouteBoard b;
  const auto [a, p] = build(b);
  const RouteReport r = routeConnection(b.board(), routeRequest(a, p));
  ASSERT_EQ(r.outcome, RouteOutcome::Routed);
  EXPECT_GT(r.vertices, 3);
  expectKeepsClear(b, r.track, {2, 3});

  RouteBoard again;
  build(again);
  const RouteReport second = routeConnection(again.board(), routeRequest(a, p));
  ASSERT_EQ(second.outcome, RouteOutcome::Routed);
  EXPECT_EQ(again[second.track].points, b[r.track].points);
}

TEST(Autorouter, CrossesCopperAlreadyJoinedToItsPads) {
  RouteBoard b(400000, 400000);
  const int a = b.pad({100000, -100000});
  const int p = b.pad({100000, -300000});
  b.connect(a, p);
  // A's own track closes the way across the whole board.
  b.track({100000, -100000}, {100000, -200000});
  b.track({0, -200000}, {400000, -200000}, 4000);
  const RouteReport r = routeConnection(b.board(), routeRequest(a, p));
  EXPECT_EQ(r.outcome, RouteOutcome::Routed);
}

TEST(Autorouter, FailuresLeaveTheBoardAsItWas) {
  struct Case {
    const char* name;
    std::int32_t boardWidth;
    double pitch;
    bool escape;
    RouteOutcome outcome;
  };
  for (const Case& c : {Case{"wall", 400000, 8000, false, RouteOutcome::NotFound},
                        Case{"escape", 400000, 8000, true, RouteOutcome::NotFound},
                        Case{"fine grid", 4000000, 1500, false, RouteOutcome::GridTooFine}}) {
    RouteBoard b(c.boardWidth, 400000);
    const int a = b.pad({100000, -100000});
    const int p = b.pad({c.boardWidth - 100000.0f, -300000});
    b.connect(a, p);
    b.track({0, -200000}, {static_cast<float>(c.boardWidth), -200000}, 4000);
    b[a].selected = 1;
    const std::string before = b.bytes();
    RouteMonitor monitor;
    if (c.escape) monitor.escape = [] { return true; };
    const RouteReport r = routeConnection(b.board(), routeRequest(a, p, c.pitch), monitor);
    EXPECT_EQ(r.outcome, c.outcome) << c.name;
    EXPECT_EQ(b.bytes(), before) << c.name;
  }
}

// Pads nearer than half a step share a grid cell; the straight track between them is tried.
TEST(Autorouter, PadsInOneCellGetTheDirectTrack) {
  RouteBoard b;
  const int a = b.pad({96000, -96000}, 1000, 500);
  const int p = b.pad({98000, -96000}, 1000, 500);
  b.connect(a, p);
  const RouteReport r = routeConnection(b.board(), routeRequest(a, p));
  ASSERT_EQ(r.outcome, RouteOutcome::Routed);
  EXPECT_EQ(b[r.track].points, (std::vector<FPoint>{{98000, -96000}, {96000, -96000}}));
  // Other copper too near the direct track still fails it.
  RouteBoard blocked;
  const int c = blocked.pad({96000, -96000}, 1000, 500);
  const int d = blocked.pad({98000, -96000}, 1000, 500);
  blocked.connect(c, d);
  blocked.track({97000, -99000}, {97000, -110000}, 1000);
  EXPECT_EQ(routeConnection(blocked.board(), routeRequest(c, d)).outcome, RouteOutcome::NotFound);
}

// The board is wider than the cell map: the routing area is cut down around the pads but must
// not leave the board, so the route goes round the wall's far end, not round its end at x = 0.
TEST(Autorouter, RoutingAreaStaysOnTheBoard) {
  RouteBoard b(8000000, 400000);
  const int a = b.pad({16000, -100000}, 2000, 1000);
  const int p = b.pad({16000, -300000}, 2000, 1000);
  b.connect(a, p);
  const int wall = b.track({0, -200000}, {400000, -200000}, 4000);
  const int far = b.track({7900000, -100000}, {7900000, -120000}, 4000);
  const RouteReport r = routeConnection(b.board(), routeRequest(a, p));
  ASSERT_EQ(r.outcome, RouteOutcome::Routed);
  expectKeepsClear(b, r.track, {wall, far});
  const auto& points = b[r.track].points;
  EXPECT_TRUE(std::any_of(points.begin(), points.end(), [](FPoint q) { return q.x > 400000; }));
}

// Square wall rings around A, each with one gap, and a blocker in each corridor beside the gap it
// enters by: the way out runs once round every corridor, more than 32767 steps.
TEST(Autorouter, PathsLongerThanSixteenBitLabelsAreFound) {
  constexpr int kRings = 66;
  constexpr float kStep = 8000;
  RouteBoard b(3200000, 3200000);
  const float cx = 200 * kStep, cy = -200 * kStep;
  // Grid cell (di, dj) from the centre, j downwards.
  const auto at = [&](int di, int dj) { return FPoint{cx + di * kStep, cy - dj * kStep}; };
  const int a = b.pad(at(0, 0), 1000, 500);
  const int p = b.pad(at(-2 * kRings - 1, 2 * kRings - 1), 1000, 500);
  b.connect(a, p);
  for (int r = 2; r <= 2 * kRings; r += 2) {
    const int gap = r - 2;  // row of the gap in the left column
    b.track(at(-r, -r), at(r, -r), 1000);
    b.track(at(r, -r), at(r, r), 1000);
    b.track(at(r, r), at(-r, r), 1000);
    b.track(at(-r, r), at(-r, gap + 1), 1000);
    b.track(at(-r, gap - 1), at(-r, -r), 1000);
    // The corridor outside this ring is entered at row `gap` and left at row gap + 2.
    const int m = r + 1;
    if (r < 2 * kRings) b.track(at(-m, gap + 1), at(-m, gap + 1), 1000);
  }
  const RouteReport r = routeConnection(b.board(), routeRequest(a, p));
  ASSERT_EQ(r.outcome, RouteOutcome::Routed);
  double length = 0;
  const auto& points = b[r.track].points;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    length += std::hypot(points[i + 1].x - points[i].x, points[i + 1].y - points[i].y);
  }
  EXPECT_GT(length / kStep, 32767);
}

TEST(Autorouter, DissolvingGivesTheConnectionBack) {
  RouteBoard b;
  const int a = b.pad({80000, -80000});
  const int p = b.pad({400000, -80000});
  b.connect(a, p);
  const RouteReport r = routeConnection(b.board(), routeRequest(a, p));
  ASSERT_EQ(r.outcome, RouteOutcome::Routed);
  EXPECT_FALSE(dissolveRoute(b.board(), a));
  EXPECT_TRUE(dissolveRoute(b.board(), r.track));
  EXPECT_EQ(b.board().objects.size(), 2u);
  EXPECT_EQ(b[a].connections, (std::vector<TObjekt*>{&b[p]}));
  EXPECT_EQ(b[p].connections, (std::vector<TObjekt*>{&b[a]}));

  // With a pad gone the track stays as an ordinary track.
  const RouteReport again = routeConnection(b.board(), routeRequest(a, p));
  ASSERT_EQ(again.outcome, RouteOutcome::Routed);
  b.board().objects.erase(b.board().objects.begin() + p);
  EXPECT_TRUE(dissolveRoute(b.board(), again.track - 1));
  const TObjekt& t = *b.board().objects.back();
  EXPECT_EQ(t.kind, kTrack);
  EXPECT_EQ(t.autorouted, 0);
  EXPECT_EQ(t.routeEndA, nullptr);
}

// Three connections, the longest first in the list; one is walled in.
struct RouteAllBoard {
  RouteAllBoard() {
    const int a = b.pad({50000, -50000});
    const int c = b.pad({350000, -50000});
    b.connect(a, c);
    const int d = b.pad({50000, -150000});
    const int e = b.pad({150000, -150000});
    b.connect(d, e);
    const int f = b.pad({300000, -300000});
    const int g = b.pad({300000, -200000});
    b.connect(f, g);
    b.track({250000, -250000}, {350000, -250000});
    b.track({250000, -350000}, {350000, -350000});
    b.track({250000, -250000}, {250000, -350000});
    b.track({350000, -250000}, {350000, -350000});
  }
  RouteBoard b{400000, 400000};
};

TEST(RouteAll, ShortestFirstAndTheRestListed) {
  RouteAllBoard fixture;
  RouteBoard& b = fixture.b;
  std::vector<std::pair<int, int>> progress;
  RouteAllMonitor monitor;
  monitor.progress = [&](int done, int total) { progress.emplace_back(done, total); };
  const std::vector<ConnectionRoute> routes = routeAll(b.board(), routeRequest(-1, -1), monitor);
  ASSERT_EQ(routes.size(), 3u);
  EXPECT_EQ(std::pair(routes[0].padA, routes[0].padB), std::pair(2, 3));
  EXPECT_EQ(std::pair(routes[1].padA, routes[1].padB), std::pair(4, 5));
  EXPECT_EQ(std::pair(routes[2].padA, routes[2].padB), std::pair(0, 1));
  EXPECT_EQ(routes[0].report.outcome, RouteOutcome::Routed);
  EXPECT_EQ(routes[1].report.outcome, RouteOutcome::NotFound);
  EXPECT_EQ(routes[2].report.outcome, RouteOutcome::Routed);
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
  EXPECT_TRUE(openConnections(b.board(), kLayerC1) == (std::vector<std::pair<int, int>>{{4, 5}}));
  EXPECT_EQ(routeAllSummary(b.board(), routes, Language::English),
            "2 of 3 connections routed.\nNot routed:\n(30.000 mm; 30.000 mm) - (30.000 mm; "
            "20.000 mm)");
}

TEST(RouteAll, EscapeKeepsWhatWasRouted) {
  RouteAllBoard fixture;
  int asked = 0;
  RouteAllMonitor monitor;
  monitor.escape = [&asked] { return ++asked > 1; };
  const std::vector<ConnectionRoute> routes =
      routeAll(fixture.b.board(), routeRequest(-1, -1), monitor);
  EXPECT_EQ(routes[0].report.outcome, RouteOutcome::Routed);
  EXPECT_EQ(routes[2].report.outcome, RouteOutcome::NotFound);
  EXPECT_EQ(fixture.b.board().objects.size(), 11u);
}

// The index answers exactly what testing every obstacle answers.
TEST(RouteObstacleIndex, AgreesWithTestingEveryObstacle) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> place(0, 500000);
  std::vector<TPolygon32> all;
  RouteObstacles obstacles;
  for (int n = 0; n < 300; ++n) {
    TObjekt t = newObject();
    initTrack(t, 3000, kLayerC1);
    const FPoint s{place(random), -place(random)};
    addPoint(t, s);
    addPoint(t, {s.x + place(random) / 20, s.y - place(random) / 20});
    all.push_back(objectOutline(t, {}, 1));
    obstacles.add(all.back());
  }
  obstacles.index();
  for (int n = 0; n < 3000; ++n) {
    const double x = place(random) / 10000, y = -place(random) / 10000;
    const double side = 0.5 + (n % 7);
    bool brute = false;
    for (const TPolygon32& p : all)
      brute = brute || rectIntersectsPolygon(x, y, x + side, y - side, p);
    ASSERT_EQ(obstacles.blocksRect(x, y, x + side, y - side), brute) << n;
  }
}

}  // namespace
}  // namespace pravelo
