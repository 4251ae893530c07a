#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "copper/contour_union.h"
#include "copper/object_contours.h"
#include "copper/object_outline.h"
#include "geometry/text_strokes.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

// Outline polygons of every object of a board of 10,000 mixed objects, as a copper algorithm
// builds them before its contact tests.
void BM_ObjectOutlines(benchmark::State& state) {
  const Board board = syntheticBoard(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::size_t points = 0;
    for (const auto& o : board.objects) {
      const TPolygon32 outline = objectOutline(*o, {}, 1);
      for (const auto& ring : outline.outlines) points += ring.size();
    }
    benchmark::DoNotOptimize(points);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ObjectOutlines)->Arg(10000)->Unit(benchmark::kMillisecond);

// A dense copper layer: a grid of through-hole pads on a 0.1 inch pitch joined by tracks to
// their right and upper neighbours, SMD pads between them and labels in the stroke font, all on
// C1, so that outlines overlap everywhere the way a routed board's do.
std::vector<TObjekt> copperLayer(int count) {
  std::vector<TObjekt> objects;
  const float pitch = 25400;
  const int side = 40;
  for (int row = 0; static_cast<int>(objects.size()) < count; ++row) {
    for (int column = 0; column < side && static_cast<int>(objects.size()) < count; ++column) {
      const FPoint at{column * pitch, -(row * pitch)};
      TObjekt pad = newObject();
      initPad(pad, at, kLayerC1, static_cast<std::uint8_t>(1 + (row + column) % 3), 4000, 8000);
      objects.push_back(pad);
      for (const FPoint to : {FPoint{at.x + pitch, at.y}, FPoint{at.x, at.y - pitch}}) {
        TObjekt track = newObject();
        initTrack(track, 3000, kLayerC1);
        addPoint(track, at);
        addPoint(track, {(at.x + to.x) / 2 + pitch / 5, (at.y + to.y) / 2 + pitch / 7});
        addPoint(track, to);
        objects.push_back(track);
      }
      TObjekt smd = newObject();
      initSmdPad(smd, {at.x + pitch / 2, at.y - pitch / 2}, 8000, kLayerC1, 5000);
      objects.push_back(smd);
      if ((row + column) % 4 == 0) {
        TObjekt label = newObject();
        initText(label, {at.x + 3000, at.y - 14000}, "R" + std::to_string(row * side + column), 0,
                 0, kLayerC1, 1, 1, 8000, 0);
        buildTextStrokes(label, false);
        objects.push_back(label);
      }
    }
  }
  objects.resize(static_cast<std::size_t>(count));
  return objects;
}

// The outline union of one copper layer, from contours to traced loops.
void BM_LayerUnion(benchmark::State& state) {
  const std::vector<TObjekt> objects = copperLayer(static_cast<int>(state.range(0)));
  ContourList contours;
  for (const TObjekt& o : objects) {
    for (Contour& c : objectContours(o, 0)) contours.push_back(std::move(c));
  }
  std::size_t nodes = 0;
  for (const Contour& c : contours) nodes += c.size();
  state.counters["contours"] = static_cast<double>(contours.size());
  state.counters["nodes"] = static_cast<double>(nodes);
  for (auto _ : state) {
    const ContourList loops = unionLoops(contours);
    state.counters["loops"] = static_cast<double>(loops.size());
  }
}
BENCHMARK(BM_LayerUnion)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
