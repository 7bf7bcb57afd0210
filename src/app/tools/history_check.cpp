#include "app/tools/history_check.h"

#include "front6/universe_6x.h"
#include "model/draw_text.h"
#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {

namespace {

int pick_index(const DrawPick& pick, int places) {
  if (places == kPlaces6) {
    std::array<int, kPlaces6> numbers{};
    for (std::size_t p = 0; p < kPlaces6; ++p) numbers[p] = pick[p];
    return pick_6x_of(numbers);
  }
  int numbers[kMaxPlaces] = {};
  for (int p = 0; p < places; ++p) numbers[p] = pick[static_cast<std::size_t>(p)];
  return universe(places).pick_of_numbers(numbers);
}

std::string pick_line(const DrawPick& pick, int places) {
  std::string line;
  for (int p = 0; p < places; ++p) {
    if (p > 0) line += ' ';
    line += two_digit(pick[static_cast<std::size_t>(p)]);
  }
  return line;
}

}  // namespace

HistoryReport check_history(std::string_view text, int places, const ConditionMatrix& matrix,
                            const std::vector<RunCondition>& conditions) {
  HistoryReport report;
  report.conditions = conditions;
  report.condition_failures.assign(conditions.size(), 0);
  for (const DrawLine& read : read_draw_lines(text, places)) {
    HistoryLine& out = report.lines.emplace_back();
    out.line = read.line;
    if (!read.pick) {
      out.text = std::string(read.text);
      ++report.unreadable;
      continue;
    }
    out.readable = true;
    out.text = pick_line(*read.pick, places);
    const int pick = pick_index(*read.pick, places);
    ++report.draws;
    out.kept = pick != 0 && pick <= matrix.picks() && matrix.kept(pick);
    report.kept += out.kept;
    for (std::size_t c = 0; c < conditions.size(); ++c)
      if (matrix.failed(conditions[c].column, pick)) {
        out.failed.push_back(conditions[c].name);
        ++report.condition_failures[c];
      }
    if (matrix.outside_base(pick)) out.failed.push_back(kOutsideBase);
    else if (!out.kept && out.failed.empty()) out.failed.push_back(kOverallRange);
  }
  return report;
}

}  // namespace tesvik
