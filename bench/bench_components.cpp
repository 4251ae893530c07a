// The component list and its export on a board of 2,000 components, and the automatic label
// placement carried over to 500 selected components. Targets: the list at most 50 ms, the
// export preview rebuilt on a change at most 20 ms, the placement at most 100 ms.

#include <benchmark/benchmark.h>

#include <string>

#include "editing/component_command.h"
#include "editing/editor.h"
#include "editing/scripted_window.h"
#include "geometry/text_strokes.h"
#include "manufacturing/pick_place_file.h"
#include "project/component_list.h"

namespace pravelo {
namespace {

TObjekt* benchAdd(Board& board, TObjekt o) {
  board.objects.push_back(std::make_unique<TObjekt>(std::move(o)));
  return board.objects.back().get();
}

TObjekt benchLabel(int component, TextRole role, const std::string& text, FPoint at) {
  TObjekt t = newObject();
  initText(t, at, text, 0, 0, kLayerS1, 1, 1, 13000, 0);
  t.variant = role;
  t.optA = 1;
  t.componentId = static_cast<std::int16_t>(component);
  buildTextStrokes(t, false);
  return t;
}

// `count` two-pad parts with a silkscreen outline, labels and pick-and-place data, named so
// that the sort has prefixes and numbers to compare.
Board componentBoard(int count) {
  Board board;
  board.header = newBoardHeader(5000000, 5000000);
  const char* prefixes[] = {"R", "C", "U", "D"};
  for (int k = 1; k <= count; ++k) {
    const FPoint at{static_cast<float>(20000 + (k % 50) * 90000),
                    static_cast<float>(-20000 - (k / 50) * 90000)};
    for (const float dx : {0.0f, 40000.0f}) {
      TObjekt pad = newObject();
      initSmdPad(pad, {at.x + dx, at.y}, 12000, kLayerC1, 16000);
      pad.componentId = static_cast<std::int16_t>(k);
      benchAdd(board, std::move(pad));
    }
    TObjekt silk = newObject();
    initTrack(silk, 2000, kLayerS1);
    for (const FPoint p :
         {FPoint{at.x - 10000, at.y - 12000}, FPoint{at.x + 50000, at.y - 12000},
          FPoint{at.x + 50000, at.y + 12000}, FPoint{at.x - 10000, at.y + 12000}}) {
      addPoint(silk, p);
    }
    silk.componentId = static_cast<std::int16_t>(k);
    benchAdd(board, std::move(silk));
    const std::string name = prefixes[k % 4] + std::to_string(k * 7 % count + 1);
    TObjekt* id = benchAdd(board, benchLabel(k, kComponentIdText, name, at));
    id->component.usePickPlace = 1;
    id->component.placeRotation = (k % 8) * 45.0;
    id->component.package = "0805";
    benchAdd(board, benchLabel(k, kComponentValueText, "10k", at));
  }
  return board;
}

void BM_ComponentList2000(benchmark::State& state) {
  const Board board = componentBoard(2000);
  for (auto _ : state) benchmark::DoNotOptimize(componentList(board.objects));
}
BENCHMARK(BM_ComponentList2000)->Unit(benchmark::kMillisecond);

void BM_ExportPreview2000(benchmark::State& state) {
  const Board board = componentBoard(2000);
  const std::vector<PickPlaceRow> rows = pickPlaceRows(board);  // once, as the dialog opens
  PickPlaceOptions options;
  options.columns = {1, 2, 3, 4, 5, 6, 7, 8};
  for (auto _ : state) benchmark::DoNotOptimize(pickPlaceLines(rows, board.header, options));
}
BENCHMARK(BM_ExportPreview2000)->Unit(benchmark::kMillisecond);

void BM_ExportRows2000(benchmark::State& state) {
  const Board board = componentBoard(2000);
  for (auto _ : state) benchmark::DoNotOptimize(pickPlaceRows(board));
}
BENCHMARK(BM_ExportRows2000)->Unit(benchmark::kMillisecond);

// "Align text automatically" in the component dialog with 500 components selected, carried
// over to all of them.
void BM_AlignLabels500(benchmark::State& state) {
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  for (auto _ : state) {
    state.PauseTiming();
    Document doc;
    doc.boards.push_back(std::make_unique<Board>(componentBoard(500)));
    doc.activeBoard = 0;
    for (const auto& o : doc.boards[0]->objects) o->selected = 1;
    ScriptedWindow host;
    host.componentAnswers.push_back([](ComponentSession& s) {
      s.alignLabels();
      return ComponentDialogEnd::Ok;
    });
    host.answers.push_back(Answer::Yes);
    Editor editor(doc, settings, host, host);
    state.ResumeTiming();
    benchmark::DoNotOptimize(editComponentCommand(editor, 1));
    state.PauseTiming();
    doc.boards.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AlignLabels500)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
