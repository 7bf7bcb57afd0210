// Front-three conditions against brute force: every row sets up the panel,
// runs the filter through the application and compares the kept picks with
// those that a predicate keeps which is computed here from each pick's three
// numbers alone (sums, spans, forms, routes, runs, slopes and shapes are
// worked out again below, not taken from the engine). Selections are
// deliberately lopsided, so that swapped words, reversed places or a set
// that is off by one button keep a different set of picks.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/app.h"
#include "recording_port.h"

namespace tesvik {
namespace {

using Pick = std::array<int, 3>;
using Numbers = std::set<int>;

std::string two_digit(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
char shorthand(int n) { return static_cast<char>('0' + n % 10); }
std::string line_of(const Pick& p) { return two_digit(p[0]) + " " + two_digit(p[1]) + " " + two_digit(p[2]); }
bool has(const Pick& p, int n) { return p[0] == n || p[1] == n || p[2] == n; }
int how_many(const Pick& p, const Numbers& set) { return int(set.count(p[0]) + set.count(p[1]) + set.count(p[2])); }
bool holds(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Every ordered pick of three distinct numbers, place 1 outermost.
const std::vector<Pick>& all_picks() {
  static const std::vector<Pick> picks = [] {
    std::vector<Pick> v;
    for (int a = 1; a <= 10; ++a)
      for (int b = 1; b <= 10; ++b)
        for (int c = 1; c <= 10; ++c)
          if (a != b && a != c && b != c) v.push_back({a, b, c});
    return v;
  }();
  return picks;
}

std::size_t characters(std::string_view s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A range pair: each bound is the leading number of its box, to the nearest
// integer (halves to even).
struct Range {
  std::string lo = "0", hi = "0";
  bool outside(int count) const {
    auto bound = [](const std::string& t) { return static_cast<int>(std::nearbyint(std::strtod(t.c_str(), nullptr))); };
    return count < bound(lo) || count > bound(hi);
  }
};

// One condition of a row: what it sets on the panel and whether a pick fails
// it. The base list is no counted condition: a pick outside it is removed
// whatever the overall range.
struct Condition {
  std::function<void(PanelState&)> set;
  std::function<bool(const Pick&)> fails;
  bool base = false;
};

void select(PanelState& p, int kill_button) { p.annv[static_cast<std::size_t>(kill_button)].colour = kKill; }
void choose(PanelState& p, int keep_button, Colour c = kKeep) {
  p.annv_chu[static_cast<std::size_t>(keep_button)].colour = c;
}
void set_range(PanelState& p, int lower_box, const Range& r) {
  p.rc[static_cast<std::size_t>(lower_box)].text = r.lo;
  p.rc[static_cast<std::size_t>(lower_box) + 1].text = r.hi;
}

// Runs the filter with the conditions and the overall range, and checks the
// kept list against the predicates.
void expect_kept(const std::string& row, const std::vector<Condition>& conditions, std::string lo = "0",
                 std::string hi = "0") {
  SCOPED_TRACE(row);
  testing::RecordingPort port;
  App app{port};
  app.start_without_window();
  for (const Condition& c : conditions) c.set(app.panel());
  app.panel().jg_rc[0].text = lo;
  app.panel().jg_rc[1].text = hi;
  app.click({Ctl::C_jg_gn, 0});

  const double lower = std::strtod(lo.c_str(), nullptr), upper = std::strtod(hi.c_str(), nullptr);
  std::vector<std::string> want;
  for (const Pick& p : all_picks()) {
    int failed = 0;
    bool in_base = true;
    for (const Condition& c : conditions)
      if (c.fails(p)) {
        if (c.base) in_base = false;
        else ++failed;
      }
    if (in_base && lower <= failed && failed <= upper) want.push_back(line_of(p));
  }
  const std::vector<std::string>& got = app.panel().list_jg[0].rows;
  if (got == want) return;
  std::vector<std::string> missing, extra;
  std::set_difference(want.begin(), want.end(), got.begin(), got.end(), std::back_inserter(missing));
  std::set_difference(got.begin(), got.end(), want.begin(), want.end(), std::back_inserter(extra));
  auto first = [](const std::vector<std::string>& v) {
    std::string s;
    for (std::size_t i = 0; i < v.size() && i < 4; ++i) s += " [" + v[i] + "]";
    return s;
  };
  ADD_FAILURE() << "kept " << got.size() << ", expected " << want.size() << "; missing " << missing.size()
                << first(missing) << "; extra " << extra.size() << first(extra);
}

// ---- the conditions, each written from what it keeps ----

Condition kill_exact(std::string text) {
  std::string read;  // commas read as blanks, runs of blanks as one
  for (char c : text) {
    if (c == ',') c = ' ';
    if (c != ' ' || read.empty() || read.back() != ' ') read += c;
  }
  const bool active = characters(read) > 5;
  return {[text](PanelState& p) { p.txt_ip[0] = text; },
          [read, active](const Pick& p) { return active && holds(read, line_of(p)); }};
}

// 杀2码组合: how many of the killed pairs the pick holds.
Condition kill_pairs(std::vector<std::pair<int, int>> pairs, Range r) {
  return {[=](PanelState& p) {
            // Buttons 0..44 are the pairs a < b in the order 01/02, 01/03 .. 09/10.
            for (auto [a, b] : pairs) select(p, (a - 1) * (20 - a) / 2 + (b - a - 1));
            set_range(p, 0, r);
          },
          [=](const Pick& p) {
            int c = 0;
            for (auto [a, b] : pairs) c += has(p, a) && has(p, b);
            return !pairs.empty() && r.outside(c);
          }};
}

Condition kill_numbers(Numbers killed) {
  return {[=](PanelState& p) {
            for (int n : killed) select(p, 44 + n);
          },
          [=](const Pick& p) { return how_many(p, killed) > 0; }};
}

Condition kill_spans(Numbers spans) {
  return {[=](PanelState& p) {
            for (int s : spans) select(p, 55 + s - 2);
          },
          [=](const Pick& p) {
            return spans.count(*std::max_element(p.begin(), p.end()) - *std::min_element(p.begin(), p.end())) > 0;
          }};
}

Condition kill_sums(Numbers sums) {
  return {[=](PanelState& p) {
            for (int s : sums) select(p, 63 + s - 6);
          },
          [=](const Pick& p) { return sums.count(p[0] + p[1] + p[2]) > 0; }};
}

// 定位杀: how many places hold a number killed for that place.
Condition kill_positions(std::array<Numbers, 3> places, Range r) {
  return {[=](PanelState& p) {
            for (int k = 0; k < 3; ++k)
              for (int n : places[static_cast<std::size_t>(k)]) select(p, 85 + 10 * k + n - 1);
            set_range(p, 2, r);
          },
          [=](const Pick& p) {
            int c = 0;
            bool active = false;
            for (std::size_t k = 0; k < 3; ++k) {
              active = active || !places[k].empty();
              c += places[k].count(p[k]) > 0;
            }
            return active && r.outside(c);
          }};
}

// 胆组: a row with numbers is missed when the count of its numbers in the
// pick is not one of its chosen counts (none chosen: 1, 2 or 3).
struct DanRow {
  Numbers numbers, counts;
};
Condition sure_groups(std::array<DanRow, 4> rows, Range r) {
  return {[=](PanelState& p) {
            for (int k = 0; k < 4; ++k) {
              for (int n : rows[static_cast<std::size_t>(k)].numbers) choose(p, 14 * k + n - 1);
              for (int h : rows[static_cast<std::size_t>(k)].counts) choose(p, 14 * k + 10 + h);
            }
            set_range(p, 4, r);
          },
          [=](const Pick& p) {
            bool active = false;
            int missed = 0;
            for (const DanRow& row : rows) {
              if (row.numbers.empty()) continue;
              active = true;
              const Numbers counts = row.counts.empty() ? Numbers{1, 2, 3} : row.counts;
              missed += counts.count(how_many(p, row.numbers)) == 0;
            }
            return active && r.outside(missed);
          }};
}

// 排除前三复式: how many "X/Y/Z" entries cover the pick place by place.
Condition kill_compound(std::vector<std::string> entries, Range r) {
  return {[=](PanelState& p) {
            for (const std::string& e : entries) p.list_nei.push_back(e);
            set_range(p, 6, r);
          },
          [=](const Pick& p) {
            int c = 0;
            for (const std::string& e : entries) {
              std::array<std::string, 3> part;
              std::size_t k = 0;
              for (char ch : e)
                if (ch == '/') ++k;
                else if (k < 3) part[k] += ch;
              bool all = true;
              for (std::size_t q = 0; q < 3; ++q) all = all && holds(part[q], two_digit(p[q]));
              c += all;
            }
            return !entries.empty() && r.outside(c);
          }};
}

// 定位2码组合 (keep) and 定位杀2码组合 (kill): boxes AB, AC, BC of shorthand
// pairs, read after every character but digits and blanks became a blank.
Condition position_pairs(bool kill, std::array<std::string, 3> boxes, Range r) {
  std::array<std::string, 3> clean;
  for (std::size_t b = 0; b < 3; ++b) {
    std::string blanked;
    for (std::size_t i = 0; i < boxes[b].size(); ++i) {
      const unsigned char ch = static_cast<unsigned char>(boxes[b][i]);
      if ((ch & 0xC0) == 0x80) continue;
      blanked += std::isdigit(ch) || ch == ' ' ? char(ch) : ' ';
    }
    std::string once;
    for (std::size_t i = 0; i < blanked.size(); ++i) {
      once += blanked[i];
      if (blanked[i] == ' ' && i + 1 < blanked.size() && blanked[i + 1] == ' ') ++i;
    }
    const auto first = once.find_first_not_of(' ');
    clean[b] = first == std::string::npos ? "" : once.substr(first, once.find_last_not_of(' ') - first + 1);
  }
  const int first_box = kill ? 4 : 1;
  return {[=](PanelState& p) {
            for (int b = 0; b < 3; ++b)
              p.txt_ip[static_cast<std::size_t>(first_box + b)] = boxes[static_cast<std::size_t>(b)];
            set_range(p, kill ? 10 : 8, r);
          },
          [=](const Pick& p) {
            const std::array<std::string, 3> pair = {std::string{shorthand(p[0]), shorthand(p[1])},
                                                     std::string{shorthand(p[0]), shorthand(p[2])},
                                                     std::string{shorthand(p[1]), shorthand(p[2])}};
            bool active = false;
            int c = 0;
            for (std::size_t b = 0; b < 3; ++b) {
              if (clean[b].size() <= 1) continue;
              active = true;
              c += holds(clean[b], pair[b]) == kill;
            }
            return active && r.outside(c);
          }};
}

// 排除大小、奇偶、质合、012路: the pick's pattern per form, place by place.
enum Aspect { kSize, kParity, kPrime, kRoute };
std::string pattern(Aspect f, const Pick& p) {
  std::string s;
  for (int n : p) {
    if (f == kSize) s += n >= 6 ? "大" : "小";
    else if (f == kParity) s += n % 2 ? "奇" : "偶";
    else if (f == kPrime) s += n == 1 || n == 2 || n == 3 || n == 5 || n == 7 ? "质" : "合";
    else s += char('0' + n % 3);
  }
  return s;
}
// Button of a pattern: the captions of each two-word form in panel order.
int form_button(Aspect f, const std::string& text) {
  static const std::array<std::array<const char*, 2>, 3> kWords = {{{"大", "小"}, {"奇", "偶"}, {"质", "合"}}};
  if (f == kRoute) return 169 + 9 * (text[0] - '0') + 3 * (text[1] - '0') + (text[2] - '0');
  static const char* kOrder[8] = {"AAA", "AAB", "ABA", "ABB", "BBB", "BBA", "BAB", "BAA"};
  for (int i = 0; i < 8; ++i) {
    std::string caption;
    for (int k = 0; k < 3; ++k) caption += kWords[static_cast<std::size_t>(f)][kOrder[i][k] == 'B'];
    if (caption == text) return 145 + 8 * f + i;
  }
  ADD_FAILURE() << "no pattern " << text;
  return 0;
}
Condition kill_forms(std::array<std::vector<std::string>, 4> lists, Range r) {
  return {[=](PanelState& p) {
            for (int f = 0; f < 4; ++f)
              for (const std::string& t : lists[static_cast<std::size_t>(f)]) select(p, form_button(Aspect(f), t));
            set_range(p, 12, r);
          },
          [=](const Pick& p) {
            int c = 0;
            bool active = false;
            for (int f = 0; f < 4; ++f) {
              const auto& l = lists[static_cast<std::size_t>(f)];
              active = active || !l.empty();
              c += std::find(l.begin(), l.end(), pattern(Aspect(f), p)) != l.end();
            }
            return active && r.outside(c);
          }};
}

// 奇号个数、大号个数、质号个数: a row with chosen counts is missed when the
// pick's count of odd (big, prime) numbers is not chosen.
Condition keep_counts(std::array<Numbers, 3> chosen, Range r) {
  static const std::array<Numbers, 3> kSets = {Numbers{1, 3, 5, 7, 9}, Numbers{6, 7, 8, 9, 10}, Numbers{1, 2, 3, 5, 7}};
  return {[=](PanelState& p) {
            for (int k = 0; k < 3; ++k)
              for (int h : chosen[static_cast<std::size_t>(k)]) choose(p, 56 + 4 * k + h);
            set_range(p, 14, r);
          },
          [=](const Pick& p) {
            int missed = 0;
            bool active = false;
            for (std::size_t k = 0; k < 3; ++k) {
              if (chosen[k].empty()) continue;
              active = true;
              missed += chosen[k].count(how_many(p, kSets[k])) == 0;
            }
            return active && r.outside(missed);
          }};
}

// 任意两码差 / 任意两码合: a hit when the last digit of the difference (sum)
// of any two places is chosen; keep mode fails picks without a hit, exclude
// mode picks with one.
Condition pair_digits(bool sum, bool exclude, Numbers digits) {
  const int first = sum ? 78 : 68, keep_option = sum ? 2 : 0;
  return {[=](PanelState& p) {
            for (int d : digits) choose(p, first + d, exclude ? kExclude : kKeep);
            p.n_xuan_1[static_cast<std::size_t>(keep_option)].colour = exclude ? kNeutral : kKeep;
            p.n_xuan_1[static_cast<std::size_t>(keep_option) + 1].colour = exclude ? kExclude : kNeutral;
          },
          [=](const Pick& p) {
            bool hit = false;
            for (auto [x, y] : {std::pair{p[0], p[1]}, std::pair{p[0], p[2]}, std::pair{p[1], p[2]}})
              hit = hit || digits.count(sum ? (x + y) % 10 : std::abs(x - y) % 10) > 0;
            return !digits.empty() && hit == exclude;
          }};
}

Condition min_max(Numbers smallest, Numbers largest) {
  return {[=](PanelState& p) {
            for (int n : smallest) choose(p, 88 + n - 1);
            for (int n : largest) choose(p, 96 + n - 3);
          },
          [=](const Pick& p) {
            const int lo = *std::min_element(p.begin(), p.end()), hi = *std::max_element(p.begin(), p.end());
            return (!smallest.empty() && !smallest.count(lo)) || (!largest.empty() && !largest.count(hi));
          }};
}

// 特别排除: run class of the numbers in any order, slope and peak/valley of
// the places.
Condition special(std::set<std::string> captions) {
  static const std::array<const char*, 7> kCaptions = {"不连", "2连", "3连", "上山", "下山", "凸型", "凹型"};
  return {[=](PanelState& p) {
            for (int i = 0; i < 7; ++i)
              if (captions.count(kCaptions[static_cast<std::size_t>(i)])) select(p, 196 + i);
          },
          [=](const Pick& p) {
            Pick s = p;
            std::sort(s.begin(), s.end());
            const int steps = (s[1] - s[0] == 1) + (s[2] - s[1] == 1);
            const std::string run = steps == 2 ? "3连" : steps == 1 ? "2连" : "不连";
            const std::string slope = p[0] < p[1] && p[1] < p[2] ? "上山" : p[0] > p[1] && p[1] > p[2] ? "下山" : "";
            const std::string shape = p[1] > p[0] && p[1] > p[2] ? "凸型" : p[1] < p[0] && p[1] < p[2] ? "凹型" : "";
            return captions.count(run) || captions.count(slope) || captions.count(shape);
          }};
}

// 大底: the compact picks ("010203") written in the box, blanks and commas
// dropped; fewer than six characters are no list.
Condition base_list(std::string text) {
  std::string kept;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 3, "，") == 0) {
      i += 2;
      continue;
    }
    if (text[i] != ' ' && text[i] != ',') kept += text[i];
  }
  std::string flat;  // a line break (CR LF, CR or LF) read as one blank
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (kept[i] == '\r' && i + 1 < kept.size() && kept[i + 1] == '\n') ++i;
    flat += kept[i] == '\r' || kept[i] == '\n' ? ' ' : kept[i];
  }
  const auto first = flat.find_first_not_of(' ');
  const bool active =
      first != std::string::npos && characters(flat.substr(first, flat.find_last_not_of(' ') - first + 1)) >= 6;
  Condition c{[text](PanelState& p) { p.txt_ip[7] = text; },
              [kept, active](const Pick& p) {
                return active && !holds(kept, two_digit(p[0]) + two_digit(p[1]) + two_digit(p[2]));
              }};
  c.base = true;
  return c;
}

// ---- the rows ----

TEST(FrontThreeBrute, KillExactNamesPickLinesOnlyWithTheirBlanks) {
  for (const char* text : {"01 02 03", "01,02,03\r\n10,09,08", "101 02 03", "01x02x03", "0102 03", "010203",
                           "01  02   03 04", "01 , 02 03", "03 02 01 07 07 05"})
    expect_kept(std::string("杀直选 ") + text, {kill_exact(text)});
}

TEST(FrontThreeBrute, KillPairsCountedAgainstTheirRange) {
  const std::vector<std::pair<int, int>> lopsided = {{1, 2}, {2, 9}, {3, 10}};
  const struct {
    std::vector<std::pair<int, int>> pairs;
    Range range;
  } rows[] = {
      {lopsided, {"0", "0"}},
      {lopsided, {"1", "1"}},
      {lopsided, {"1", "2"}},
      {{{1, 10}}, {"0", "0"}},
      {{{9, 10}, {1, 3}, {2, 3}}, {"2", "1"}},
      {{{4, 5}, {4, 6}, {5, 6}, {7, 8}}, {"0.5", "1.5"}},  // 0-2
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept("杀2码组合 row " + std::to_string(i), {kill_pairs(rows[i].pairs, rows[i].range)});
}

TEST(FrontThreeBrute, KillNumbersSpansAndSums) {
  for (const Numbers& n : {Numbers{5}, Numbers{10}, Numbers{1, 7, 8}})
    expect_kept("通杀码 " + std::to_string(*n.begin()), {kill_numbers(n)});
  for (const Numbers& s : {Numbers{2}, Numbers{9}, Numbers{3, 5, 8}})
    expect_kept("杀跨度 " + std::to_string(*s.begin()), {kill_spans(s)});
  for (const Numbers& s : {Numbers{6, 27}, Numbers{10}, Numbers{16, 17, 21}})
    expect_kept("杀和值 " + std::to_string(*s.begin()), {kill_sums(s)});
}

TEST(FrontThreeBrute, PositionalKillCountsPlacesAgainstItsRange) {
  const struct {
    std::array<Numbers, 3> places;
    Range range;
  } rows[] = {
      {{Numbers{1}, Numbers{2, 3}, Numbers{}}, {"0", "0"}},
      {{Numbers{10}, Numbers{}, Numbers{1}}, {"1", "1"}},
      {{Numbers{1, 2}, Numbers{1, 2}, Numbers{1, 2}}, {"1", "3"}},
      {{Numbers{4}, Numbers{5}, Numbers{6, 7}}, {"2", "3"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept("定位杀 row " + std::to_string(i), {kill_positions(rows[i].places, rows[i].range)});
}

TEST(FrontThreeBrute, DanGroupsCountMissedRows) {
  const struct {
    std::array<DanRow, 4> rows;
    Range range;
  } rows[] = {
      {{DanRow{{1, 2, 3, 4, 5}, {}}}, {"0", "0"}},  // no count chosen: one to three of them
      {{DanRow{{1, 2}, {2}}, DanRow{{3}, {0}}}, {"0", "0"}},
      {{DanRow{{1, 2}, {2}}, DanRow{{3}, {0}}}, {"1", "1"}},
      {{DanRow{}, DanRow{{6, 7, 8}, {0, 3}}, DanRow{}, DanRow{{2, 4, 6, 8, 10}, {}}}, {"0", "0"}},
      {{DanRow{}, DanRow{}, DanRow{{10}, {1}}, DanRow{{9, 10}, {1, 2}}}, {"0", "1"}},
      {{DanRow{{}, {3}}}, {"0", "0"}},  // counts without numbers: no condition
      {{DanRow{{5}, {}}}, {"1", "0"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept("胆组 row " + std::to_string(i), {sure_groups(rows[i].rows, rows[i].range)});
}

TEST(FrontThreeBrute, CompoundEntriesCoverPlaceByPlace) {
  const std::vector<std::string> three = {"01 02/03 05/07", "10/01 09/02 03 04", "01/03/07"};
  const struct {
    std::vector<std::string> entries;
    Range range;
  } rows[] = {
      {{"01 02/03 05/07"}, {"0", "0"}},    {three, {"0", "0"}}, {three, {"1", "1"}}, {three, {"2", "2"}},
      {{"01/02", "05/06/07"}, {"0", "0"}},  // an entry without a third place covers nothing
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept("排除前三复式 row " + std::to_string(i), {kill_compound(rows[i].entries, rows[i].range)});
}

TEST(FrontThreeBrute, PositionalPairBoxesKeepAndKill) {
  const struct {
    bool kill;
    std::array<std::string, 3> boxes;
    Range range;
  } rows[] = {
      {false, {"12", "", ""}, {"0", "0"}},
      {false, {"12 30", "", "24 05"}, {"0", "0"}},
      {false, {"12 30", "19", "29 05"}, {"0", "1"}},
      {false, {"x1-2y", "13", ""}, {"1", "1"}},  // "1 2" is in use but names no pair
      {false, {"125", "", "53 20"}, {"0", "0"}},
      {true, {"12", "13 31", "0"}, {"0", "0"}},  // a single digit leaves BC unused
      {true, {"12", "13 31", "0"}, {"1", "1"}},
      {true, {"21 10", "", "98 89"}, {"1", "1"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept(std::string(rows[i].kill ? "定位杀2码组合" : "定位2码组合") + " row " + std::to_string(i),
                {position_pairs(rows[i].kill, rows[i].boxes, rows[i].range)});
}

TEST(FrontThreeBrute, FormPatternsReadPlaceByPlace) {
  using L = std::vector<std::string>;
  const struct {
    std::array<L, 4> lists;  // size, parity, prime, route
    Range range;
  } rows[] = {
      {{L{"大小大"}, L{}, L{}, L{}}, {"0", "0"}},
      {{L{}, L{"奇奇偶"}, L{}, L{}}, {"0", "0"}},
      {{L{}, L{}, L{}, L{"012"}}, {"0", "0"}},
      {{L{}, L{}, L{"质合合"}, L{"120", "201"}}, {"1", "1"}},
      {{L{"小大大"}, L{"偶偶奇"}, L{"合质质"}, L{"222"}}, {"0", "1"}},
      {{L{"大大大", "小小小"}, L{"偶奇偶"}, L{}, L{}}, {"2", "4"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept("排除形态 row " + std::to_string(i), {kill_forms(rows[i].lists, rows[i].range)});
}

TEST(FrontThreeBrute, OddBigAndPrimeCounts) {
  const struct {
    std::array<Numbers, 3> chosen;  // odd, big, prime
    Range range;
  } rows[] = {
      {{Numbers{0, 3}, Numbers{}, Numbers{}}, {"0", "0"}},   {{Numbers{}, Numbers{0}, Numbers{}}, {"0", "0"}},
      {{Numbers{}, Numbers{3}, Numbers{}}, {"0", "0"}},      {{Numbers{}, Numbers{}, Numbers{2}}, {"0", "0"}},
      {{Numbers{1, 2}, Numbers{2}, Numbers{1}}, {"1", "1"}}, {{Numbers{3}, Numbers{1, 3}, Numbers{0, 3}}, {"0", "1"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept("个数 row " + std::to_string(i), {keep_counts(rows[i].chosen, rows[i].range)});
}

TEST(FrontThreeBrute, PairDifferencesAndSumTailsInBothModes) {
  const struct {
    bool sum, exclude;
    Numbers digits;
  } rows[] = {
      // Row 0 keeps only 01 with 10; in row 3 no difference ends in 0, so
      // nothing is excluded.
      {false, false, {9}},     {false, false, {1, 4}},   {false, true, {2, 7}}, {false, true, {0}},
      {false, false, {0}},     {false, true, {5, 6, 8}}, {true, false, {0}},    {true, false, {3, 8}},
      {true, true, {1, 9, 4}}, {true, true, {0}},        {true, false, {2}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept(std::string(rows[i].sum ? "任意两码合" : "任意两码差") + " row " + std::to_string(i),
                {pair_digits(rows[i].sum, rows[i].exclude, rows[i].digits)});
}

TEST(FrontThreeBrute, SmallestAndLargestNumber) {
  const std::pair<Numbers, Numbers> rows[] = {
      {{2}, {}}, {{}, {10, 7}}, {{1, 3}, {9}}, {{8}, {3}}, {{8}, {}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    expect_kept("最小号与最大号 row " + std::to_string(i), {min_max(rows[i].first, rows[i].second)});
}

TEST(FrontThreeBrute, SpecialShapes) {
  using S = std::set<std::string>;
  const S rows[] = {S{"上山"}, S{"下山", "凹型"}, S{"2连"}, S{"不连", "凸型"}, S{"3连", "上山"}, S{"凹型"}};
  for (const S& r : rows) expect_kept("特别排除 " + *r.begin() + " +" + std::to_string(r.size() - 1), {special(r)});
}

TEST(FrontThreeBrute, BaseListReadsCompactPicks) {
  for (const char* text :
       {"010203", " 01，02, 03\r\n0405 06 ", "01020", "0102030405", "01 02 03", "10 09 08\n07,06,05"})
    expect_kept(std::string("大底 ") + text, {base_list(text)});
}

// Several conditions at once: each counts once however many of its items a
// pick fails, the overall range decides, and the base list holds regardless.
TEST(FrontThreeBrute, OverallRangeOverSeveralConditions) {
  const std::vector<Condition> three = {kill_numbers({10}), kill_spans({9}), special({"上山"})};
  for (auto [lo, hi] : {std::pair{"0", "0"}, {"1", "1"}, {"0", "1"}, {"2", "3"}, {"1", "0"}})
    expect_kept(std::string("three conditions ") + lo + "-" + hi, three, lo, hi);

  const std::vector<Condition> base_and_one = {base_list("010203\r\n040506"), kill_numbers({1})};
  for (auto [lo, hi] : {std::pair{"0", "0"}, {"1", "1"}, {"0", "20"}})
    expect_kept(std::string("base and 通杀码 ") + lo + "-" + hi, base_and_one, lo, hi);

  const std::vector<Condition> every = {
      kill_exact("10 09 08\r\n01 02 03"),
      kill_pairs({{1, 2}, {2, 9}}, {"0", "1"}),
      kill_numbers({4}),
      kill_spans({2, 8}),
      kill_sums({15, 16}),
      kill_positions({Numbers{1}, Numbers{}, Numbers{10}}, {"0", "1"}),
      sure_groups({DanRow{{1, 3, 5, 7}, {}}, DanRow{{2, 10}, {0, 1}}}, {"0", "1"}),
      kill_compound({"01 02/03 05/07", "06/07 08/09"}, {"0", "0"}),
      position_pairs(false, {"12 56 79", "", ""}, {"0", "1"}),
      position_pairs(true, {"", "13", "85"}, {"0", "0"}),
      kill_forms({std::vector<std::string>{"大小大"}, {"奇奇奇"}, {}, {"012"}}, {"0", "1"}),
      keep_counts({Numbers{1, 2}, Numbers{}, Numbers{1, 2}}, {"0", "0"}),
      pair_digits(false, true, {1}),
      pair_digits(true, false, {1, 3, 7}),
      min_max({1, 2, 3}, {8, 9, 10}),
      special({"下山", "凸型"}),
      base_list("010203\r\n090807\r\n050906\r\n060708\r\n100302\r\n070109\r\n030810\r\n020406\r\n080507\r\n"
                "040910\r\n061002\r\n080301\r\n010709\r\n051008\r\n090204\r\n030610\r\n100705\r\n020801"),
  };
  for (auto [lo, hi] : {std::pair{"0", "0"}, {"0", "2"}, {"2", "4"}, {"0", "16"}, {"17", "20"}})
    expect_kept(std::string("every condition ") + lo + "-" + hi, every, lo, hi);
}

}  // namespace
}  // namespace tesvik
