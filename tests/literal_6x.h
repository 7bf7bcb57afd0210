#pragma once
// The front-six positional patterns and compound lines evaluated the plain
// way, pick by pick and item by item, with their own reading of the boxes.
// The tests compare the program's evaluation with it on random inputs and
// the benchmark measures how much faster the program's evaluation is.

#include <array>
#include <string>
#include <vector>

#include "model/pick_order.h"

namespace tesvik::literal6 {

using Pick = std::array<int, 6>;

// Every pick in pick order; element 0 is pick index 1.
inline const std::vector<Pick>& picks() {
  static const std::vector<Pick> all = [] {
    std::vector<Pick> v;
    for_each_pick(6, [&](std::span<const std::uint8_t> n) { v.push_back({n[0], n[1], n[2], n[3], n[4], n[5]}); });
    return v;
  }();
  return all;
}

// Each character outside `allowed` becomes a blank; the text is split at
// blanks, empty parts dropped.
inline std::vector<std::string> tokens(const std::string& text, const std::string& allowed) {
  std::vector<std::string> out;
  std::string current;
  for (char c : text) {
    if (allowed.find(c) != std::string::npos && c != '\0') {
      current += c;
    } else if (!current.empty()) {
      out.push_back(current);
      current.clear();
    }
  }
  if (!current.empty()) out.push_back(current);
  return out;
}

inline int number_of(char digit) { return digit == '0' ? 10 : digit - '0'; }

// 1 = fails, per pick index 1..151200 (element 0 unused); empty when the
// box gives no pattern. Hits are compared with lo..hi, counts above 99 never pass.
inline std::vector<int> position_patterns(const std::string& box, int lo, int hi) {
  std::vector<Pick> patterns;  // 0 for "*"
  for (const std::string& t : tokens(box, "0123456789*")) {
    if (t.size() != 6 || t == "******" || patterns.size() == 100000) continue;
    Pick pattern{};
    for (std::size_t p = 0; p < 6; ++p) pattern[p] = t[p] == '*' ? 0 : number_of(t[p]);
    patterns.push_back(pattern);
  }
  if (patterns.empty()) return {};
  std::vector<int> fails(1, 0);
  for (const Pick& pick : picks()) {
    int hits = 0;
    for (const Pick& pattern : patterns) {
      bool all = true;
      for (std::size_t p = 0; p < 6; ++p) all = all && (pattern[p] == 0 || pattern[p] == pick[p]);
      hits += all;
    }
    fails.push_back(!(hits >= lo && hits <= hi && hits <= 99));
  }
  return fails;
}

// Marks of the compound lines; empty when the box gives none; -1 in
// element 0 when it gives more than 100 (the run fails).
inline std::vector<int> compound_lines(const std::string& box, int lo, int hi) {
  std::string kept;
  for (char c : box)
    if (std::string("0123456789/\r\n").find(c) != std::string::npos && c != '\0') kept += c;
  std::size_t characters = 0;  // UTF-8 continuation bytes do not count
  for (char c : box) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  if (characters <= 5) return {};
  std::vector<std::array<std::string, 6>> lines;
  std::size_t at = 0;
  while (at <= kept.size()) {
    std::size_t end = kept.find("\r\n", at);
    if (end == std::string::npos) end = kept.size();
    const std::string line = "/" + kept.substr(at, end - at);
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t slash; (slash = line.find('/', from)) != std::string::npos; from = slash + 1)
      fields.push_back(line.substr(from, slash - from));
    fields.push_back(line.substr(from));
    if (line.size() > 1 && line.find('/', 1) != std::string::npos && fields.size() >= 7) {
      if (lines.size() == 100) return {-1};
      lines.push_back({fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]});
    }
    at = end + 2;
  }
  if (lines.empty()) return {};
  // listed[line][place][n]: the line's field for the place names number n.
  std::vector<std::array<std::array<bool, 11>, 6>> listed(lines.size());
  for (std::size_t l = 0; l < lines.size(); ++l)
    for (std::size_t p = 0; p < 6; ++p)
      for (char d : lines[l][p])
        if (d >= '0' && d <= '9') listed[l][p][static_cast<std::size_t>(number_of(d))] = true;
  std::vector<int> fails(1, 0);
  for (const Pick& pick : picks()) {
    int hits = 0;
    for (const auto& line : listed) {
      bool covered = true;
      for (std::size_t p = 0; p < 6; ++p) covered = covered && line[p][static_cast<std::size_t>(pick[p])];
      hits += covered;
    }
    fails.push_back(!(hits >= lo && hits <= hi));
  }
  return fails;
}

}  // namespace tesvik::literal6
