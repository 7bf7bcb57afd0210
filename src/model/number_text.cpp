#include "model/number_text.h"

#include <array>

namespace tesvik {

namespace {
constexpr std::array<std::string_view, 11> kTwoDigit{"",   "01", "02", "03", "04", "05",
                                                     "06", "07", "08", "09", "10"};
}

std::string_view two_digit(int n) {
  return n >= 1 && n <= kNumbers ? kTwoDigit[static_cast<std::size_t>(n)] : std::string_view{};
}

int number_of_digit(char digit) {
  if (digit < '0' || digit > '9') return 0;
  return digit == '0' ? 10 : digit - '0';
}

}  // namespace tesvik
