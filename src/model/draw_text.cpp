#include "model/draw_text.h"

#include <algorithm>
#include "support/text.h"

namespace tesvik {

namespace {

constexpr std::int32_t kLargest = 1'000'000'000;
constexpr std::size_t kTen = 10;

// Whether a run of digits is the ten digits 0..9, each once.
bool shorthand_run(std::string_view run) {
  if (run.size() != kTen) return false;
  unsigned seen = 0;
  for (char c : run) seen |= 1u << (c - '0');
  return seen == 0x3FFu;
}

template <typename Take>
void for_each_run(std::string_view text, Take take) {
  for (std::size_t i = 0; i < text.size();) {
    if (!is_ascii_digit(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && is_ascii_digit(text[end])) ++end;
    take(text.substr(i, end - i));
    i = end;
  }
}

std::int32_t value_of(std::string_view run) {
  std::int64_t v = 0;
  for (char c : run) v = std::min<std::int64_t>(v * 10 + (c - '0'), kLargest);
  return static_cast<std::int32_t>(v);
}

// The numbers first..first+count are 1..10 and all different.
bool distinct_numbers(const std::vector<std::int32_t>& numbers, std::size_t first, std::size_t count) {
  unsigned seen = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    const std::int32_t n = numbers[i];
    if (n < 1 || n > 10 || (seen & (1u << n))) return false;
    seen |= 1u << n;
  }
  return true;
}

DrawPick pick_from(const std::vector<std::int32_t>& numbers, std::size_t first, int places) {
  DrawPick pick{};
  for (std::size_t p = 0; p < static_cast<std::size_t>(places); ++p)
    pick[p] = static_cast<std::uint8_t>(numbers[first + p]);
  return pick;
}

bool valid_places(int places) { return places >= 3 && places <= 6; }

}  // namespace

std::vector<std::int32_t> text_numbers(std::string_view text) {
  std::vector<std::int32_t> numbers;
  for_each_run(text, [&](std::string_view run) {
    if (shorthand_run(run)) {
      for (char c : run) numbers.push_back(c == '0' ? 10 : c - '0');
    } else {
      numbers.push_back(value_of(run));
    }
  });
  return numbers;
}

std::optional<DrawPick> draw_pick(std::string_view line, int places) {
  if (!valid_places(places)) return std::nullopt;
  const std::vector<std::int32_t> numbers = text_numbers(line);
  const auto wanted = static_cast<std::size_t>(places);
  if (numbers.size() >= kTen && distinct_numbers(numbers, numbers.size() - kTen, kTen))
    return pick_from(numbers, numbers.size() - kTen, places);
  if (numbers.size() == wanted && distinct_numbers(numbers, 0, wanted)) return pick_from(numbers, 0, places);
  return std::nullopt;
}

std::vector<DrawLine> read_draw_lines(std::string_view text, int places) {
  std::vector<DrawLine> lines;
  int number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    if (line.find_first_not_of(" \t") != std::string_view::npos)
      lines.push_back({++number, line, draw_pick(line, places)});
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::string prize_digits(std::string_view text, int places) {
  std::string digits;
  for (char c : text)
    if (is_ascii_digit(c)) digits += c;
  if (digits.size() == static_cast<std::size_t>(places)) return digits;
  const std::optional<DrawPick> pick = draw_pick(text, places);
  if (!pick) return digits;
  digits.clear();
  for (int p = 0; p < places; ++p) digits += static_cast<char>('0' + (*pick)[static_cast<std::size_t>(p)] % 10);
  return digits;
}

}  // namespace tesvik
