// The properties panel on a board of 10,000 mixed objects. Targets: the summary of 10,000
// selected objects (grouped by kind, the shown page's values compared) at most 30 ms; one field
// applied to 1,000 selected objects, with its undo step, at most 100 ms.

#include <benchmark/benchmark.h>

#include "editing/editor.h"
#include "editing/properties.h"
#include "editing/scripted_window.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

Document documentOf(Board board) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(std::move(board)));
  doc.activeBoard = 0;
  return doc;
}

void BM_PropertiesSummary(benchmark::State& state) {
  Board board = syntheticBoard(10000);
  for (auto& o : board.objects) o->selected = 1;
  const OptionenSettings options;
  for (auto _ : state) {
    benchmark::DoNotOptimize(summariseProperties(board, options, LengthUnit::Mm));
  }
}
BENCHMARK(BM_PropertiesSummary)->Unit(benchmark::kMillisecond);

// Pads come first on the page; each run sets the width of 1,000 selected tracks, alternating
// between two values so that every run changes them all.
void BM_ApplyPropertyToThousandTracks(benchmark::State& state) {
  Document doc = documentOf(syntheticBoard(10000));
  int tracks = 0;
  for (auto& o : activeBoard(doc).objects) {
    if (o->kind == kTrack && tracks < 1000) {
      o->selected = 1;
      ++tracks;
    }
  }
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  ScriptedWindow host;
  Editor editor(doc, settings, host, host);
  int step = 0;
  for (auto _ : state) {
    applyProperty(editor, Property::TrackWidth, {(++step % 2) ? 0.5 : 0.6, {}});
    editor.commitGesture();
  }
  state.counters["tracks"] = tracks;
}
BENCHMARK(BM_ApplyPropertyToThousandTracks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
