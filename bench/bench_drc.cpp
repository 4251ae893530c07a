#include <benchmark/benchmark.h>

#include "synthetic_board.h"
#include "view/design_rule_check.h"

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

// The same with the ground plane of C1 on and every fifth object merged with it (clearance 0),
// so that the nets come through the plane too; the target is the same.
void BM_CompleteDrcWithPlane(benchmark::State& state) {
  Board board = syntheticBoard(static_cast<int>(state.range(0)));
  board.header.groundPlane[kLayerC1 - 1] = 1;
  for (std::size_t i = 0; i < board.objects.size(); i += 5) board.objects[i]->clearance = 0;
  for (auto _ : state) {
    const DrcResult result = runDrc(board, DrcSettings{}, completeDrcArea());
    benchmark::DoNotOptimize(result.findings.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CompleteDrcWithPlane)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
