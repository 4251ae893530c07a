// Load and save of a layout with 50,000 mixed objects, from and to memory and through a file.
// Target: at least 150 MB/s both ways; a version-5 file of the same objects loads as fast.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/atomic_file.h"
#include "document/layout_file.h"
#include "project/layout_load.h"
#include "project/save_commands.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

constexpr int kObjects = 50000;

Document bigDocument() {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(syntheticBoard(kObjects)));
  doc.activeBoard = 0;
  return doc;
}

void BM_LoadLayout(benchmark::State& state) {
  const std::string bytes = writeLayout(bigDocument());
  for (auto _ : state) {
    Document doc;
    installLayout(doc, readLayout(bytes));
    benchmark::DoNotOptimize(doc);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadLayout)->Unit(benchmark::kMillisecond);

// Version 5 stored the same blocks as version 6, in old length units and without component
// data or mask-only zones, which the synthetic board does not have.
void BM_LoadLayoutVersion5(benchmark::State& state) {
  std::string bytes = writeLayout(bigDocument());
  bytes[0] = 5;
  for (auto _ : state) {
    Document doc;
    installLayout(doc, readLayout(bytes));
    benchmark::DoNotOptimize(doc);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadLayoutVersion5)->Unit(benchmark::kMillisecond);

void BM_SaveLayout(benchmark::State& state) {
  const Document doc = bigDocument();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string bytes = writeLayout(doc);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_SaveLayout)->Unit(benchmark::kMillisecond);

const std::string kBenchFile =
    (std::filesystem::temp_directory_path() / "pravelo-bench-layout.pvb6").string();

void BM_LoadLayoutFile(benchmark::State& state) {
  const std::string bytes = writeLayout(bigDocument());
  writeFileAtomically(kBenchFile, bytes);
  for (auto _ : state) {
    LoadedLayout loaded = loadLayoutFile(kBenchFile, Language::English);
    Document doc;
    installLayout(doc, std::move(loaded.contents));
    benchmark::DoNotOptimize(doc);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
  std::filesystem::remove(kBenchFile);
}
BENCHMARK(BM_LoadLayoutFile)->Unit(benchmark::kMillisecond);

// Includes flushing the file to the disk, so it depends on the disk more than on the writer.
void BM_SaveLayoutFile(benchmark::State& state) {
  Document doc = bigDocument();
  for (auto _ : state) writeDocumentFile(doc, kBenchFile);
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(kBenchFile)));
  std::filesystem::remove(kBenchFile);
}
BENCHMARK(BM_SaveLayoutFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
