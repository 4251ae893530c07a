#include <benchmark/benchmark.h>

#include "copper/drc.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

// A complete check with every rule on, of a board of 10,000 mixed objects; the target is at
// most 2 s.
void BM_CompleteDrc(benchmark::State& state) {
  const Board board = syntheticBoard(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const DrcResult result = runDrc(board, DrcSettings{}, completeDrcArea());
    benchmark::DoNotOptimize(result.findings.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CompleteDrc)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
