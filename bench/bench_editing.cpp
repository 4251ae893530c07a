// Editing on a board of 10,000 mixed objects. Targets: a capture search per pointer move at most
// 2 ms, the rubber-band search at the start of a drag of about 200 pads at most 50 ms, one frame
// of a 200-object drag (the tool machine's move event and the drag preview) at most 16 ms, a
// rotation or mirroring of all 10,000 objects selected at most 100 ms.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "editing/editor.h"
#include "editing/pick.h"
#include "editing/rubber_band.h"
#include "editing/scripted_window.h"
#include "editing/selection.h"
#include "editing/snap.h"
#include "editing/tool_machine.h"
#include "editing/transform_commands.h"
#include "geometry/pad_geometry.h"
#include "geometry/translate.h"
#include "synthetic_board.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

constexpr int kObjects = 10000;

// Points spread over the board: object centres, gaps between them and points beyond it, so
// that some picks end on the first layer and others search all seven.
std::vector<DPoint> probePoints() {
  std::vector<DPoint> points;
  for (int i = 0; i < 64; ++i) {
    points.push_back({(i * 48611) % 3100000 - 50000.0, -((i * 31337) % 2100000) + 50000.0});
  }
  return points;
}

// One click of the edit tool on a board of 10,000 objects, at the overview zoom of 0.001 pixels
// per unit (with the 3-pixel tolerance) and at 0.05.
void BM_PickObject(benchmark::State& state) {
  const Board board = syntheticBoard(kObjects);
  const double zoom = static_cast<double>(state.range(0)) / 1000.0;
  const std::vector<DPoint> points = probePoints();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(pickObject(board, points[next], zoom, false, false));
    next = (next + 1) % points.size();
  }
}
BENCHMARK(BM_PickObject)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

// A selection rectangle over a quarter of the same board.
void BM_SelectInRectangle(benchmark::State& state) {
  Board board = syntheticBoard(kObjects);
  for (auto _ : state) {
    deselectAll(board);
    selectInRectangle(board, {0, 0}, {1500000, -1000000});
    benchmark::DoNotOptimize(selectedCount(board));
  }
}
BENCHMARK(BM_SelectInRectangle)->Unit(benchmark::kMillisecond);

// The capture search of one pointer move, at the overview zoom (0.001, every radius at least 8000
// units) and at 0.05; most probe points find no pad, so the search also runs over the vertices.
void BM_CapturePoint(benchmark::State& state) {
  const Board board = syntheticBoard(kObjects);
  const CaptureOptions options{static_cast<double>(state.range(0)) / 1000.0, true};
  const std::vector<DPoint> points = probePoints();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(capturePoint(board, points[next], options));
    next = (next + 1) % points.size();
  }
}
BENCHMARK(BM_CapturePoint)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

// Selects the first `count` objects that `wanted` accepts, in list order (row by row).
template <typename Wanted>
void selectFirst(Board& board, int count, Wanted wanted) {
  for (const auto& o : board.objects) {
    if (count == 0) break;
    if (!wanted(*o)) continue;
    o->selected = 1;
    --count;
  }
}

// The track vertices that follow 200 selected pads and SMD pads, searched when the drag starts,
// at the small (1) and big (2) rubber-band level. A short track starts on each selected pad.
void BM_AttachedVertices(benchmark::State& state) {
  Board board = syntheticBoard(kObjects);
  selectFirst(board, 200, [](const TObjekt& o) { return isPadKind(o.kind); });
  std::vector<FPoint> starts;
  for (const auto& o : board.objects) {
    if (o->selected) starts.push_back(o->kind == kPad ? o->pos : smdPadCentre(*o));
  }
  for (const FPoint& p : starts) {
    TObjekt track = newObject();
    initTrack(track, 4000, kLayerC1);
    addPoint(track, p);
    addPoint(track, {p.x + 10000, p.y});
    board.objects.push_back(std::make_unique<TObjekt>(std::move(track)));
  }
  const int level = static_cast<int>(state.range(0));
  std::size_t found = 0;
  for (auto _ : state) found = attachedVertices(board, level).size();
  state.counters["attached"] = static_cast<double>(found);
}
BENCHMARK(BM_AttachedVertices)
    ->Arg(kRubberBandSmall)
    ->Arg(kRubberBandBig)
    ->Unit(benchmark::kMillisecond);

// Zoomed in so that the 200 dragged objects (the first ten rows of twenty) fill the window.
constexpr double kDragZoom = 0.002;

// A board with the top-left block of 20 x 10 objects selected.
Document dragDocument() {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(syntheticBoard(kObjects)));
  doc.activeBoard = 0;
  Board& board = *doc.boards[0];
  board.header.zoom = kDragZoom;
  board.header.scrollX = 0;
  board.header.scrollY = 0;
  const int columns = static_cast<int>(std::ceil(std::sqrt(kObjects * 1.5)));  // as laid out
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (static_cast<int>(i) % columns < 20 && static_cast<int>(i) / columns < 10) {
      board.objects[i]->selected = 1;
    }
  }
  return doc;
}

// One pointer move of the edit tool dragging 200 objects, with capture on and the rubber band
// at the big level: the grid step, the board clamp and the capture search (the rubber-band
// search runs once, at the first move). The pointer goes to and fro so that every move shifts.
void BM_DragMove(benchmark::State& state) {
  Document doc = dragDocument();
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  settings.optionen.Fang = true;
  settings.optionen.Gummiband = kRubberBandBig;
  ScriptedWindow host;
  Editor editor(doc, settings, host, host);
  ToolMachine machine(editor);
  const TObjekt& grabbed = *doc.boards[0]->objects[1];  // a pad
  const DPoint start = worldToScreen(editor.view(), grabbed.pos);
  machine.press({start, MouseButton::Left, {}});
  int step = 0;
  for (auto _ : state) {
    ++step;
    const double dx = 40 + 13 * (step % 7);
    machine.move({{start.x + dx, start.y + dx / 2}, MouseButton::Left, {}});
  }
  state.counters["selected"] = static_cast<double>(selectedCount(*doc.boards[0]));
  machine.release({start, MouseButton::Left, {}});
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMillisecond);

// The picture of one drag frame: the saved picture without the dragged objects restored, the 200
// objects copied, shifted and drawn translucently over it, in a 1920 x 1080 window.
void BM_DragPreview(benchmark::State& state) {
  const Document doc = dragDocument();
  const Board& board = *doc.boards[0];
  const ViewTransform view = viewOf(board.header);
  const ColourScheme scheme = standardScheme();
  const RenderOptions options;
  const Frame saved = renderBoard(board, view, scheme, options, 1920, 1080);
  Frame frame = saved;
  std::vector<TObjekt> moved;
  int step = 0;
  for (auto _ : state) {
    ++step;
    frame.pixels = saved.pixels;
    moved.clear();
    for (const auto& o : board.objects) {
      if (!o->selected) continue;
      moved.push_back(*o);
      translateObject(moved.back(), 20000 + 1000 * (step % 7), -10000);
    }
    drawDragPreview(frame, moved, view, scheme, options);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_DragPreview)->Unit(benchmark::kMillisecond);

// The rotate and mirror commands on the whole board selected, with the rubber band at the big
// level and the undo step each records; the undo stack is kept short so that the steps do not
// pile up.
void BM_TransformSelection(benchmark::State& state) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(syntheticBoard(kObjects)));
  doc.activeBoard = 0;
  for (const auto& o : doc.boards[0]->objects) o->selected = 1;
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  settings.optionen.Gummiband = kRubberBandBig;
  settings.optionen.Undo = 0;
  ScriptedWindow host;
  Editor editor(doc, settings, host, host);
  const bool mirror = state.range(0) != 0;
  for (auto _ : state) {
    const bool changed = mirror ? mirrorSelectionCommand(editor, MirrorAxis::Horizontal)
                                : rotateSelectionCommand(editor, 45, false);
    if (!changed) state.SkipWithError("nothing changed");
  }
  state.counters["selected"] = static_cast<double>(selectedCount(*doc.boards[0]));
}
BENCHMARK(BM_TransformSelection)->ArgName("mirror")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
