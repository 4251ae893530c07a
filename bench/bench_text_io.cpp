// Text-IO export and import of 10,000 mixed objects, in memory and through a file.
// Target: at most 200 ms each way.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/atomic_file.h"
#include "project/text_io_commands.h"
#include "project/text_io_read.h"
#include "project/text_io_write.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

constexpr int kObjects = 10000;

std::string records(const Board& board) { return writeTextIo(textIoExportObjects(board.objects)); }

void BM_ExportTextIo(benchmark::State& state) {
  const Board board = syntheticBoard(kObjects);
  for (auto _ : state) {
    const std::string bytes = records(board);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ExportTextIo)->Unit(benchmark::kMillisecond);

void BM_ImportTextIo(benchmark::State& state) {
  const std::string bytes = records(syntheticBoard(kObjects));
  for (auto _ : state) {
    ObjectList objects = readTextIo(bytes, {});
    benchmark::DoNotOptimize(objects.data());
  }
}
BENCHMARK(BM_ImportTextIo)->Unit(benchmark::kMillisecond);

const std::string kBenchFile =
    (std::filesystem::temp_directory_path() / "pravelo-bench-text-io.txt").string();

// Includes flushing the file to the disk.
void BM_ExportTextIoFile(benchmark::State& state) {
  const Board board = syntheticBoard(kObjects);
  for (auto _ : state) writeTextIoFile(board.objects, kBenchFile, Language::English);
  std::filesystem::remove(kBenchFile);
}
BENCHMARK(BM_ExportTextIoFile)->Unit(benchmark::kMillisecond);

void BM_ImportTextIoFile(benchmark::State& state) {
  writeFileAtomically(kBenchFile, records(syntheticBoard(kObjects)));
  for (auto _ : state) {
    TextIoImport imported = readTextIoFile(kBenchFile, {}, Language::English);
    benchmark::DoNotOptimize(imported.objects.data());
  }
  std::filesystem::remove(kBenchFile);
}
BENCHMARK(BM_ImportTextIoFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
