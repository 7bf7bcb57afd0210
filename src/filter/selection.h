#pragma once
// How a condition reads its buttons: the captions of the selected buttons
// of a row, each followed by ".", in ascending index ("05.07."). A value is
// selected when its text occurs in that list.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"

namespace tesvik {

inline std::string dotted_list(const std::vector<Button>& buttons, int first, int last) {
  return selected_captions(buttons, first, last, ".");
}

inline bool contains(std::string_view list, std::string_view text) { return list.find(text) != std::string_view::npos; }

// hit[n] for n = 1..10: the two-digit text of n occurs in list.
std::array<bool, 11> number_hits(std::string_view list);

// hit[d] for d = 0..9: the digit d occurs in list.
std::array<bool, 10> digit_hits(std::string_view list);

}  // namespace tesvik
