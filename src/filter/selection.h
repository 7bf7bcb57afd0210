#pragma once
// Hit tables of a dotted list ("05.07."): which numbers or digits it names.
// A condition builds them once per run and then makes one look-up per pick.

#include <array>
#include <string_view>

namespace tesvik {

inline bool contains(std::string_view list, std::string_view text) { return list.find(text) != std::string_view::npos; }

// hit[n] for n = 1..10: the two-digit text of n occurs in list.
std::array<bool, 11> number_hits(std::string_view list);

// hit[d] for d = 0..9: the digit d occurs in list.
std::array<bool, 10> digit_hits(std::string_view list);

}  // namespace tesvik
