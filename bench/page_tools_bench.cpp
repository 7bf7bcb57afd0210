// Page-tool figures: the history check of 5,000 published draws against
// each page's last run, and the export of all 151,200 front-six picks.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>

#include "app/app.h"
#include "app/pages/mode_table.h"
#include "model/number_text.h"
#include "support/quiet_port.h"

namespace tesvik {
namespace {

constexpr int kDraws = 5000;

// Draw lines as result sites publish them: period, date, ten numbers.
std::string published_draws() {
  std::mt19937 rng(5000);
  std::array<int, 10> numbers{};
  std::iota(numbers.begin(), numbers.end(), 1);
  std::string text;
  for (int d = 0; d < kDraws; ++d) {
    std::shuffle(numbers.begin(), numbers.end(), rng);
    text += std::to_string(20260000 + d) + " 2026-12-08";
    for (int n : numbers) text += " " + std::string(two_digit(n));
    text += "\r\n";
  }
  return text;
}

// The page of a mode with its kill number 05 and a kill-pair box set, run once.
void run_page(App& app, Mode mode) {
  if (mode == Mode::Six) {
    app.click({Ctl::C_q6, 5});
    app.set_text({Ctl::T_q6, 1}, "12 34 56");
    app.click({Ctl::C_q6_gn, 0});
    return;
  }
  static constexpr int kKillFive[] = {49, 207, 469};  // "05" of 通杀码 on front three, four, five
  app.click({Ctl::C_annv, kKillFive[static_cast<int>(mode)]});
  app.click({Ctl::C_jg_gn, mode_info(mode).first_function});
}

void BM_History(benchmark::State& state) {
  const auto mode = static_cast<Mode>(state.range(0));
  QuietPort port;
  App app(port);
  app.start_without_window();
  run_page(app, mode);
  const std::string draws = published_draws();
  int kept = 0;
  for (auto _ : state) {
    const std::optional<HistoryReport> report = app.check_history(mode, draws);
    kept = report ? report->kept : -1;
    benchmark::DoNotOptimize(kept);
  }
  state.counters["draws"] = kDraws;
  state.counters["kept"] = kept;
}
BENCHMARK(BM_History)->DenseRange(0, 3)->ArgName("mode3456")->Unit(benchmark::kMillisecond);

void BM_Export6x(benchmark::State& state) {
  QuietPort port;
  App app(port);
  app.start_without_window();
  app.click({Ctl::C_q6_gn, 0});
  const std::string file =
      (std::filesystem::temp_directory_path() / ("tesvik-export-bench-" + std::to_string(::getpid()))).string();
  for (auto _ : state) app.export_picks(Mode::Six, file);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
}
BENCHMARK(BM_Export6x)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesvik
