// Front-six figures: the worst-case run (every condition at its limits),
// cold (every box read anew) and again (boxes read from their kept readings), a
// typical run, a copy and a paste of all 151,200 picks and a viewer redraw;
// and the positional patterns and compound lines of the worst case
// evaluated by the program and, once, the plain way, with the speed-up.

#include <benchmark/benchmark.h>

#include <chrono>

#include "../tests/literal_6x.h"
#include "front6/conditions_6x.h"
#include "front6_fill.h"
#include "support/quiet_port.h"

namespace tesvik {
namespace {

constexpr int kRun = 0, kCopyAll = 1, kPasteKill = 10;

struct Page : bench::QuietPage {
  const std::string& count() { return app.front6().state().count.label.caption; }
};

// Runs of a filled page; with cold=1 every box is read anew at each run.
template <void (*Fill)(App&, QuietPort&)>
void BM_Run6x(benchmark::State& state) {
  Page page;
  Fill(page.app, page.port);
  page.app.click({Ctl::C_q6_gn, kRun});
  const bool cold = state.range(0) != 0;
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      bench::touch_boxes_6x(page.app);
      state.ResumeTiming();
    }
    page.app.click({Ctl::C_q6_gn, kRun});
  }
  state.SetLabel(page.count() + " kept");
}
BENCHMARK(BM_Run6x<bench::worst_front_six>)
    ->Name("BM_WorstRun6x")
    ->ArgName("cold")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Run6x<bench::typical_front_six>)
    ->Name("BM_TypicalRun6x")
    ->ArgName("cold")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

void BM_CopyAll6x(benchmark::State& state) {
  Page page;
  page.app.click({Ctl::C_q6_gn, kRun});
  for (auto _ : state) page.app.click({Ctl::C_q6_gn, kCopyAll});
  state.SetLabel(std::to_string(page.port.clipboard.size()) + " bytes");
}
BENCHMARK(BM_CopyAll6x)->Unit(benchmark::kMillisecond);

void BM_PasteAll6x(benchmark::State& state) {
  Page page;
  page.port.clipboard = bench::pick_list_6x();
  for (auto _ : state) page.app.click({Ctl::C_q6_gn, kPasteKill});
  state.SetLabel(std::to_string(page.app.front6().state().boxes[0].size()) + " bytes in the box");
}
BENCHMARK(BM_PasteAll6x)->Unit(benchmark::kMillisecond);

// The worst redraw: every pick kept, the bar at its end, so that the walk
// passes all 151,200 marks.
void BM_ViewerRedraw6x(benchmark::State& state) {
  Page page;
  page.app.click({Ctl::C_q6_gn, kRun});
  page.app.advance_time(ResultViewer::kFirstDrawMs);
  int value = kPicks6;
  for (auto _ : state) page.app.scroll_viewer(value ^= 1);  // a change at every step
  state.SetLabel(page.app.viewer().rows().back());
}
BENCHMARK(BM_ViewerRedraw6x)->Unit(benchmark::kMicrosecond);

// Positional patterns and compound lines at their limits, as in the worst case.
struct PatternsAndLines {
  static constexpr int kPatterns = 100000;
  static constexpr int kSample = 1000;  // patterns the literal rules are timed on
  std::string patterns;
  std::string sample;
  std::string lines;
  PatternsAndLines() {
    std::mt19937 rng(60);
    patterns = bench::items(rng, kPatterns, 6, "0123456789***");
    lines = bench::compound_lines_6x(rng, 100);
    sample = bench::items(rng, kSample, 6, "0123456789***");
  }
};

// The program's evaluation of both conditions, each box read anew.
double program_seconds(const PatternsAndLines& b, int runs) {
  static int turn = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < runs; ++r) {
    TextBox patterns(b.patterns + std::string(static_cast<std::size_t>(++turn % 2), ' '));
    TextBox lines(b.lines);
    ConditionInput position, compound;
    position.boxes.push_back(&patterns);
    compound.boxes.push_back(&lines);
    ConditionMatrix m(kPicks6);
    kill_position_pattern_6x(position, m, 1);
    kill_compound_6x(compound, m, 2);
    benchmark::DoNotOptimize(m.verdict().data());
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

// The literal rules' time for the whole input. Their pattern rule takes
// time in proportion to the patterns: it is timed on a sample and scaled,
// a second instead of a minute.
double literal_seconds(const PatternsAndLines& b) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  benchmark::DoNotOptimize(literal6::position_patterns(b.sample, 0, 0).data());
  const auto sampled = Clock::now();
  benchmark::DoNotOptimize(literal6::compound_lines(b.lines, 0, 0).data());
  const double patterns = std::chrono::duration<double>(sampled - start).count() * (b.kPatterns / b.kSample);
  return patterns + std::chrono::duration<double>(Clock::now() - sampled).count();
}

void BM_PatternsAndLines6x(benchmark::State& state) {
  const PatternsAndLines input;
  for (auto _ : state) benchmark::DoNotOptimize(program_seconds(input, 1));
  const double literal = literal_seconds(input);
  state.counters["literal_ms"] = literal * 1e3;
  state.counters["speedup"] = literal / program_seconds(input, 10);
}
BENCHMARK(BM_PatternsAndLines6x)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace tesvik
