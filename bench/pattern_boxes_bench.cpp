// The front-five positional patterns and digit form boxes at their caps
// (1,000 patterns; 1,001 per form box), evaluated by the program and, once,
// the plain way: the counters show the plain time and the speed-up.

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

#include "../tests/literal_5x.h"
#include "filter/conditions.h"
#include "page_fill.h"

namespace tesvik {
namespace {

struct PatternBoxes {
  std::string patterns;
  std::array<std::string, 4> forms;
  PatternBoxes() {
    std::mt19937 rng(7);
    patterns = bench::items(rng, 1000, 5, "0123456789***");
    for (std::size_t k = 0; k < 3; ++k) forms[k] = bench::items(rng, 1001, 5, "01");
    forms[3] = bench::items(rng, 1001, 5, "012");
  }
};

// The program's evaluation of both conditions, `runs` times; a blank is
// added to or left off the boxes in turn, so that every run reads its boxes
// afresh instead of from a kept reading.
double program_seconds(const PatternBoxes& b, int runs) {
  static int turn = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < runs; ++r) {
    const std::string blank(static_cast<std::size_t>(++turn % 2), ' ');
    TextBox patterns(b.patterns + blank);
    std::array<TextBox, 4> forms;
    ConditionInput position, form;
    position.boxes.push_back(&patterns);
    for (std::size_t f = 0; f < forms.size(); ++f) {
      forms[f] = b.forms[f] + (f == 0 ? blank : "");
      form.boxes.push_back(&forms[f]);
    }
    ConditionMatrix m(picks_of(Mode::Five));
    kill_position_pattern_5x(position, m, 10);
    kill_form_boxes_5x(form, m, 11);
    benchmark::DoNotOptimize(m.verdict().data());
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

double literal_seconds(const PatternBoxes& b) {
  const auto start = std::chrono::steady_clock::now();
  std::string patterns = b.patterns;
  auto forms = b.forms;
  benchmark::DoNotOptimize(literal::position_patterns(patterns, {0, 0}).data());
  benchmark::DoNotOptimize(literal::form_boxes(forms, {0, 0}).data());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PatternBoxes5x(benchmark::State& state) {
  const PatternBoxes boxes;
  for (auto _ : state) benchmark::DoNotOptimize(program_seconds(boxes, 1));
  const double literal = literal_seconds(boxes);
  state.counters["literal_ms"] = literal * 1e3;
  state.counters["speedup"] = literal / program_seconds(boxes, 20);
}
BENCHMARK(BM_PatternBoxes5x)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesvik
