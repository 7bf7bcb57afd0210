#pragma once
// Typing into a box: what each typed character does to the box's text.

#include <cstddef>
#include <string>
#include <string_view>

namespace tesvik {

enum class BoxKind {
  SingleLine,  // combo boxes: line breaks are dropped
  MultiLine,   // condition boxes: Enter gives CR LF
  Prize,       // prize boxes: digits up to `limit` characters, "." always
};

// The prize filter refuses a digit once the box holds `limit` characters;
// no prize box has a larger limit than this.
inline constexpr std::size_t kLongestPrizeLimit = 5;

// Types each character of utf8 at the end of text; backspace removes the
// last character.
void type_into(std::string& text, std::string_view utf8, BoxKind kind, std::size_t limit = 0);

}  // namespace tesvik
