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

// One filter pass of the front-five run condition.
void BM_RunClass5xAllPicks(benchmark::State& state) {
  const int size = universe(5).size;
  for (auto _ : state) {
    int runs = 0;
    for (int i = 1; i <= size; ++i) runs += run_class_5x(i).size();
    benchmark::DoNotOptimize(runs);
  }
  state.SetItemsProcessed(state.iterations() * size);
}
BENCHMARK(BM_RunClass5xAllPicks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesvik
