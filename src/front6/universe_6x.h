#pragma once
// The front-six universe: the 151,200 ordered picks of six distinct numbers,
// indexed 1..151200 in pick order. Numbers, sorted numbers and the other
// per-pick facts are pick_facts<6>(); pick lines are written on demand, so
// that no table of 151,200 strings is ever held.

#include <array>
#include <string>
#include <string_view>

#include "filter/pick_facts.h"
#include "model/mode.h"

namespace tesvik {

inline constexpr int kPlaces6 = 6;
inline constexpr int kPicks6 = universe_size(kPlaces6);

// Builds the universe (the start-up sequence does this first of all).
inline const std::vector<PickFact<kPlaces6>>& picks_6x() { return pick_facts<kPlaces6>(); }

// The line of a pick, its two-digit numbers joined by sep: "01 02 03 04 05 06".
std::string line_6x(int pick, std::string_view sep = " ");
// Writes the line at out (line_length(kPlaces6, sep) bytes); returns the end.
char* write_line_6x(char* out, int pick, std::string_view sep);

// Index of the pick with these numbers at places 1..6; 0 when a number lies
// outside 1..10 or repeats.
int pick_6x_of(const std::array<int, kPlaces6>& numbers);

}  // namespace tesvik
