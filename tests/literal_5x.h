#pragma once
// The front-five positional patterns and digit form boxes evaluated the
// plain way, pick by pick and pattern by pattern, with their own cleaning.
// The tests compare the program's evaluation with it on random inputs and
// the benchmarks measure how much faster the program's evaluation is.

#include <array>
#include <string>
#include <vector>

#include "filter/tolerance.h"
#include "model/universe.h"
#include "plain_rules.h"

namespace tesvik::literal {

using plain::clean;

inline std::vector<std::string> items(const std::string& text, std::size_t length, std::size_t cap) {
  std::vector<std::string> out;
  for (const std::string& item : plain::split(text, " "))
    if (item.size() == length && out.size() < cap) out.push_back(item);
  return out;
}

// Marks (1 = fails) per pick index 1..30240 of the positional patterns, or
// an empty vector when the box makes no pass; `box` is cleaned in place.
inline std::vector<int> position_patterns(std::string& box, ToleranceRange range) {
  box = clean(box, "1234567890*");
  if (box.size() <= 4) return {};
  const auto patterns = items(box, 5, 1000);
  if (patterns.empty()) return {};
  const Universe& u = universe(5);
  std::vector<int> marks(static_cast<std::size_t>(u.size) + 1, 0);
  for (int i = 1; i <= u.size; ++i) {
    int hits = 0;
    for (const std::string& pattern : patterns) {
      bool all = true;
      for (int p = 0; p < 5; ++p) {
        if (pattern[static_cast<std::size_t>(p)] == '*') continue;
        const int n = pattern[static_cast<std::size_t>(p)] == '0' ? 10 : pattern[static_cast<std::size_t>(p)] - '0';
        all = all && u.number(i, p + 1) == n;
      }
      hits += all;
    }
    marks[static_cast<std::size_t>(i)] = hits < range.lower || hits > range.upper;
  }
  return marks;
}

// Marks of the four digit form boxes (大1小0, 奇1偶0, 质1合0, 012路).
inline std::vector<int> form_boxes(std::array<std::string, 4>& boxes, ToleranceRange range) {
  static const std::array<std::string, 4> kAllowed = {"01", "01", "01", "012"};
  static const std::array<std::string, 4> kClass = {"00000011111", "01010101010", "01110101000", "01201201201"};
  std::array<std::vector<std::string>, 4> patterns;
  bool any = false;
  for (std::size_t k = 0; k < 4; ++k) {
    boxes[k] = clean(boxes[k], kAllowed[k]);
    if (boxes[k].size() > 4) patterns[k] = items(boxes[k], 5, 1001);
    any = any || !patterns[k].empty();
  }
  if (!any) return {};
  const Universe& u = universe(5);
  std::vector<int> marks(static_cast<std::size_t>(u.size) + 1, 0);
  for (int i = 1; i <= u.size; ++i) {
    int hits = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      std::string shape;
      for (int p = 1; p <= 5; ++p) shape += kClass[k][static_cast<std::size_t>(u.number(i, p))];
      bool hit = false;
      for (const std::string& pattern : patterns[k]) hit = hit || pattern == shape;
      hits += hit;
    }
    marks[static_cast<std::size_t>(i)] = hits < range.lower || hits > range.upper;
  }
  return marks;
}

}  // namespace tesvik::literal
