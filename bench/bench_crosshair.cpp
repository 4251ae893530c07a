// The crosshair on a board of 10,000 mixed objects in a 1920 x 1080 window. Target: one update
// (the Measure tool's pointer move with snap and capture, the overlay's figure, and drawing it
// over the view's snapshot) at most 3 ms.

#include <benchmark/benchmark.h>

#include "editing/editor.h"
#include "editing/overlay_frame.h"
#include "editing/scripted_window.h"
#include "editing/tool_machine.h"
#include "synthetic_board.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A measurement from near the top left corner to a pointer that goes to and fro over the view,
// so that the measuring rectangle, its dotted edges and the box are redrawn at every move; with
// the 45° lines and capture on. Arg 1 measures, arg 0 shows the plain crosshair.
void BM_CrosshairUpdate(benchmark::State& state) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(syntheticBoard(10000)));
  doc.activeBoard = 0;
  Board& board = *doc.boards[0];
  board.header.zoom = 0.001;
  board.header.scrollX = 0;
  board.header.scrollY = 0;
  AppSettings settings = defaultSettings(AppFolders{}, Language::English);
  ScriptedWindow host;
  Editor editor(doc, settings, host, host);
  editor.viewport = {kWidth, kHeight};
  ToolMachine machine(editor);
  machine.chooseTool(ToolId::Measure);
  const ColourScheme scheme = standardScheme();
  const Frame picture =
      renderBoard(board, viewOf(board.header), scheme, RenderOptions{}, kWidth, kHeight);
  OverlayFrame overlay;
  OverlayContext context;
  context.width = kWidth;
  context.height = kHeight;
  context.background = scheme.background();
  context.origin = {board.header.originX, board.header.originY};
  context.options = crosshairOptions(settings.optionen);
  context.boxTextWidth = 100;
  const bool measuring = state.range(0) == 1;
  if (measuring) machine.press({{40, 30}, MouseButton::Left, {}});
  const MouseButton held = measuring ? MouseButton::Left : MouseButton::None;
  int step = 0;
  for (auto _ : state) {
    ++step;
    machine.move({{200.0 + 97 * (step % 17), 100.0 + 53 * (step % 19)}, held, {}});
    context.view = editor.view();
    const Frame& drawn = overlay.draw(picture, overlayFigure(editor.crosshair, context));
    benchmark::DoNotOptimize(drawn.pixels.data());
  }
}
BENCHMARK(BM_CrosshairUpdate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
