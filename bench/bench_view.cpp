#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "view/grid_lines.h"
#include "view/ruler.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

constexpr PixelSize kViewport{1920, 1080};

// Both rulers and the grid of a 1920 x 1080 viewport. The grid spacing is the densest that is
// still drawn (6.5 pixels), the worst case at every zoom.
void BM_RulersAndGrid(benchmark::State& state) {
  const double zoom = static_cast<double>(state.range(0)) / 100000.0;
  const ViewTransform view{zoom, 1000, 1000};
  const double spacing = 6.5 * std::max(1.0, 1.0 / zoom);
  const RulerSpec horizontal{RulerAxis::Horizontal, LengthUnit::Mm, zoom, view.scrollX, 0, 26, 25,
                             26.0 + kViewport.width};
  const RulerSpec vertical{
      RulerAxis::Vertical,   LengthUnit::Mm, zoom, view.scrollY, -1000000, 2, 0,
      2.0 + kViewport.height};
  for (auto _ : state) {
    auto h = rulerTicks(horizontal);
    auto v = rulerTicks(vertical);
    auto grid = gridLayout(view, visibleWorldRect(view, kViewport), {0, -1000000}, spacing, 4);
    benchmark::DoNotOptimize(h);
    benchmark::DoNotOptimize(v);
    benchmark::DoNotOptimize(grid);
  }
}
// Zoom x 100000: 0.0001, 0.001, 0.01, 0.1, 1 and 2.
BENCHMARK(BM_RulersAndGrid)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(200000)
    ->Unit(benchmark::kMicrosecond);

std::vector<FPoint> millionPoints() {
  std::vector<FPoint> points(1000000);
  for (std::size_t i = 0; i < points.size(); ++i) {
    points[i] = {static_cast<float>(i % 16000) * 100.0f, -static_cast<float>(i / 16000) * 100.0f};
  }
  return points;
}

void BM_WorldToScreenMillionPoints(benchmark::State& state) {
  const std::vector<FPoint> world = millionPoints();
  std::vector<DPoint> screen(world.size());
  const ViewTransform view{2.0, 123456789, 98765432};
  for (auto _ : state) {
    worldToScreen(view, world, screen);
    benchmark::DoNotOptimize(screen.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_WorldToScreenMillionPoints)->Unit(benchmark::kMillisecond);

void BM_ScreenToWorldMillionPoints(benchmark::State& state) {
  const std::vector<FPoint> points = millionPoints();
  std::vector<DPoint> screen(points.size());
  std::vector<DPoint> world(points.size());
  const ViewTransform view{0.0013, 640, 350};
  worldToScreen(view, points, screen);
  for (auto _ : state) {
    screenToWorld(view, screen, world);
    benchmark::DoNotOptimize(world.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ScreenToWorldMillionPoints)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
