#include "front6/universe_6x.h"

#include <bit>

#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {

char* write_line_6x(char* out, int pick, std::string_view sep) {
  const PickFact<kPlaces6>& f = picks_6x()[static_cast<std::size_t>(pick)];
  for (std::size_t p = 0; p < kPlaces6; ++p) {
    if (p > 0)
      for (char c : sep) *out++ = c;  // no call for a separator of a character or none
    const std::string_view number = two_digit(f.n[p]);
    *out++ = number[0];
    *out++ = number[1];
  }
  return out;
}

std::string line_6x(int pick, std::string_view sep) {
  std::string line(line_length(kPlaces6, sep), '\0');
  write_line_6x(line.data(), pick, sep);
  return line;
}

int pick_6x_of(const std::array<int, kPlaces6>& numbers) {
  // In pick order, place p moves by the number of ways to fill the places
  // after it: 9*8*7*6*5 for place 1 down to 1 for place 6.
  static constexpr std::array<int, kPlaces6> kWeights = {15120, 1680, 210, 30, 5, 1};
  unsigned used = 0;
  int index = 1;
  for (std::size_t p = 0; p < kPlaces6; ++p) {
    const int n = numbers[p];
    if (n < 1 || n > kNumbers || (used & 1u << n)) return 0;
    const int smaller_free = n - 1 - std::popcount(used & ((1u << n) - 1));
    index += smaller_free * kWeights[p];
    used |= 1u << n;
  }
  return index;
}

}  // namespace tesvik
