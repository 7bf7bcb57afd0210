// Front-four and front-five runs through the application state: a full page
// at the size limits of every box and a typical page, each with its list.
// A rerun reads unchanged boxes from their kept readings; the cold runs read every
// box again.

#include <benchmark/benchmark.h>

#include "page_fill.h"
#include "support/quiet_port.h"

namespace tesvik {
namespace {

template <void (*Fill)(App&)>
void BM_Run(benchmark::State& state) {
  QuietPort port;
  App app{port};
  app.start_without_window();
  Fill(app);
  const int run = static_cast<int>(state.range(0));
  app.click({Ctl::C_jg_gn, run});  // first run cleans the boxes and builds the per-pick facts
  for (auto _ : state) app.click({Ctl::C_jg_gn, run});
  state.SetLabel(app.panel().zhushu[static_cast<std::size_t>(run / 5)].label.caption + " kept");
}
// The same full runs with every box typed anew before each run (a blank
// appended), so that every box is cleaned and read again.
template <void (*Fill)(App&)>
void BM_ColdRun(benchmark::State& state) {
  QuietPort port;
  App app{port};
  app.start_without_window();
  Fill(app);
  const int run = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    for (TextBox& box : app.panel().txt_ip) box.edit([](std::string& text) { text += ' '; });
    state.ResumeTiming();
    app.click({Ctl::C_jg_gn, run});
  }
}
BENCHMARK(BM_ColdRun<bench::full_front_four>)->Name("BM_FullRunCold4x")->Arg(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColdRun<bench::full_front_five>)->Name("BM_FullRunCold5x")->Arg(10)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_Run<bench::full_front_four>)->Name("BM_FullRun4x")->Arg(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Run<bench::typical_front_four>)->Name("BM_TypicalRun4x")->Arg(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Run<bench::full_front_five>)->Name("BM_FullRun5x")->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Run<bench::full_front_five_two_lists>)
    ->Name("BM_FullRunTwoLists5x")
    ->Arg(10)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Run<bench::typical_front_five>)->Name("BM_TypicalRun5x")->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesvik
