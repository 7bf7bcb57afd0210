#include "support/text.h"

#include <algorithm>

#include <cctype>
#include <cmath>

namespace tesvik {

std::string_view trim_blanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

std::string_view next_word(std::string_view& rest) {
  const std::size_t start = rest.find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
  const std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  return word;
}

double leading_number(std::string_view s) {
  std::size_t i = 0;
  auto digit = [&](std::size_t k) { return k < s.size() && std::isdigit(static_cast<unsigned char>(s[k])); };
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  double sign = 1;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') sign = -1;
    ++i;
  }
  double value = 0;
  bool any = false;
  for (; digit(i); ++i, any = true) value = value * 10 + (s[i] - '0');
  if (i < s.size() && s[i] == '.') {
    double scale = 0.1;
    for (++i; digit(i); ++i, any = true, scale /= 10) value += (s[i] - '0') * scale;
  }
  if (!any) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t k = i + 1;
    int exp_sign = 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) exp_sign = s[k++] == '-' ? -1 : 1;
    if (digit(k)) {
      int exponent = 0;
      for (; digit(k); ++k)
        if (exponent < 1000) exponent = exponent * 10 + (s[k] - '0');
      value *= std::pow(10.0, exp_sign * exponent);
    }
  }
  return sign * value;
}

namespace {
constexpr std::size_t kLongestSequence = 4;  // bytes of a UTF-8 sequence
bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::string_view character_at(std::string_view s, std::size_t i) {
  if (i >= s.size()) return {};
  std::size_t end = i + 1;
  while (end < s.size() && continuation(static_cast<unsigned char>(s[end]))) ++end;
  return s.substr(i, end - i);
}

std::size_t character_count(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if (!continuation(c)) ++n;
  return n;
}

void drop_last_character(std::string& s) {
  if (s.empty()) return;
  std::size_t end = s.size() - 1;
  while (end > 0 && s.size() - end < kLongestSequence && continuation(static_cast<unsigned char>(s[end]))) --end;
  if (continuation(static_cast<unsigned char>(s[end]))) end = s.size() - 1;  // no lead byte near the end
  s.resize(end);
}

bool fewer_characters(std::string_view s, std::size_t n) {
  if (s.size() < n) return true;
  if (s.size() / kLongestSequence >= n) return false;
  return character_count(s) < n;
}

}  // namespace tesvik
