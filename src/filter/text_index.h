#pragma once
// Reads a text once into the set of picks it names, so that a condition can
// test each pick with one look-up. A pick is named when its form occurs
// anywhere in the text as a substring, also across items ("101 02 03"
// names 01 02 03): every window of the form's length is read.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tesvik {

enum class PickForm {
  Line,     // "01 02 03": two-digit numbers joined by one blank
  Compact,  // "010203": two-digit numbers joined without separator
};

// One byte per pick index 0..N of the universe of `places`; 1 = named.
std::vector<std::uint8_t> picks_named_in(std::string_view text, int places, PickForm form);

}  // namespace tesvik
