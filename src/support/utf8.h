#pragma once
// Strict reading of UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF, no cut-off sequences; and the writing of a code point.

#include <cstddef>
#include <string_view>

namespace tesvik {

// The code point of the sequence at s[i], moving i past it; a byte that
// does not start a well-formed sequence gives U+FFFD and moves i by one.
// i must be below s.size().
char32_t next_code_point(std::string_view s, std::size_t& i);

// Whether byte c continues a sequence (10xxxxxx) rather than starting one.
inline bool continues_sequence(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The start of the character that holds byte `at` of s: `at` itself when a
// character starts there or it lies at or past the end.
inline std::size_t character_start(std::string_view s, std::size_t at) {
  while (at > 0 && at < s.size() && continues_sequence(s[at])) --at;
  return at;
}

// Every byte of s belongs to a well-formed sequence.
bool valid_utf8(std::string_view s);

// Writes the UTF-8 sequence of code point cp (below U+110000) at out, which
// has room for four bytes; returns its length.
std::size_t encode_utf8(char32_t cp, char* out);

}  // namespace tesvik
