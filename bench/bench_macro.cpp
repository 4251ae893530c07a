// The macro library: building the tree of a 2,000-macro library (target: at most 300 ms) and
// loading and previewing one macro (target: at most 20 ms).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "project/macro_file.h"
#include "project/macro_tree.h"
#include "synthetic_board.h"
#include "view/macro_preview.h"

namespace pravelo {
namespace {

constexpr int kLibraryMacros = 2000;
constexpr int kMacroObjects = 200;

// A library of 20 folders with 100 macros each, written once per run.
const std::filesystem::path& benchLibrary() {
  static const std::filesystem::path root = [] {
    const auto path = std::filesystem::temp_directory_path() / "pravelo-bench-macros";
    std::filesystem::remove_all(path);
    const Board part = syntheticBoard(kMacroObjects);
    for (int i = 0; i < kLibraryMacros; ++i) {
      const auto folder = path / ("Folder " + std::to_string(i / 100));
      std::filesystem::create_directories(folder);
      saveMacro(folder / ("Part" + std::to_string(i) + ".pvm"), part.objects, "Bench", "");
    }
    return path;
  }();
  return root;
}

void BM_BuildMacroTree(benchmark::State& state) {
  const auto& root = benchLibrary();
  for (auto _ : state) benchmark::DoNotOptimize(buildMacroTree(root));
}
BENCHMARK(BM_BuildMacroTree)->Unit(benchmark::kMillisecond);

void BM_LoadAndPreviewMacro(benchmark::State& state) {
  const auto file = benchLibrary() / "Folder 7" / "Part750.pvm";
  const ColourScheme scheme = standardScheme();
  for (auto _ : state) {
    const LoadedMacro macro = loadMacroFile(file, Language::English);
    benchmark::DoNotOptimize(renderMacroPreview(macro.contents.objects, scheme, 176, 176));
  }
}
BENCHMARK(BM_LoadAndPreviewMacro)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
