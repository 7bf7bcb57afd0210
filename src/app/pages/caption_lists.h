#pragma once
// Captions of button rows, as the page tables write them.

#include <string>
#include <string_view>
#include <vector>

#include "model/number_text.h"

namespace tesvik {

using Captions = std::vector<std::string>;

// "01".."10" for the numbers from..to.
inline Captions two_digits(int from, int to) {
  Captions c;
  for (int n = from; n <= to; ++n) c.emplace_back(two_digit(n));
  return c;
}

// The decimals from..to, each followed by suffix ("2连").
inline Captions decimals(int from, int to, std::string_view suffix = {}) {
  Captions c;
  for (int n = from; n <= to; ++n) c.push_back(std::to_string(n) + std::string(suffix));
  return c;
}

}  // namespace tesvik
