// Target: every Gerber layer of a 10,000-object board with a ground plane in at most 1 s.

#include <benchmark/benchmark.h>

#include "manufacturing/gerber_layers.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

void BM_GerberAllLayers(benchmark::State& state) {
  Board board = syntheticBoard(10000);
  board.header.groundPlane[kLayerC1 - 1] = 1;
  GerberOptions options;
  options.frame = true;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const GerberOutput& output : kGerberOutputs) {
      if (gerberOutputAvailable(board, output)) {
        bytes += gerberLayerFile(board, output, options).text.size();
      }
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GerberAllLayers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
