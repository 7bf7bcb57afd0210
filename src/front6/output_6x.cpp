#include "front6/output_6x.h"

#include <array>
#include <vector>

#include "front6/universe_6x.h"
#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {

std::string_view separator_6x(int mode) {
  switch (mode) {
    case 2: return ",";
    case 3: return "";
    default: return " ";
  }
}

std::string picks_text_6x(std::span<const std::uint8_t> removal, bool removed, int third, std::string_view sep) {
  std::vector<int> picks;
  int taken = 0;
  for (std::size_t i = 1; i < removal.size(); ++i) {
    if ((removal[i] != 0) != removed) continue;
    ++taken;
    if (third && (taken - 1) % 3 != third - 1) continue;
    picks.push_back(static_cast<int>(i));
  }
  if (picks.empty()) return {};
  // All lines have one length: the text is sized once and written in place,
  // which matters for the 151,200 lines of a whole copy.
  std::string text(picks.size() * (line_length(kPlaces6, sep) + 2) - 2, '\0');
  char* out = text.data();
  for (std::size_t k = 0; k < picks.size(); ++k) {
    if (k > 0) {
      *out++ = '\r';
      *out++ = '\n';
    }
    out = write_line_6x(out, picks[k], sep);
  }
  return text;
}

std::string_view prize_verdict_6x(std::string_view digits, std::span<const std::uint8_t> removal) {
  if (digits.size() != kPlaces6) return "输入必须6位数字";
  std::array<int, kPlaces6> numbers{};
  for (std::size_t p = 0; p < kPlaces6; ++p) numbers[p] = number_of_digit(digits[p]);
  const auto pick = static_cast<std::size_t>(pick_6x_of(numbers));
  return pick != 0 && pick < removal.size() && !removal[pick] ? "恭喜，找到奖号" : "遗憾，没有找到奖号";
}

}  // namespace tesvik
