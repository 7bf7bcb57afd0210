#include "front6/output_6x.h"

#include <array>

#include "front6/universe_6x.h"
#include "model/number_text.h"

namespace tesvik {

std::string_view separator_6x(int mode) {
  switch (mode) {
    case 2: return ",";
    case 3: return "";
    default: return " ";
  }
}

std::string_view prize_verdict_6x(std::string_view digits, std::span<const std::uint8_t> removal) {
  if (digits.size() != kPlaces6) return "输入必须6位数字";
  std::array<int, kPlaces6> numbers{};
  for (std::size_t p = 0; p < kPlaces6; ++p) numbers[p] = number_of_digit(digits[p]);
  const auto pick = static_cast<std::size_t>(pick_6x_of(numbers));
  return pick != 0 && pick < removal.size() && !removal[pick] ? "恭喜，找到奖号" : "遗憾，没有找到奖号";
}

}  // namespace tesvik
