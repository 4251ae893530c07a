// The tile command on a selection of 50 mixed objects. Target: a 20 × 20 tile (399 copies,
// about 20,000 new objects in one undo step, grouped and selected) at most 300 ms.

#include <benchmark/benchmark.h>

#include "editing/editor.h"
#include "editing/scripted_window.h"
#include "editing/selection.h"
#include "editing/tile_command.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

void BM_Tile20x20(benchmark::State& state) {
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  TileValues values;
  values.columns = 20;
  values.rows = 20;
  values.columnDistanceMm = values.rowDistanceMm = 50;
  for (auto _ : state) {
    state.PauseTiming();
    Document doc;
    doc.boards.push_back(std::make_unique<Board>(syntheticBoard(50)));
    doc.activeBoard = 0;
    selectAll(*doc.boards[0]);
    ScriptedWindow host;
    host.tileAnswers.push_back([&values](const TileDialog&) { return values; });
    Editor editor(doc, settings, host, host);
    state.ResumeTiming();
    benchmark::DoNotOptimize(tileSelectionCommand(editor));
    state.PauseTiming();
    doc.boards.clear();  // freeing 20,000 objects is not part of the command
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Tile20x20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
