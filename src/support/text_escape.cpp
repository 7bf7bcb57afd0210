#include "support/text_escape.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "support/utf8.h"

namespace tesvik {

namespace {

constexpr char kLowerHex[] = "0123456789abcdef";

// The characters escaped by a letter: the character and the letter that
// follows the backslash.
constexpr std::pair<char, char> kLetterEscapes[] = {{'"', '"'}, {'\\', '\\'}, {'\r', 'r'}, {'\n', 'n'}, {'\t', 't'}};

std::optional<char> letter_of(char c) {
  for (const auto& [plain, letter] : kLetterEscapes)
    if (plain == c) return letter;
  return std::nullopt;
}

std::optional<char> char_of_letter(char letter) {
  for (const auto& [plain, l] : kLetterEscapes)
    if (l == letter) return plain;
  return std::nullopt;
}

std::optional<std::uint32_t> hex_digit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<std::uint32_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
  return std::nullopt;
}

// The four hex digits at s[at..at+3].
std::optional<std::uint32_t> hex4(std::string_view s, std::size_t at) {
  if (s.size() < at + 4) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = at; i < at + 4; ++i) {
    const auto digit = hex_digit(s[i]);
    if (!digit) return std::nullopt;
    value = value * 16 + *digit;
  }
  return value;
}

bool high_surrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool low_surrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

void append_utf8(std::string& out, std::uint32_t cp) {
  char bytes[4];
  out.append(bytes, encode_utf8(cp, bytes));
}

// Decodes the \u escape whose 'u' is at s[at]: one code unit, or a
// surrogate pair written as two escapes. Returns the bytes consumed after
// the backslash, or nullopt with `reason` set.
std::optional<std::size_t> unicode_escape(std::string_view s, std::size_t at, std::string& out, std::string& reason) {
  const auto unit = hex4(s, at + 1);
  if (!unit) {
    reason = "\\u needs four hex digits";
    return std::nullopt;
  }
  if (low_surrogate(*unit)) {
    reason = "lone low surrogate \\u" + std::string(s.substr(at + 1, 4));
    return std::nullopt;
  }
  if (!high_surrogate(*unit)) {
    append_utf8(out, *unit);
    return 5;
  }
  const bool escape_follows = s.substr(at + 5, 2) == "\\u";
  const auto low = escape_follows ? hex4(s, at + 7) : std::nullopt;
  if (!low || !low_surrogate(*low)) {
    reason = "lone high surrogate \\u" + std::string(s.substr(at + 1, 4));
    return std::nullopt;
  }
  append_utf8(out, 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00));
  return 11;
}

}  // namespace

std::string quote_text(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (const auto letter = letter_of(c)) {
      out += '\\';
      out += *letter;
    } else if (b < 0x20 || b == 0x7F) {
      out += "\\u00";
      out += kLowerHex[b >> 4];
      out += kLowerHex[b & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

std::variant<std::string, TextError> unquote_text(std::string_view quoted) {
  if (quoted.empty() || quoted.front() != '"') return TextError{"TEXT must start with a double quote"};
  std::string out;
  std::string reason;
  for (std::size_t i = 1; i < quoted.size();) {
    const char c = quoted[i];
    if (c == '"') {
      if (i + 1 != quoted.size()) return TextError{"text after the closing quote"};
      // Raw bytes must form UTF-8 as the escapes do: no box holds anything else.
      if (!valid_utf8(out)) return TextError{"not UTF-8"};
      return out;
    }
    if (c != '\\') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 == quoted.size()) break;
    const char e = quoted[i + 1];
    if (const auto plain = char_of_letter(e)) {
      out += *plain;
      i += 2;
    } else if (e == 'u') {
      const auto used = unicode_escape(quoted, i + 1, out, reason);
      if (!used) return TextError{reason};
      i += 1 + *used;
    } else {
      return TextError{"unknown escape: backslash before " + quote_text(std::string_view(&e, 1))};
    }
  }
  return TextError{"missing closing quote"};
}

}  // namespace tesvik
