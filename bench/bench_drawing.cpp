// Drawing tracks. Targets: one pointer move while a track is drawn (capture, grid, the preview
// run) at most 16 ms on a board of 10,000 objects; the clean-up of a 1,000-vertex track against
// 5,000 pads at most 10 ms.

#include <benchmark/benchmark.h>

#include "editing/line_cleanup.h"
#include "editing/scripted_window.h"
#include "editing/tool_machine.h"
#include "editing/tools/line_tool.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

// One pointer move of the track tool, capture on, bend mode 1, over 10,000 objects at the
// overview zoom: before the first click (the dot and the pad highlight, argument 0) and with a
// track in progress (1). The pointer goes to and fro so that every move shifts.
void BM_TrackPreviewMove(benchmark::State& state) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(syntheticBoard(10000)));
  doc.activeBoard = 0;
  Board& board = *doc.boards[0];
  board.header.zoom = 0.001;
  board.header.scrollX = 0;
  board.header.scrollY = 0;
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  settings.optionen.Fang = true;
  ScriptedWindow host;
  Editor editor(doc, settings, host, host);
  ToolMachine machine(editor);
  machine.chooseTool(ToolId::Track);
  const DPoint start{400, 300};
  if (state.range(0) == 1) {
    machine.press({start, MouseButton::Left, {}});
    machine.release({start, MouseButton::Left, {}});
  }
  const auto& tool = dynamic_cast<const LineTool&>(machine.currentTool());
  int step = 0;
  for (auto _ : state) {
    ++step;
    const double d = 40 + 13 * (step % 7);
    machine.move({{start.x + d, start.y + d / 3}, MouseButton::None, {}});
    benchmark::DoNotOptimize(tool.preview(editor));
    benchmark::DoNotOptimize(tool.highlightedPads(editor));
  }
}
BENCHMARK(BM_TrackPreviewMove)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A 1,000-vertex track on C1 against 5,000 pads: runs of three vertices on one line, so that
// the middle one of each run is a candidate; the few that lie near a pad stay.
void BM_CleanUpAgainstPads(benchmark::State& state) {
  Board board;
  board.header = newBoardHeader(3000000, 2000000);
  for (int i = 0; i < 5000; ++i) {
    TObjekt pad = newObject();
    const float x = static_cast<float>((i % 100) * 30000 + 15000);
    const float y = static_cast<float>(-(i / 100) * 40000 - 20000);
    initPad(pad, {x, y}, kLayerC1, kPadCircular, 4000, 8000);
    board.objects.push_back(std::make_unique<TObjekt>(std::move(pad)));
  }
  TObjekt track = newObject();
  initTrack(track, 3000, kLayerC1);
  for (int i = 0; i < 1000; ++i) {
    // Two steps right, then a jump down and right to the next run.
    const float x = static_cast<float>((i / 3) * 20000 + (i % 3) * 7500);
    const float y = static_cast<float>(-(i / 3) * 5000);
    addPoint(track, {x, y});
  }
  std::size_t left = 0;
  for (auto _ : state) {
    TObjekt line = track;
    cleanUpLine(line, board, true);
    left = line.points.size();
  }
  state.counters["vertices"] = static_cast<double>(left);
}
BENCHMARK(BM_CleanUpAgainstPads)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
