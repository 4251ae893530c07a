// Target: a copper layer of just under 3.9 MB read, cleaned and its tracks joined in at most 2 s.
// The tracks are the worst case of the join: short segments of one width forming long chains,
// listed in shuffled order and turned either way, so that every join has to find its partner.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "manufacturing/gerber_read.h"
#include "manufacturing/track_join.h"

namespace pravelo {
namespace {

constexpr std::size_t kImportBenchBytes = 3900000;

struct BenchSegment {
  long x1, y1, x2, y2;
};

std::string largeCopperLayer() {
  std::string file = "%FSLAX34Y34*%\n%MOMM*%\n%ADD10C,0.254*%\n%ADD11C,1.6*%\n%LPD*%\nD10*\n";
  std::vector<BenchSegment> segments;
  // Chains of 50 segments in rows 0.5 mm apart.
  for (long chain = 0; segments.size() < 80000; ++chain) {
    const long y = (chain % 400) * 5000;
    const long x0 = (chain / 400) * 600000;
    for (long k = 0; k < 50; ++k) {
      segments.push_back(
          {x0 + k * 10000, y + (k % 2) * 2000, x0 + (k + 1) * 10000, y + ((k + 1) % 2) * 2000});
    }
  }
  std::mt19937 random(42);
  std::shuffle(segments.begin(), segments.end(), random);
  for (std::size_t i = 0; i < segments.size(); ++i) {
    BenchSegment s = segments[i];
    if (i % 2) std::swap(s.x1, s.x2), std::swap(s.y1, s.y2);
    file += "X" + std::to_string(s.x1) + "Y" + std::to_string(s.y1) + "D02*\nX" +
            std::to_string(s.x2) + "Y" + std::to_string(s.y2) + "D01*\n";
  }
  file += "D11*\n";
  for (long k = 0; file.size() + 40 < kImportBenchBytes; ++k) {
    file += "X" + std::to_string((k % 1000) * 20000) + "Y" + std::to_string((k / 1000) * 20000) +
            "D03*\n";
  }
  return file + "M02*\n";
}

void BM_GerberImportLargeLayer(benchmark::State& state) {
  const std::string file = largeCopperLayer();
  std::size_t objects = 0;
  for (auto _ : state) {
    ObjectList read = readGerber(file, kLayerC1, {});
    optimizeConnectedTracks(read);
    objects = read.size();
    benchmark::DoNotOptimize(objects);
  }
  state.counters["bytes"] = static_cast<double>(file.size());
  state.counters["objects"] = static_cast<double>(objects);
}
BENCHMARK(BM_GerberImportLargeLayer)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pravelo

BENCHMARK_MAIN();
