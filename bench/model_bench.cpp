#include <benchmark/benchmark.h>

#include "model/run_shape.h"
#include "model/universe.h"

namespace tesvik {
namespace {

void BM_BuildUniverse(benchmark::State& state) {
  const int places = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Universe u = build_universe(places);
    benchmark::DoNotOptimize(u.size);
  }
}
BENCHMARK(BM_BuildUniverse)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

// The start-up sequence builds front three, four and five in a row.
void BM_BuildAllUniverses(benchmark::State& state) {
  for (auto _ : state) {
    Universe u3 = build_universe(3);
    Universe u4 = build_universe(4);
    Universe u5 = build_universe(5);
    benchmark::DoNotOptimize(u3.size + u4.size + u5.size);
  }
}
BENCHMARK(BM_BuildAllUniverses)->Unit(benchmark::kMicrosecond);

// The classes of every front-five pick, as its per-pick facts compute them once.
void BM_ClassifyFrontFive(benchmark::State& state) {
  const Universe& u = universe(5);
  for (auto _ : state) {
    int sum = 0;
    for (int i = 1; i <= u.size; ++i) {
      const auto& n = u.numbers[static_cast<std::size_t>(i)];
      sum += longest_run(n) + static_cast<int>(slope_of(n)) + static_cast<int>(shape_of(n));
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * u.size);
}
BENCHMARK(BM_ClassifyFrontFive)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesvik
