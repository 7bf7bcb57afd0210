#pragma once
// The universe of ordered picks of distinct numbers for the first 3, 4 or 5
// places. Picks are indexed 1..size in lexicographic order (place 1
// outermost); index 0 is an unused empty row so that every table can be
// indexed by pick index directly. Built once, read-only afterwards.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/mode.h"

namespace tesvik {

inline constexpr int kMaxPlaces = 5;

struct Universe {
  int places = 0;
  int size = 0;
  // numbers[i][p] is the number (1..10) in place p+1 of pick i.
  std::vector<std::array<std::uint8_t, kMaxPlaces>> numbers;
  // Pick line: two-digit texts joined by one blank, "01 02 03".
  std::vector<std::string> lines;
  // Pick code: "1" followed by the shorthand digits, as an integer (11234).
  std::vector<std::uint32_t> codes;
  // Pick index of each code of the code range (10^places .. 2*10^places - 1),
  // indexed by code - 10^places; 0 where the code is no pick.
  std::vector<std::int32_t> index_of_code;

  int number(int pick, int place) const {
    return numbers[static_cast<std::size_t>(pick)][static_cast<std::size_t>(place - 1)];
  }
  // Pick index of a code, 0 when the code is out of range or no pick.
  int pick_of_code(std::int64_t code) const;
  // Pick index of the numbers of places 1..places (each 1..10); 0 when they
  // repeat or are out of range.
  int pick_of_numbers(const int* numbers) const;
};

Universe build_universe(int places);

// The three universes, built on first use (the start-up sequence builds
// them) and shared read-only for the program's lifetime.
const Universe& universe(int places);
inline const Universe& universe(Mode mode) { return universe(places_of(mode)); }

// Pick line with every blank replaced by sep (the result-list form).
std::string line_with_separator(std::string_view line, std::string_view sep);

// Length of every pick line of `places` two-digit numbers joined by sep.
inline std::size_t line_length(int places, std::string_view sep) {
  const auto n = static_cast<std::size_t>(places);
  return 2 * n + (n - 1) * sep.size();
}

}  // namespace tesvik
