#include "filter/result_picks.h"

#include <algorithm>
#include <array>
#include <span>

#include "front6/universe_6x.h"
#include "model/draw_text.h"
#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {

namespace {

// The indices of the picks a copy takes, in pick order.
std::vector<int> taken_picks(std::span<const std::uint8_t> verdict, bool removed, int third) {
  std::vector<int> picks;
  int taken = 0;
  for (std::size_t i = 1; i < verdict.size(); ++i) {
    if ((verdict[i] != 0) != removed) continue;
    ++taken;
    if (third && (taken - 1) % 3 != third - 1) continue;
    picks.push_back(static_cast<int>(i));
  }
  return picks;
}

// The lines of `picks` joined by CR LF; write(out, pick) puts a line of
// `length` bytes at out and returns its end. All lines of a mode have one
// length, so the text is sized once and written in place, which matters for
// the 151,200 lines of a whole front-six copy.
template <typename Write>
std::string joined_lines(const std::vector<int>& picks, std::size_t length, Write write) {
  std::string text(picks.size() * (length + 2) - 2, '\0');
  char* out = text.data();
  for (std::size_t k = 0; k < picks.size(); ++k) {
    if (k > 0) {
      *out++ = '\r';
      *out++ = '\n';
    }
    out = write(out, picks[k]);
  }
  return text;
}

// The answers of a prize check in one mode. Without an empty_result text an
// empty result is looked into like any other.
struct PrizeTexts {
  std::string_view wrong_length;
  std::string_view empty_result;
  std::string_view found;
  std::string_view not_found;
};

constexpr PrizeTexts kConditionPageTexts = {"输入奖号格式不对，请检查", "大底为空，请先过滤", "恭喜，找到号码！",
                                            "没有找到"};
constexpr std::array<PrizeTexts, 4> kPrizeTexts = {
    kConditionPageTexts,
    kConditionPageTexts,
    kConditionPageTexts,
    PrizeTexts{"输入必须6位数字", "", "恭喜，找到奖号", "遗憾，没有找到奖号"},
};

// The pick that shorthand digits name place by place; 0 when one repeats.
int pick_of_digits(std::string_view digits, Mode mode) {
  std::array<int, kPlaces6> numbers{};
  for (std::size_t p = 0; p < digits.size(); ++p) numbers[p] = number_of_digit(digits[p]);
  return mode == Mode::Six ? pick_6x_of(numbers) : universe(mode).pick_of_numbers(numbers.data());
}

}  // namespace

std::vector<std::string> kept_lines(const ConditionMatrix& matrix, Mode mode, std::string_view sep) {
  const Universe& u = universe(mode);
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(matrix.kept_count()));
  for (int i = 1; i <= u.size; ++i)
    if (matrix.kept(i)) rows.push_back(line_with_separator(u.lines[static_cast<std::size_t>(i)], sep));
  return rows;
}

std::string_view separator_6x(int mode) {
  switch (mode) {
    case 2: return ",";
    case 3: return "";
    default: return " ";
  }
}

std::string picks_text(const ConditionMatrix& matrix, Mode mode, std::string_view sep, bool removed, int third) {
  const std::vector<int> picks = taken_picks(matrix.verdict(), removed, third);
  if (picks.empty()) return {};
  const std::size_t length = line_length(places_of(mode), sep);
  // Front six writes its lines from the pick facts; the smaller universes hold theirs.
  if (mode == Mode::Six)
    return joined_lines(picks, length, [sep](char* out, int pick) { return write_line_6x(out, pick, sep); });
  const Universe& u = universe(mode);
  return joined_lines(picks, length, [&u, sep](char* out, int pick) {
    const std::string line = line_with_separator(u.lines[static_cast<std::size_t>(pick)], sep);
    return std::copy(line.begin(), line.end(), out);
  });
}

std::string_view prize_verdict(std::string_view typed, Mode mode, int shown_count, const ConditionMatrix& matrix) {
  const PrizeTexts& texts = kPrizeTexts[static_cast<std::size_t>(mode)];
  const std::string digits = prize_digits(typed, places_of(mode));
  if (digits.size() != static_cast<std::size_t>(places_of(mode))) return texts.wrong_length;
  if (shown_count == 0 && !texts.empty_result.empty()) return texts.empty_result;
  // Repeated digits name no pick; a pick is found only when it is kept.
  const auto pick = static_cast<std::size_t>(pick_of_digits(digits, mode));
  const std::span<const std::uint8_t> verdict = matrix.verdict();
  return pick != 0 && pick < verdict.size() && verdict[pick] == 0 ? texts.found : texts.not_found;
}

}  // namespace tesvik
