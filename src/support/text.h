#pragma once
// Small text rules shared by the panel and the engine.

#include <string>
#include <string_view>

namespace tesvik {

// Removes leading and trailing blanks (only ' '; line breaks stay).
std::string_view trim_blanks(std::string_view s);

// Numeric value of the leading number of s: optional blanks, an optional
// sign, digits with an optional decimal part and exponent. Text that does
// not start with a number (and the empty text) gives 0.
double leading_number(std::string_view s);

// The whole UTF-8 character that starts at byte i of s: its byte and the
// continuation bytes after it (empty when i is past the end).
std::string_view character_at(std::string_view s, std::size_t i);

// Number of characters of a UTF-8 text (code points; malformed bytes count one each).
std::size_t character_count(std::string_view s);

// s without its last character (a whole UTF-8 sequence); empty stays empty.
std::string drop_last_character(std::string_view s);

}  // namespace tesvik
