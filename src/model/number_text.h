#pragma once
// Text forms of the numbers 1..10: the two-digit text ("01".."10") and the
// one-character shorthand digit ('1'..'9', '0' for 10).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tesvik {

inline constexpr int kNumbers = 10;

// Two-digit text of n (1..10); any other n gives an empty view. Inline:
// copies write it once for every number of every pick.
inline std::string_view two_digit(int n) {
  static constexpr std::string_view kTwoDigit[] = {"", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
  return n >= 1 && n <= kNumbers ? kTwoDigit[n] : std::string_view{};
}

// Shorthand digit of n (1..10); any other n gives '\0'.
inline char shorthand_digit(int n) {
  if (n < 1 || n > kNumbers) return '\0';
  return n == 10 ? '0' : static_cast<char>('0' + n);
}

// The number each byte writes as a shorthand digit ('0' is 10); 0 for any
// other character.
inline constexpr std::array<std::uint8_t, 256> kDigitNumbers = [] {
  std::array<std::uint8_t, 256> numbers{};
  for (int d = 1; d <= 9; ++d) numbers['0' + d] = static_cast<std::uint8_t>(d);
  numbers['0'] = kNumbers;
  return numbers;
}();

// Number written by a shorthand digit ('0' is 10); 0 for any other character.
// A look-up: the readers of big boxes take it for every character.
inline int number_of_digit(char digit) { return kDigitNumbers[static_cast<unsigned char>(digit)]; }

// Number whose two-digit text stands at s[0..1] ("01".."10"); 0 otherwise.
inline int two_digit_number(const char* s) {
  if (s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9') return 0;
  const int v = (s[0] - '0') * 10 + (s[1] - '0');
  return v >= 1 && v <= 10 ? v : 0;
}

}  // namespace tesvik
