#include <benchmark/benchmark.h>

#include "editing/copper_test.h"
#include "synthetic_board.h"
#include "view/plane_regions.h"
#include "view/remove_connections.h"

namespace pravelo {
namespace {

// 10,000 objects with the ground plane of C1 on.
Board planeBoard() {
  Board board = syntheticBoard(10000);
  board.header.groundPlane[kLayerC1 - 1] = 1;
  return board;
}

// A click of the Test tool on the first copper object, the plane raster included.
void BM_TestClick(benchmark::State& state) {
  Board board = planeBoard();
  const TObjekt* target = nullptr;
  for (const auto& o : board.objects) {
    if (o->kind == kPad && o->layer == kLayerC1) target = o.get();
  }
  const DPoint at{target->pos.x, target->pos.y};
  for (auto _ : state) {
    benchmark::DoNotOptimize(testConnected(board, at, 0.001, false, false).size());
  }
}
BENCHMARK(BM_TestClick)->Unit(benchmark::kMillisecond);

void BM_RemoveConnections(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Board board = planeBoard();
    state.ResumeTiming();
    benchmark::DoNotOptimize(removeRoutedConnections(board).remaining);
  }
}
BENCHMARK(BM_RemoveConnections)->Unit(benchmark::kMillisecond);

// The plane raster of a 160 mm x 100 mm board, 5000 x 3125 pixels.
void BM_PlaneRaster(benchmark::State& state) {
  Board board = planeBoard();
  board.header.width = 1600000;
  board.header.height = 1000000;
  for (auto _ : state) {
    const PlaneRegions regions(board, kLayerC1);
    benchmark::DoNotOptimize(regions.width());
  }
}
BENCHMARK(BM_PlaneRaster)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
