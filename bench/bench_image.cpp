#include <benchmark/benchmark.h>

#include "manufacturing/image_export.h"
#include "synthetic_board.h"
#include "view/colour_scheme.h"

namespace pravelo {
namespace {

// The picture export of a 160 mm x 100 mm board at 600 dpi (3780 x 2362 pixels), drawing and
// encoding; the target is at most 1 s for each raster format.
void BM_ImageExport600Dpi(benchmark::State& state) {
  // The synthetic objects spread over 300 mm x 200 mm; a quarter of them fall on the board.
  Board board = syntheticBoard(static_cast<int>(state.range(1)));
  board.header.width = 1600000;
  board.header.height = 1000000;
  const ImageChoice choice{static_cast<ImageFormat>(state.range(0)), 6, true};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const ImageFile file = imageFile(board, standardScheme(), RenderOptions{}, choice);
    bytes = file.bytes.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ImageExport600Dpi)
    ->ArgNames({"format", "objects"})
    ->Args({static_cast<int>(ImageFormat::Bitmap), 4000})
    ->Args({static_cast<int>(ImageFormat::Gif), 4000})
    ->Args({static_cast<int>(ImageFormat::Jpeg), 4000})
    ->Args({static_cast<int>(ImageFormat::Svg), 4000})
    ->Args({static_cast<int>(ImageFormat::Emf), 4000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
