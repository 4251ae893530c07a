#include <benchmark/benchmark.h>

#include "synthetic_board.h"
#include "view/photo_view.h"
#include "view/renderer.h"
#include "view/zoom.h"

namespace pravelo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The whole 300 mm x 200 mm board fitted into the frame.
ViewTransform fitView() { return {kWidth / 3000000.0 * 0.98, 0, 0}; }

void BM_RenderFullBoard(benchmark::State& state) {
  Board board = syntheticBoard(10000);
  if (state.range(0)) board.header.groundPlane[kLayerC2 - 1] = 1;
  const ColourScheme scheme = standardScheme();
  RenderOptions options;
  Frame frame(kWidth, kHeight);
  for (auto _ : state) {
    renderBoard(board, fitView(), scheme, options, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_RenderFullBoard)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Zoomed in so that a few hundred objects are in view.
void BM_RenderZoomedIn(benchmark::State& state) {
  const Board board = syntheticBoard(10000);
  const ColourScheme scheme = standardScheme();
  const ViewTransform view{kWidth / 3000000.0 * 4.5, 1500, 900};
  Frame frame(kWidth, kHeight);
  for (auto _ : state) {
    renderBoard(board, view, scheme, RenderOptions{}, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_RenderZoomedIn)->Unit(benchmark::kMillisecond);

// The transparent display, whole board (0) and zoomed in (1).
void BM_RenderTransparent(benchmark::State& state) {
  const Board board = syntheticBoard(10000);
  const ColourScheme scheme = standardScheme();
  const ViewTransform view =
      state.range(0) ? ViewTransform{kWidth / 3000000.0 * 4.5, 1500, 900} : fitView();
  RenderOptions options;
  options.transparent = true;
  Frame frame(kWidth, kHeight);
  for (auto _ : state) {
    renderBoard(board, view, scheme, options, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_RenderTransparent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The photo view of the whole board with X-ray, from the top (0) and mirrored from below (1);
// compare with BM_RenderFullBoard/0: it should take at most one and a half times as long.
void BM_PhotoView(benchmark::State& state) {
  const Board board = syntheticBoard(10000);
  PhotoOptions options;
  options.side = state.range(0) ? PhotoSide::Bottom : PhotoSide::Top;
  const ViewTransform view = photoViewTransform(fitView(), board.header, options.side);
  Frame frame(kWidth, kHeight);
  for (auto _ : state) {
    renderPhotoView(board, view, options, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_PhotoView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Zoomed in as BM_RenderZoomedIn, from below: only what is in view costs, as for the layers.
void BM_PhotoViewZoomedIn(benchmark::State& state) {
  const Board board = syntheticBoard(10000);
  PhotoOptions options;
  options.side = PhotoSide::Bottom;
  const ViewTransform view =
      photoViewTransform({kWidth / 3000000.0 * 4.5, 1500, 900}, board.header, options.side);
  Frame frame(kWidth, kHeight);
  for (auto _ : state) {
    renderPhotoView(board, view, options, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_PhotoViewZoomedIn)->Unit(benchmark::kMillisecond);

// One frame of dragging 200 objects over the saved picture.
void BM_DragPreview(benchmark::State& state) {
  const Board board = syntheticBoard(10000);
  const ColourScheme scheme = standardScheme();
  const ViewTransform view = fitView();
  const Frame saved = renderBoard(board, view, scheme, RenderOptions{}, kWidth, kHeight);
  std::vector<TObjekt> moved;
  for (int i = 0; i < 200; ++i) moved.push_back(*board.objects[static_cast<std::size_t>(i) * 7]);
  for (auto _ : state) {
    Frame frame = saved;
    drawDragPreview(frame, moved, view, scheme, RenderOptions{});
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_DragPreview)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
