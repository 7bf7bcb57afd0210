// One key typed into a box that already holds a long text: the cost must
// not grow with the text (a 10 MB condition box, a prize box of dots).

#include <benchmark/benchmark.h>

#include <string>

#include "app/app.h"
#include "quiet_port.h"

namespace tesvik {
namespace {

constexpr std::size_t kLongBox = 10'000'000;

// A character typed and removed again, so that the box keeps its length.
void BM_KeyInLongConditionBox(benchmark::State& state) {
  bench::QuietPort port;
  App app{port};
  app.start_without_window();
  const ControlRef box{Ctl::T_nei_txt_ip, 0};
  app.set_text(box, std::string(kLongBox, '1'));
  for (auto _ : state) {
    app.type_text(box, "2");
    app.type_text(box, "\b");
  }
}
BENCHMARK(BM_KeyInLongConditionBox);

void BM_KeyInLongPrizeBox(benchmark::State& state) {
  bench::QuietPort port;
  App app{port};
  app.start_without_window();
  const ControlRef box{Ctl::T_duijiang, 1};
  app.set_text(box, std::string(kLongBox, '.'));
  for (auto _ : state) {
    app.type_text(box, ".1");
    app.type_text(box, "\b");
  }
}
BENCHMARK(BM_KeyInLongPrizeBox);

void BM_KeyInLongFrontSixBox(benchmark::State& state) {
  bench::QuietPort port;
  App app{port};
  app.start_without_window();
  const ControlRef box{Ctl::T_q6, 1};
  app.set_text(box, std::string(kLongBox, '1'));
  for (auto _ : state) {
    app.type_text(box, "2");
    app.type_text(box, "\b");
  }
}
BENCHMARK(BM_KeyInLongFrontSixBox);

}  // namespace
}  // namespace tesvik
