#pragma once
// Positional patterns counted per pick with one look-up. A key holds the
// places of a pattern in base 11, place 1 first: 0 for an open place ("*"),
// the number 1..10 for a fixed one. After the patterns are counted under
// their own keys, open_places() adds to every key the counts of the keys
// that leave one of its places open, place by place; then the key of a
// pick's numbers gives the number of patterns whose fixed places it matches.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/number_text.h"

namespace tesvik {

constexpr std::size_t place_keys(int places) {
  std::size_t n = 1;
  for (int p = 0; p < places; ++p) n *= 11;
  return n;
}

// The key of a pattern or of a pick's numbers (each 0..10), place 1 first.
template <typename Numbers>
std::size_t place_key(const Numbers& numbers) {
  std::size_t key = 0;
  for (const auto n : numbers) key = 11 * key + static_cast<std::size_t>(n);
  return key;
}

// The key of a pattern text: "*" for an open place, a shorthand digit for a fixed one.
inline std::size_t pattern_key(std::string_view pattern) {
  std::size_t key = 0;
  for (char c : pattern) key = 11 * key + static_cast<std::size_t>(c == '*' ? 0 : number_of_digit(c));
  return key;
}

// Counts stop at the largest value of Count, so that a byte table serves
// where every count above some bound reads the same.
template <typename Count>
void count_pattern(std::vector<Count>& table, std::size_t key) {
  if (table[key] < std::numeric_limits<Count>::max()) ++table[key];
}

template <typename Count>
void open_places(std::vector<Count>& table, int places) {
  static_assert(std::is_unsigned_v<Count>);
  constexpr unsigned kMax = std::numeric_limits<Count>::max();
  const std::size_t keys = place_keys(places);
  for (std::size_t stride = 1; stride < keys; stride *= 11)
    for (std::size_t high = 0; high < keys; high += 11 * stride) {
      const Count* open = &table[high];
      for (std::size_t digit = 1; digit <= 10; ++digit) {
        Count* fixed = &table[high + digit * stride];
        for (std::size_t low = 0; low < stride; ++low)
          fixed[low] = static_cast<Count>(std::min<unsigned>(unsigned{fixed[low]} + open[low], kMax));
      }
    }
}

}  // namespace tesvik
