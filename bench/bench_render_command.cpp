// `pravelo-cli render --dpi 300 --layers C1` of the 10,000-object board, whole and in its three
// stages: load, draw, encode. bench/render_vs_gerbv.sh compares the whole command with gerbv.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "cli/png_file.h"
#include "project/layout_load.h"
#include "project/save_commands.h"
#include "synthetic_board.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

constexpr double kDpi = 300;

// The board file and the picture, in a folder removed at exit.
struct Files {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "pravelo-bench-render";
  std::string board = (folder / "board.pvb6").string();
  std::string picture = (folder / "board.png").string();

  Files() {
    std::filesystem::create_directories(folder);
    Document doc;
    doc.boards.push_back(std::make_unique<Board>(syntheticBoard(10000)));
    doc.activeBoard = 0;
    writeDocumentFile(doc, board);
  }
  ~Files() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
};

const Files& files() {
  static const Files instance;
  return instance;
}

// The board as the command sees it with `--layers C1`.
Board c1Board() {
  Board board = syntheticBoard(10000);
  board.header.layerVisible.fill(0);
  board.header.layerVisible[kLayerC1 - 1] = 1;
  board.header.activeLayer = kLayerC1;
  return board;
}

constexpr double kZoom = kDpi / 254000;

// A picture of exactly the board at 300 dpi.
Frame boardSizedFrame(const Board& board) {
  return Frame(static_cast<int>(std::lround(board.header.width * kZoom)),
               static_cast<int>(std::lround(board.header.height * kZoom)));
}

void draw(const Board& board, Frame& frame) {
  renderBoard(board, {kZoom, 0, 0}, standardScheme(), RenderOptions{}, frame);
}

void BM_RenderCommand(benchmark::State& state) {
  const Files& f = files();
  std::ostringstream out;
  std::ostringstream err;
  for (auto _ : state) {
    const int status =
        runCli({"render", f.board, "-o", f.picture, "--dpi", "300", "--layers", "C1"}, out, err);
    if (status != kExitOk) state.SkipWithError(err.str().c_str());
  }
}
BENCHMARK(BM_RenderCommand)->Unit(benchmark::kMillisecond);

void BM_RenderCommandLoad(benchmark::State& state) {
  const Files& f = files();
  for (auto _ : state) {
    Document doc;
    installLayout(doc, loadLayoutFile(f.board, Language::English).contents);
    benchmark::DoNotOptimize(doc);
  }
}
BENCHMARK(BM_RenderCommandLoad)->Unit(benchmark::kMillisecond);

// Drawing alone, into a frame whose memory is already in use.
void BM_RenderCommandDraw(benchmark::State& state) {
  const Board board = c1Board();
  Frame frame = boardSizedFrame(board);
  for (auto _ : state) {
    draw(board, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(BM_RenderCommandDraw)->Unit(benchmark::kMillisecond);

void BM_RenderCommandEncode(benchmark::State& state) {
  const Files& f = files();
  const Board board = c1Board();
  Frame frame = boardSizedFrame(board);
  draw(board, frame);
  for (auto _ : state) {
    if (!writePngFile(f.picture, frame)) state.SkipWithError("could not write the picture");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * frame.pixels.size()));
}
BENCHMARK(BM_RenderCommandEncode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
