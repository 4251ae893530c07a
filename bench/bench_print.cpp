#include <benchmark/benchmark.h>

#include "manufacturing/print_layout.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

// Composing the printed page of a board of many objects, both sides side by side with masks
// and drill plan; the target is at most 300 ms for 10,000 objects.
void BM_ComposePrintPage(benchmark::State& state) {
  const Board board = syntheticBoard(static_cast<int>(state.range(0)));
  PrintOptions options;
  applyPrintSettings(PrintSettings{}, options);
  options.arrangement = PrintArrangement::SideBySide;
  options.solderMask1 = options.solderMask2 = options.drillPlan = true;
  std::size_t items = 0;
  for (auto _ : state) {
    items = composePrintPage(board, options).items.size();
    benchmark::DoNotOptimize(items);
  }
  state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_ComposePrintPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
