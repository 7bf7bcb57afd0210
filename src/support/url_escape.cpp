#include "support/url_escape.h"

#include "support/utf8.h"

namespace tesvik {

namespace {

constexpr char kUpperHex[] = "0123456789ABCDEF";
constexpr std::string_view kUnreserved = "-_.!~*'()";

bool unreserved(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
         (c < 0x80 && kUnreserved.find(static_cast<char>(c)) != std::string_view::npos);
}

}  // namespace

std::string escape(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (const char16_t c : text) {
    if (unreserved(c)) {
      out += static_cast<char>(c);
    } else if (c < 255) {
      out += '%';
      out += kUpperHex[c >> 4];
      out += kUpperHex[c & 0xF];
    } else {
      out += "%u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kUpperHex[(c >> shift) & 0xF];
    }
  }
  return out;
}

std::string escape(std::string_view utf8) {
  std::u16string units;
  units.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = next_code_point(utf8, i);
    if (cp < 0x10000) {
      units += static_cast<char16_t>(cp);
    } else {
      units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return escape(std::u16string_view(units));
}

}  // namespace tesvik
