#include "support/web_link.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "support/text.h"
#include "support/utf8.h"

namespace tesvik {

namespace {

bool control_or_blank(char32_t c) {
  return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF || c == 0xFFFD;
}

bool plain_text(std::string_view s) {
  if (!valid_utf8(s)) return false;
  for (std::size_t i = 0; i < s.size();)
    if (control_or_blank(next_code_point(s, i))) return false;
  return true;
}

bool starts_without_case(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), s.begin(), [](char p, char c) {
           return std::tolower(static_cast<unsigned char>(c)) == p;
         });
}

bool port_text(std::string_view p) {
  if (p.size() > 5 || !std::all_of(p.begin(), p.end(), is_ascii_digit)) return false;
  return p.empty() || std::stoi(std::string(p)) <= 65535;
}

// A host name: letters, digits, '-', '.', '_' and non-ASCII (an
// internationalised name), not empty.
bool host_name(std::string_view h) {
  return !h.empty() && std::all_of(h.begin(), h.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '-' || c == '.' || c == '_' || u >= 0x80;
  });
}

bool ipv6_text(std::string_view h) {
  return !h.empty() && std::all_of(h.begin(), h.end(), [](char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.';
  });
}

bool authority(std::string_view a) {
  const std::size_t at = a.rfind('@');
  if (at != std::string_view::npos) a.remove_prefix(at + 1);
  if (a.starts_with('[')) {
    const std::size_t close = a.find(']');
    if (close == std::string_view::npos || !ipv6_text(a.substr(1, close - 1))) return false;
    const std::string_view rest = a.substr(close + 1);
    return rest.empty() || (rest.front() == ':' && port_text(rest.substr(1)));
  }
  const std::size_t colon = a.find(':');
  if (colon == std::string_view::npos) return host_name(a);
  return host_name(a.substr(0, colon)) && port_text(a.substr(colon + 1));
}

}  // namespace

bool is_web_link(std::string_view url) {
  if (!plain_text(url) || url.find('\\') != std::string_view::npos) return false;
  std::size_t skip = 0;
  if (starts_without_case(url, "http://")) skip = 7;
  else if (starts_without_case(url, "https://")) skip = 8;
  else return false;
  const std::string_view rest = url.substr(skip);
  return authority(rest.substr(0, rest.find_first_of("/?#")));
}

}  // namespace tesvik
