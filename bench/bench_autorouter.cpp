#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

#include "synthetic_board.h"
#include "view/route_all.h"

namespace pravelo {
namespace {

RouteRequest benchRouteRequest(const Board& board) {
  RouteRequest rq;
  rq.layer = kLayerC1;
  rq.width = 4000;
  rq.clearance = 2000;
  rq.grid = routeGrid(rq.width, rq.clearance, true, board.header);
  return rq;
}

// One route of the shortest open connection on C1 of the synthetic board.
void BM_RouteOne(benchmark::State& state) {
  const Board source = syntheticBoard(static_cast<int>(state.range(0)));
  const std::vector<std::pair<int, int>> open = openConnections(source, kLayerC1);
  if (open.empty()) {
    state.SkipWithError("no connection on C1");
    return;
  }
  RouteRequest rq = benchRouteRequest(source);
  rq.padA = open.front().first;
  rq.padB = open.front().second;
  int routed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Board board = syntheticBoard(static_cast<int>(state.range(0)));
    state.ResumeTiming();
    routed += routeConnection(board, rq).outcome == RouteOutcome::Routed ? 1 : 0;
  }
  state.counters["routed"] = benchmark::Counter(routed, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RouteOne)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// 200 connections between SMD pads scattered over a 160 mm x 100 mm single-sided board.
Board twoHundredConnections() {
  Board board;
  board.header = newBoardHeader(1600000, 1000000);
  board.header.activeLayer = kLayerC1;
  std::mt19937 random(2026);
  std::uniform_int_distribution<int> x(4, 156), y(4, 96), step(-15, 15);
  const auto smd = [&board](int mmX, int mmY) {
    TObjekt pad = newObject();
    initSmdPad(pad, {mmX * 10000.0f, -mmY * 10000.0f}, 12000, kLayerC1, 12000);
    board.objects.push_back(std::make_unique<TObjekt>(std::move(pad)));
    return board.objects.back().get();
  };
  std::vector<std::pair<int, int>> used;
  const auto free = [&used](int px, int py) {
    return std::none_of(used.begin(), used.end(), [&](const auto& u) {
      return std::abs(u.first - px) < 3 && std::abs(u.second - py) < 3;
    });
  };
  while (board.objects.size() < 400) {
    const int ax = x(random), ay = y(random);
    const int bx = std::clamp(ax + step(random), 4, 156), by = std::clamp(ay + step(random), 4, 96);
    if (!free(ax, ay) || !free(bx, by) || (ax == bx && ay == by)) continue;
    used.emplace_back(ax, ay);
    used.emplace_back(bx, by);
    TObjekt* a = smd(ax, ay);
    TObjekt* b = smd(bx, by);
    a->connections.push_back(b);
    b->connections.push_back(a);
  }
  return board;
}

void BM_RouteAll(benchmark::State& state) {
  double rate = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Board board = twoHundredConnections();
    state.ResumeTiming();
    const std::vector<ConnectionRoute> routes = routeAll(board, benchRouteRequest(board));
    const auto routed = std::count_if(routes.begin(), routes.end(), [](const auto& r) {
      return r.report.outcome == RouteOutcome::Routed;
    });
    rate = static_cast<double>(routed) / static_cast<double>(routes.size());
  }
  state.counters["completion"] = rate;
}
BENCHMARK(BM_RouteAll)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
