// Times the scenarios that the browser edition must run about as fast as the
// native build: the front-six worst case (its first run after the boxes are
// filled, a run with every box read anew, a rerun) and a typical rerun, a
// front-five rerun with every box at its limits and the copy of all 151,200
// front-six picks. The same source is built natively and to WebAssembly
// (scripts/web-bench.sh runs and compares both). One line a scenario:
//   NAME median=MS min=MS runs=N
// with the single-run scenarios ("first") run once. As a page does when it
// loads, the program warms up first (src/app/warm_up.h); with --cold it does
// not, and the first run includes compiling the code that it reaches. The
// warm-up's own time is the line "warm_up".
//   tesvik_scenario_timing [RUNS] [--cold]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "../front6_fill.h"
#include "../page_fill.h"
#include "app/warm_up.h"
#include "support/quiet_port.h"

namespace tesvik::bench {
namespace {

constexpr int kRun6 = 0, kCopyAll6 = 1, kRun5 = 10;

using Page = QuietPage;

double milliseconds(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Times `step` `runs` times, `before` (untimed) ahead of each, and prints the figures.
void report(const char* name, int runs, const std::function<void()>& step, const std::function<void()>& before = {}) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (before) before();
    times.push_back(milliseconds(step));
  }
  std::sort(times.begin(), times.end());
  std::printf("%s median=%.3f min=%.3f runs=%d\n", name, times[times.size() / 2], times.front(), runs);
}

void front_six(int runs) {
  Page worst;
  worst_front_six(worst.app, worst.port);
  auto run = [&] { worst.app.click({Ctl::C_q6_gn, kRun6}); };
  report("worst6x_first", 1, run);
  report("worst6x_cold", runs, run, [&] { touch_boxes_6x(worst.app); });
  report("worst6x", runs, run);

  Page typical;
  typical_front_six(typical.app, typical.port);
  typical.app.click({Ctl::C_q6_gn, kRun6});
  report("typical6x", runs, [&] { typical.app.click({Ctl::C_q6_gn, kRun6}); });

  Page all;
  all.app.click({Ctl::C_q6_gn, kRun6});
  report("copy6x_151200", runs, [&] { all.app.click({Ctl::C_q6_gn, kCopyAll6}); });
}

void front_five(int runs) {
  Page full;
  full_front_five(full.app);
  full.app.click({Ctl::C_jg_gn, kRun5});
  report("full5x", runs, [&] { full.app.click({Ctl::C_jg_gn, kRun5}); });
}

}  // namespace
}  // namespace tesvik::bench

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  if (argc <= 2 || std::strcmp(argv[2], "--cold") != 0) tesvik::bench::report("warm_up", 1, tesvik::warm_up);
  tesvik::bench::front_six(runs);
  tesvik::bench::front_five(runs);
}
