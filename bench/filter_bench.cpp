// Filter runs, copies and prize checks through the application state.

#include <benchmark/benchmark.h>

#include "app/app.h"
#include "filter/tolerance.h"
#include "model/universe.h"
#include "support/quiet_port.h"

namespace tesvik {
namespace {

struct Bench {
  QuietPort port;
  App app{port};
  Bench() { app.start_without_window(); }
  void click(Ctl a, int i) { app.click({a, i}); }
};

// Every pick of a universe as text, one per line, in the given form.
std::string all_picks(int places, bool compact) {
  const Universe& u = universe(places);
  std::string text;
  for (int i = 1; i <= u.size; ++i) {
    std::string line = u.lines[static_cast<std::size_t>(i)];
    if (compact) line = line_with_separator(line, "");
    text += line + "\r\n";
  }
  return text;
}

// Sets every front-three condition, with the whole universe as base and kill lists.
void full_front_three(Bench& b) {
  b.app.set_text({Ctl::T_nei_txt_ip, 0}, all_picks(3, false));
  b.app.set_text({Ctl::T_nei_txt_ip, 7}, all_picks(3, true));
  for (int i : {3, 17, 46, 56, 64, 70, 86, 97, 108, 146, 154, 162, 170, 197, 200}) b.click(Ctl::C_annv, i);
  for (int i : {0, 1, 15, 57, 61, 65, 69, 79, 89, 101}) b.click(Ctl::C_annv_chu, i);
  for (int i : {115, 116, 126, 137, 138}) b.click(Ctl::C_annv, i);
  b.click(Ctl::C_q3_nei, 2);
  for (int box = 1; box <= 6; ++box) b.app.set_text({Ctl::T_nei_txt_ip, box}, "12 34 56 78 90 13 57");
  b.app.set_text({Ctl::Comb_jg_rc, 1}, "20");
}

void BM_EmptyRun(benchmark::State& state) {
  Bench b;
  const int button = static_cast<int>(state.range(0));
  for (auto _ : state) b.click(Ctl::C_jg_gn, button);
  state.SetLabel(b.app.panel().zhushu[static_cast<std::size_t>(button / 5)].label.caption + " kept");
}
BENCHMARK(BM_EmptyRun)->Arg(0)->Arg(5)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_OverallTolerance5x(benchmark::State& state) {
  ConditionMatrix m(universe_size(5));
  for (int c = 1; c <= static_cast<int>(state.range(0)); ++c)
    for (int i = c; i <= m.picks(); i += 7) m.mark(c, i);
  for (auto _ : state) {
    ConditionMatrix copy = m;
    apply_overall_tolerance(copy, 0, 2);
    benchmark::DoNotOptimize(copy.verdict().data());
  }
}
BENCHMARK(BM_OverallTolerance5x)->Arg(0)->Arg(16)->Unit(benchmark::kMicrosecond);

void BM_FullRun3x(benchmark::State& state) {
  Bench b;
  full_front_three(b);
  for (auto _ : state) b.click(Ctl::C_jg_gn, 0);
  state.SetLabel(b.app.panel().zhushu[0].label.caption + " kept");
}
BENCHMARK(BM_FullRun3x)->Unit(benchmark::kMicrosecond);

void BM_Copy(benchmark::State& state) {
  Bench b;
  const int run = static_cast<int>(state.range(0));
  b.click(Ctl::C_jg_gn, run);
  for (auto _ : state) b.click(Ctl::C_jg_gn, run + 1);
  state.SetLabel(std::to_string(b.port.clipboard.size()) + " bytes");
}
BENCHMARK(BM_Copy)->Arg(0)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_PrizeCheck(benchmark::State& state) {
  Bench b;
  const int places = static_cast<int>(state.range(0));
  b.click(Ctl::C_jg_gn, 5 * (places - 3));
  for (auto _ : state) {
    b.app.set_text({Ctl::T_duijiang, places - 2}, std::string("09876").substr(0, static_cast<std::size_t>(places)));
    b.click(Ctl::C_jg_gn, 11 + places);
  }
}
BENCHMARK(BM_PrizeCheck)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesvik
