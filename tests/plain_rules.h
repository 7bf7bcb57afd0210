#pragma once
// Plain readings of the condition boxes and rows for the brute-force tests:
// the text rules written out from their description, independent of the
// program's own helpers, and the look-ups of a test row's buttons, boxes and
// ranges.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tesvik::plain {


inline std::string two_digits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
inline char shorthand(int n) { return n == 10 ? '0' : static_cast<char>('0' + n); }
inline bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Replaces the occurrences left to right; replaced text is not looked at again.
inline std::string replace_once(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t hit; (hit = text.find(from, at)) != std::string_view::npos; at = hit + from.size()) {
    out.append(text.substr(at, hit - at));
    out.append(to);
  }
  out.append(text.substr(at));
  return out;
}

inline std::string trim_blanks(std::string_view t) {
  const auto first = t.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(t.substr(first, t.find_last_not_of(' ') - first + 1));
}

inline std::vector<std::string> split(std::string_view text, std::string_view sep) {
  std::vector<std::string> parts;
  std::size_t at = 0;
  for (std::size_t hit; (hit = text.find(sep, at)) != std::string_view::npos; at = hit + sep.size())
    parts.emplace_back(text.substr(at, hit - at));
  parts.emplace_back(text.substr(at));
  return parts;
}

inline std::size_t utf8_length(unsigned char lead) { return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

inline std::size_t characters(std::string_view t) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < t.size(); i += utf8_length(static_cast<unsigned char>(t[i]))) ++n;
  return n;
}

// Every character outside `allowed` becomes one blank, two blanks become one
// in a single pass, and the ends are trimmed.
inline std::string clean(std::string_view text, std::string_view allowed) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = utf8_length(static_cast<unsigned char>(text[i]));
    const std::string_view ch = text.substr(i, len);
    out += (len == 1 && contains(allowed, ch)) ? std::string(ch) : std::string(" ");
    i += len;
  }
  return trim_blanks(replace_once(out, "  ", " "));
}

// Value of the number at the start of a text (sign, digits, fraction); 0 when none.
inline double leading_number(std::string_view t) {
  std::size_t i = t.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  std::string num;
  if (t[i] == '-' || t[i] == '+') num += t[i++];
  bool dot = false;
  for (; i < t.size() && (std::isdigit(static_cast<unsigned char>(t[i])) || (t[i] == '.' && !dot)); ++i) {
    dot = dot || t[i] == '.';
    num += t[i];
  }
  return std::strtod(num.c_str(), nullptr);
}

struct Range {
  int lo = 0;
  int hi = 0;
  bool fails(int c) const { return c < lo || c > hi; }
};

// ---- reading a row of the page ----


template <typename Row>
inline std::string text_of(const Row& r, int k) {
  const auto it = r.boxes.find(k);
  return it == r.boxes.end() ? "" : it->second;
}

template <typename Row>
Range range_of(const Row& r, int lower) {
  auto bound = [&](int k) {
    const auto it = r.ranges.find(k);
    return static_cast<int>(std::nearbyint(leading_number(it == r.ranges.end() ? "0" : it->second)));
  };
  return {bound(lower), bound(lower + 1)};
}

template <typename Row>
inline bool killed(const Row& r, int i) { return std::find(r.kills.begin(), r.kills.end(), i) != r.kills.end(); }
template <typename Row>
inline bool kept(const Row& r, int i) { return std::find(r.keeps.begin(), r.keeps.end(), i) != r.keeps.end(); }

// Captions of the selected kill buttons first..last, each followed by ".".
template <typename Row>
inline std::string kill_list(const Row& r, int first, const std::vector<std::string>& captions) {
  std::string list;
  for (std::size_t k = 0; k < captions.size(); ++k)
    if (killed(r, first + static_cast<int>(k))) list += captions[k] + ".";
  return list;
}
template <typename Row>
inline std::string keep_list(const Row& r, int first, const std::vector<std::string>& captions) {
  std::string list;
  for (std::size_t k = 0; k < captions.size(); ++k)
    if (kept(r, first + static_cast<int>(k))) list += captions[k] + ".";
  return list;
}
inline std::vector<std::string> number_captions(int from, int to) {
  std::vector<std::string> c;
  for (int n = from; n <= to; ++n) c.push_back(two_digits(n));
  return c;
}
inline std::vector<std::string> digit_captions(int from, int to) {
  std::vector<std::string> c;
  for (int n = from; n <= to; ++n) c.push_back(std::to_string(n));
  return c;
}

}  // namespace tesvik::plain
