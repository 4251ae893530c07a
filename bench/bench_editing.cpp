#include <benchmark/benchmark.h>

#include <vector>

#include "editing/pick.h"
#include "editing/selection.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

// Points spread over the board: object centres, gaps between them and points beyond it, so
// that some picks end on the first layer and others search all seven.
std::vector<DPoint> probePoints() {
  std::vector<DPoint> points;
  for (int i = 0; i < 64; ++i) {
    points.push_back({(i * 48611) % 3100000 - 50000.0, -((i * 31337) % 2100000) + 50000.0});
  }
  return points;
}

// One click of the edit tool on a board of 10,000 objects, at the overview zoom of 0.001 pixels
// per unit (with the 3-pixel tolerance) and at 0.05.
void BM_PickObject(benchmark::State& state) {
  const Board board = syntheticBoard(10000);
  const double zoom = static_cast<double>(state.range(0)) / 1000.0;
  const std::vector<DPoint> points = probePoints();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(pickObject(board, points[next], zoom, false, false));
    next = (next + 1) % points.size();
  }
}
BENCHMARK(BM_PickObject)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

// A selection rectangle over a quarter of the same board.
void BM_SelectInRectangle(benchmark::State& state) {
  Board board = syntheticBoard(10000);
  for (auto _ : state) {
    deselectAll(board);
    selectInRectangle(board, {0, 0}, {1500000, -1000000});
    benchmark::DoNotOptimize(selectedCount(board));
  }
}
BENCHMARK(BM_SelectInRectangle)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
