#include <benchmark/benchmark.h>

#include <string_view>

#include "first_run.h"

int main(int argc, char** argv) {
  // A started child of the first-run benchmarks.
  if (argc == 3 && std::string_view(argv[1]) == "--first-run") return tesvik::bench::first_run(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
