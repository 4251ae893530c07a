#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "manufacturing/excellon_file.h"

namespace pravelo {
namespace {

// `count` round pads with holes of eight diameters, spread at random over 300 mm x 200 mm on a
// 1 mm pitch, so that the merge rule finds its neighbours but none overlap.
Board drillBoard(int count) {
  Board board;
  board.header = newBoardHeader(3000000, 2000000);
  std::mt19937 random(1);
  std::uniform_int_distribution<int> column(0, 299), row(0, 199), drill(0, 7);
  std::vector<bool> used(300 * 200);
  for (int placed = 0; placed < count;) {
    const int x = column(random), y = row(random);
    if (used[y * 300 + x]) continue;
    used[y * 300 + x] = true;
    TObjekt pad = newObject();
    initPad(pad, {x * 10000.0f + 5000, -y * 10000.0f - 5000}, kLayerC1, kPadCircular,
            2000.0f + 500 * drill(random), 4500);
    board.objects.push_back(std::make_unique<TObjekt>(std::move(pad)));
    ++placed;
  }
  return board;
}

// The whole drill file, collection and nearest-neighbour order included, of 5,000 holes; the
// target is at most 100 ms.
void BM_DrillFile(benchmark::State& state) {
  const Board board = drillBoard(static_cast<int>(state.range(0)));
  ExcellonOptions options;
  options.format = ExcellonFormat::Mm33;
  for (auto _ : state) {
    const std::string file = drillFileText(board, options, "2026-12-10 10:00:00");
    benchmark::DoNotOptimize(file.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DrillFile)->Arg(5000)->Unit(benchmark::kMillisecond);

// The worst case of the order: every hole with one drill.
void BM_DrillFileOneDiameter(benchmark::State& state) {
  Board board = drillBoard(static_cast<int>(state.range(0)));
  for (auto& o : board.objects) o->dim.y = 4000;
  ExcellonOptions options;
  for (auto _ : state) {
    const std::string file = drillFileText(board, options, "2026-12-10 10:00:00");
    benchmark::DoNotOptimize(file.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DrillFileOneDiameter)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
