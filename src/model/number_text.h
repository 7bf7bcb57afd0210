#pragma once
// Text forms of the numbers 1..10: the two-digit text ("01".."10") and the
// one-character shorthand digit ('1'..'9', '0' for 10).

#include <string>
#include <string_view>

namespace tesvik {

inline constexpr int kNumbers = 10;

// Two-digit text of n (1..10); any other n gives an empty view.
std::string_view two_digit(int n);

// Shorthand digit of n (1..10); any other n gives '\0'.
char shorthand_digit(int n);

// Number written by a shorthand digit ('0' is 10); 0 for any other character.
int number_of_digit(char digit);

}  // namespace tesvik
