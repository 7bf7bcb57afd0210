#pragma once
// Small text rules shared by the panel and the engine.

#include <string>
#include <string_view>

namespace tesvik {

// '0'..'9' only, whatever the locale.
constexpr bool is_ascii_digit(char c) { return c >= '0' && c <= '9'; }

// Removes leading and trailing blanks (only ' '; line breaks stay).
std::string_view trim_blanks(std::string_view s);

// Splits off the next word of rest, separated by blanks and tabs: rest
// keeps what follows the word; empty when no word is left.
std::string_view next_word(std::string_view& rest);

// Numeric value of the leading number of s: optional blanks, an optional
// sign, digits with an optional decimal part and exponent. Text that does
// not start with a number (and the empty text) gives 0.
double leading_number(std::string_view s);

// The whole UTF-8 character that starts at byte i of s: its byte and the
// continuation bytes after it (empty when i is past the end).
std::string_view character_at(std::string_view s, std::size_t i);

// Number of characters of a UTF-8 text (code points; malformed bytes count one each).
std::size_t character_count(std::string_view s);

// Removes the last character of s in place: a whole UTF-8 sequence, or one
// byte of a malformed one; empty stays empty. Looks at no more than the
// last four bytes.
void drop_last_character(std::string& s);

// Whether s has fewer than n characters (as character_count counts them
// in valid UTF-8); looks at no more than the first 4n bytes.
bool fewer_characters(std::string_view s, std::size_t n);

}  // namespace tesvik
