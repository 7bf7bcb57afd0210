#include "filter/selection.h"

#include "model/number_text.h"

namespace tesvik {

std::array<bool, 11> number_hits(std::string_view list) {
  std::array<bool, 11> hit{};
  for (int n = 1; n <= 10; ++n) hit[static_cast<std::size_t>(n)] = contains(list, two_digit(n));
  return hit;
}

std::array<bool, 10> digit_hits(std::string_view list) {
  std::array<bool, 10> hit{};
  for (char d = '0'; d <= '9'; ++d) hit[static_cast<std::size_t>(d - '0')] = list.find(d) != std::string_view::npos;
  return hit;
}

}  // namespace tesvik
