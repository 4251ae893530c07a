#include <benchmark/benchmark.h>

#include "manufacturing/hpgl_milling.h"
#include "manufacturing/milling_jobs.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

// Isolation milling of the C1 layer of a board of mixed objects with a 0.2 mm cutter: contours,
// union, loop filter, loop order and the plotter commands. Arguments: objects, passes.
void BM_IsolationMilling(benchmark::State& state) {
  const Board board = syntheticBoard(static_cast<int>(state.range(0)));
  MillingOptions o;
  o.millC1 = true;
  o.width = 2000;
  o.passes = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const MillingCommands commands = millingFile(board, o, {kPenIsolationC1});
    state.counters["loops"] = static_cast<double>(commands.paths.size());
    benchmark::DoNotOptimize(commands.text.size());
  }
}
BENCHMARK(BM_IsolationMilling)
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({10000, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
