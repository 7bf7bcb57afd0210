#include "filter/result_picks.h"

#include "model/draw_text.h"
#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {

std::vector<std::string> kept_lines(const ConditionMatrix& matrix, Mode mode, std::string_view sep) {
  const Universe& u = universe(mode);
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(matrix.kept_count()));
  for (int i = 1; i <= u.size; ++i)
    if (matrix.kept(i)) rows.push_back(line_with_separator(u.lines[static_cast<std::size_t>(i)], sep));
  return rows;
}

std::string picks_text(const ConditionMatrix& matrix, Mode mode, std::string_view sep, bool removed) {
  const Universe& u = universe(mode);
  std::string text;
  text.reserve(static_cast<std::size_t>(u.size) * (static_cast<std::size_t>(u.places) * 3 + 1));
  for (int i = 1; i <= u.size; ++i) {
    if (matrix.removed(i) != removed) continue;
    if (!text.empty()) text += "\r\n";
    text += line_with_separator(u.lines[static_cast<std::size_t>(i)], sep);
  }
  return text;
}

std::string_view prize_verdict(std::string_view typed, Mode mode, int shown_count, const ConditionMatrix& matrix) {
  const int places = places_of(mode);
  const std::string digits = prize_digits(typed, places);
  if (digits.size() != static_cast<std::size_t>(places)) return "输入奖号格式不对，请检查";
  if (shown_count == 0) return "大底为空，请先过滤";
  int numbers[kMaxPlaces];
  for (int p = 0; p < places; ++p) numbers[p] = number_of_digit(digits[static_cast<std::size_t>(p)]);
  // Repeated digits name no pick; a pick is found only when it is kept.
  const int pick = universe(mode).pick_of_numbers(numbers);
  return pick != 0 && matrix.kept(pick) ? "恭喜，找到号码！" : "没有找到";
}

}  // namespace tesvik
