#pragma once
// Plain readings of the condition boxes and rows for the brute-force tests:
// the text rules written out from their description, independent of the
// program's own helpers, and the look-ups of a test row's buttons, boxes and
// ranges.

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <set>
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

// The setup of one test row of a page, built by chained calls.
template <typename Self>
struct RowSetup {
  std::string id;
  std::map<int, std::string> boxes;   // T_nei_txt_ip
  std::vector<int> kills;             // C_annv turned yellow
  std::vector<int> keeps;             // C_annv_chu turned green (red in an exclude-mode row)
  std::map<int, std::string> ranges;  // Comb_rc
  std::string overall_lo = "0";
  std::string overall_hi = "0";
  std::string fault;  // set while the program disagrees: the row is skipped

  explicit RowSetup(std::string row_id) : id(std::move(row_id)) {}
  Self& box(int k, std::string text) {
    boxes[k] = std::move(text);
    return self();
  }
  Self& kill(std::initializer_list<int> buttons) {
    kills.insert(kills.end(), buttons);
    return self();
  }
  Self& keep(std::initializer_list<int> buttons) {
    keeps.insert(keeps.end(), buttons);
    return self();
  }
  Self& range(int lower, std::string lo, std::string hi) {
    ranges[lower] = std::move(lo);
    ranges[lower + 1] = std::move(hi);
    return self();
  }
  Self& overall(std::string lo, std::string hi) {
    overall_lo = std::move(lo);
    overall_hi = std::move(hi);
    return self();
  }
  Self& known_fault(std::string what) {
    fault = std::move(what);
    return self();
  }

 private:
  Self& self() { return static_cast<Self&>(*this); }
};

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
inline bool killed(const Row& r, int i) {
  return std::find(r.kills.begin(), r.kills.end(), i) != r.kills.end();
}
template <typename Row>
inline bool kept(const Row& r, int i) {
  return std::find(r.keeps.begin(), r.keeps.end(), i) != r.keeps.end();
}

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

// Lines of P whole numbers 0..10 (0 read as 10) from a kill-exact or base
// box; an empty set when the text, commas read as blanks and blank runs as
// one, has `longer_than` characters or fewer, or no line is usable.
template <std::size_t P>
std::set<std::array<int, P>> pick_lines(std::size_t longer_than, std::string text) {
  std::set<std::array<int, P>> lines;
  for (char& c : text)
    if (c == ',') c = ' ';
  while (contains(text, "  ")) text = replace_once(text, "  ", " ");
  if (characters(text) <= longer_than) return lines;
  for (const std::string& line : split(text, "\r\n")) {
    const auto parts = split(trim_blanks(line), " ");
    if (parts.size() != P) continue;
    std::array<int, P> nums{};
    bool usable = true;
    for (std::size_t k = 0; k < P; ++k) {
      const double v = leading_number(parts[k]);
      usable = usable && v == std::floor(v) && v >= 0 && v <= 10;
      nums[k] = usable ? (v == 0 ? 10 : static_cast<int>(v)) : 0;
    }
    if (usable) lines.insert(nums);
  }
  return lines;
}

inline std::string describe(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
  std::vector<std::string> extra, missing;
  std::set_difference(actual.begin(), actual.end(), expected.begin(), expected.end(), std::back_inserter(extra));
  std::set_difference(expected.begin(), expected.end(), actual.begin(), actual.end(), std::back_inserter(missing));
  std::string out = "kept " + std::to_string(actual.size()) + ", expected " + std::to_string(expected.size());
  for (std::size_t k = 0; k < std::min<std::size_t>(extra.size(), 6); ++k)
    out += "\n  kept but should be removed: " + extra[k];
  for (std::size_t k = 0; k < std::min<std::size_t>(missing.size(), 6); ++k)
    out += "\n  removed but should be kept: " + missing[k];
  return out;
}

inline std::string repeated(const std::string& item, int times) {
  std::string out;
  out.reserve(item.size() * static_cast<std::size_t>(times) + 1);
  for (int k = 0; k < times; ++k) out += item + " ";
  return out;
}

inline std::string lines(const std::string& line, int times) {
  std::string out;
  for (int k = 0; k < times; ++k) out += (k ? "\r\n" : "") + line;
  return out;
}

// Items of exactly `width` characters, at most `cap`, with how often each was entered.
inline std::map<std::string, int> items_of(const std::string& cleaned, std::size_t width, int cap) {
  std::map<std::string, int> items;
  int taken = 0;
  for (const std::string& part : split(cleaned, " ")) {
    if (part.size() != width) continue;
    if (taken++ == cap) break;
    ++items[part];
  }
  return items;
}

// The lines of the picks that a row keeps: inside the base list (when one
// is given) and failing a number of the set conditions inside the overall range.
template <typename Row, typename Expected, typename Pick>
std::vector<std::string> expected_kept(const Row& r, const Expected& e, const std::vector<Pick>& picks) {
  const double lo = leading_number(r.overall_lo), hi = leading_number(r.overall_hi);
  std::vector<std::string> kept;
  for (const Pick& p : picks) {
    if (e.outside_base && e.outside_base(p)) continue;
    int failed = 0;
    for (const auto& f : e.conditions) failed += f(p);
    if (lo <= failed && failed <= hi) kept.push_back(p.line);
  }
  return kept;
}

}  // namespace tesvik::plain
