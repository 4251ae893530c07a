// Undo history of a board with 10,000 mixed objects. Targets: recording a step at most 10 ms,
// undo and redo at most 20 ms each; 51 steps (the default depth) below 200 MB.

#include <benchmark/benchmark.h>

#include "document/undo_history.h"
#include "synthetic_board.h"

namespace pravelo {
namespace {

constexpr int kObjects = 10000;
constexpr int kDepth = 51;

Document bigDocument() {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(syntheticBoard(kObjects)));
  doc.activeBoard = 0;
  return doc;
}

// With a full stack, as in a long editing session: each step also frees the oldest one.
void BM_RecordUndoStep(benchmark::State& state) {
  Document doc = bigDocument();
  for (auto _ : state) recordUndoStep(doc, kDepth);
}
BENCHMARK(BM_RecordUndoStep)->Unit(benchmark::kMillisecond);

// A gesture that changed nothing: recording and comparing.
void BM_UnchangedUndoStep(benchmark::State& state) {
  Document doc = bigDocument();
  for (auto _ : state) {
    UndoStep step(doc, kDepth);
    benchmark::DoNotOptimize(step.commitIfChanged());
  }
}
BENCHMARK(BM_UnchangedUndoStep)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& state) {
  Document doc = bigDocument();
  for (auto _ : state) {
    state.PauseTiming();
    recordUndoStep(doc, kDepth);
    state.ResumeTiming();
    undo(doc);
  }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

void BM_Redo(benchmark::State& state) {
  Document doc = bigDocument();
  for (auto _ : state) {
    state.PauseTiming();
    recordUndoStep(doc, kDepth);
    undo(doc);
    state.ResumeTiming();
    redo(doc);
  }
}
BENCHMARK(BM_Redo)->Unit(benchmark::kMillisecond);

// The memory of a full history, in the counter MB.
void BM_FullHistoryMemory(benchmark::State& state) {
  Document doc = bigDocument();
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (int k = 0; k < kDepth; ++k) recordUndoStep(doc, kDepth);
    bytes = 0;
    for (const UndoSnapshot& step : activeBoard(doc).undoStack) {
      bytes += sizeof step + step.objects.capacity();
    }
  }
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_FullHistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
