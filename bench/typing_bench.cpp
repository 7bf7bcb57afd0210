// One key typed into a box that already holds a long text: the cost must
// not grow with the text (a 10 MB condition box of either kind of page, a
// prize box of dots).

#include <benchmark/benchmark.h>

#include <string>

#include "app/app.h"
#include "support/quiet_port.h"

namespace tesvik {
namespace {

constexpr std::size_t kLongBox = 10'000'000;

// `key` typed and removed again with a backspace, so that the box keeps
// its length; the box holds kLongBox copies of `fill`.
void key_in_long_box(benchmark::State& state, ControlRef box, char fill, const char* key) {
  QuietPort port;
  App app{port};
  app.start_without_window();
  app.set_text(box, std::string(kLongBox, fill));
  for (auto _ : state) {
    app.type_text(box, key);
    app.type_text(box, "\b");
  }
}
BENCHMARK_CAPTURE(key_in_long_box, condition_box, ControlRef{Ctl::T_nei_txt_ip, 0}, '1', "2");
BENCHMARK_CAPTURE(key_in_long_box, prize_box, ControlRef{Ctl::T_duijiang, 1}, '.', ".1");
BENCHMARK_CAPTURE(key_in_long_box, front_six_box, ControlRef{Ctl::T_q6, 1}, '1', "2");

}  // namespace
}  // namespace tesvik
