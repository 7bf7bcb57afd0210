#include "support/utf8.h"

namespace tesvik {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes at s[i] without moving; the sequence's length, 0 when malformed.
std::size_t decode(std::string_view s, std::size_t i, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t length = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if (!continues_sequence(static_cast<char>(c))) return 0;
    cp = cp << 6 | (c & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

char32_t next_code_point(std::string_view s, std::size_t& i) {
  char32_t cp = 0;
  const std::size_t length = decode(s, i, cp);
  i += length == 0 ? 1 : length;
  return length == 0 ? kReplacementCharacter : cp;
}

bool valid_utf8(std::string_view s) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t length = decode(s, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::size_t encode_utf8(char32_t cp, char* out) {
  if (cp < 0x80) {
    out[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    out[0] = static_cast<char>(0xC0 | (cp >> 6));
    out[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  if (cp < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (cp >> 12));
    out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (cp >> 18));
  out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (cp & 0x3F));
  return 4;
}

}  // namespace tesvik
