#pragma once
// Escaping of a form value, code unit by code unit over UTF-16: ASCII
// letters, digits and - _ . ! ~ * ' ( ) stand for themselves; every other
// code unit below 255 becomes "%XX", and 255 and above (the units that a
// signed 16-bit reading makes negative included) "%uXXXX", with upper-case
// hexadecimal digits.

#include <string>
#include <string_view>

namespace tesvik {

std::string escape(std::u16string_view text);
// The UTF-8 text read as UTF-16 code units first (a character beyond the
// basic plane as its two surrogates); a malformed byte reads as U+FFFD.
std::string escape(std::string_view utf8);

}  // namespace tesvik
