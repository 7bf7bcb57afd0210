// First runs in a fresh process: front five and six, every condition at its
// limits and a typical page. The parent starts the benchmark program once
// per iteration and takes the time the child measured around its run alone.

#include "first_run.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "front6_fill.h"
#include "page_fill.h"

namespace tesvik::bench {

namespace {

constexpr int kRun6 = 0, kRun5 = 10;

struct Scenario {
  std::string_view name;
  void (*fill)(App&, QuietPort&);
  bool front_six;
};

void full_five(App& app, QuietPort&) { full_front_five(app); }
void typical_five(App& app, QuietPort&) { typical_front_five(app); }

constexpr Scenario kScenarios[] = {
    {"worst6", worst_front_six, true},
    {"typical6", typical_front_six, true},
    {"full5", full_five, false},
    {"typical5", typical_five, false},
};

std::string own_path() {
  std::string path(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  path.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return path;
}

void BM_FirstRun(benchmark::State& state, std::string_view scenario) {
  const std::string command = own_path() + " --first-run " + std::string(scenario);
  long long kept = -1;
  for (auto _ : state) {
    FILE* child = popen(command.c_str(), "r");
    long long ns = -1;
    if (!child || std::fscanf(child, "%lld %lld", &ns, &kept) != 2) ns = -1;
    if (child) pclose(child);
    if (ns < 0) {
      state.SkipWithError("the child printed no time");
      return;
    }
    state.SetIterationTime(static_cast<double>(ns) * 1e-9);
  }
  state.SetLabel(std::to_string(kept) + " kept");
}
BENCHMARK_CAPTURE(BM_FirstRun, worst6, "worst6")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstRun, typical6, "typical6")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstRun, full5, "full5")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstRun, typical5, "typical5")->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int first_run(const char* scenario) {
  for (const Scenario& s : kScenarios) {
    if (s.name != scenario) continue;
    QuietPage page;
    s.fill(page.app, page.port);
    const auto start = std::chrono::steady_clock::now();
    page.app.click(s.front_six ? ControlRef{Ctl::C_q6_gn, kRun6} : ControlRef{Ctl::C_jg_gn, kRun5});
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start);
    const std::string& kept = s.front_six ? page.app.front6().state().count.label.caption
                                          : page.app.panel().zhushu[static_cast<std::size_t>(kRun5 / 5)].label.caption;
    std::printf("%lld %s\n", static_cast<long long>(ns.count()), kept.c_str());
    return 0;
  }
  return 2;
}

}  // namespace tesvik::bench
