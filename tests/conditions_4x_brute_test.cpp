// Front-four runs against a plain evaluation of the page. Each row sets up
// the page, presses "开始缩水" and compares the kept list with the picks that
// a direct reading of every condition keeps, pick by pick from its numbers;
// the boxes that a run cleans must show their cleaned text afterwards.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/app.h"
#include "brute_page.h"
#include "model/universe.h"
#include "plain_rules.h"
#include "recording_port.h"

namespace tesvik {
namespace {

using namespace plain;

// ---- a row: one setup of the page ----

struct Row : RowSetup<Row> {
  using RowSetup::RowSetup;
  bool difference_exclude = false;  // C_n_xuan_1 8
  bool sum_exclude = false;         // C_n_xuan_1 10
  Row& exclude_differences() {
    difference_exclude = true;
    return *this;
  }
  Row& exclude_sums() {
    sum_exclude = true;
    return *this;
  }
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const Row& r, std::ostream* out) { *out << r.id; }

// ---- a front-four pick and the conditions over it ----

using Pick = plain::Pick<4>;
using Expected = plain::Expected<4>;
using Fails = Expected::Fails;

// Shorthand digits as two-digit texts: "0" is 10, "1".."9" are 01..09.
std::string expand(std::string_view cleaned) {
  std::string out;
  for (char c : cleaned)
    out += c == '0'                                      ? std::string("10")
           : std::isdigit(static_cast<unsigned char>(c)) ? std::string("0") + c
                                                         : std::string(1, c);
  return out;
}

int longest_run(const std::array<int, 4>& n) {
  std::array<bool, 12> in{};
  for (int v : n) in[static_cast<std::size_t>(v)] = true;
  int best = 0;
  for (int v = 1, run = 0; v <= 10; ++v) best = std::max(best, run = in[static_cast<std::size_t>(v)] ? run + 1 : 0);
  return best;
}

Expected expect(const Row& r) {
  Expected e;
  auto& c = e.conditions;
  const std::string digits = "0123456789";

  // 杀直选
  if (auto killed = pick_lines<4>(7, text_of(r, 8)); !killed.empty())
    c.push_back([killed](const Pick& p) { return killed.count(p.n) > 0; });

  // 杀2码组合 and 杀3码组合: items counted with repetition, digits in any place
  for (auto [k, width, lower] : {std::array<int, 3>{9, 2, 16}, std::array<int, 3>{10, 3, 18}}) {
    const std::string cleaned = clean(text_of(r, k), digits);
    e.boxes_after[k] = cleaned;
    if (cleaned.size() <= static_cast<std::size_t>(width - 1)) continue;
    const auto items = items_of(cleaned, static_cast<std::size_t>(width), 100000);
    c.push_back([items, range = range_of(r, lower)](const Pick& p) {
      int hits = 0;
      for (const auto& [item, times] : items)
        if (std::all_of(item.begin(), item.end(), [&](char d) { return contains(p.s, std::string(1, d)); }))
          hits += times;
      return range.fails(hits);
    });
  }

  // 通杀码, 杀跨度, 杀和值
  if (const auto list = kill_list(r, 203, number_captions(1, 10)); list.size() > 1)
    c.push_back([list](const Pick& p) {
      return std::any_of(p.t.begin(), p.t.end(), [&](const std::string& t) { return contains(list, t); });
    });
  if (const auto list = kill_list(r, 213, digit_captions(3, 9)); list.size() > 1)
    c.push_back([list](const Pick& p) {
      return contains(
          list, std::to_string(*std::max_element(p.n.begin(), p.n.end()) - *std::min_element(p.n.begin(), p.n.end())));
    });
  if (const auto list = kill_list(r, 220, digit_captions(10, 34)); list.size() > 1)
    c.push_back([list](const Pick& p) { return contains(list, two_digits(p.n[0] + p.n[1] + p.n[2] + p.n[3])); });

  // 定位杀
  {
    std::array<std::string, 4> lists;
    for (int k = 0; k < 4; ++k) lists[k] = kill_list(r, 245 + 10 * k, number_captions(1, 10));
    if ((lists[0] + lists[1] + lists[2] + lists[3]).size() > 1)
      c.push_back([lists, range = range_of(r, 20)](const Pick& p) {
        int hits = 0;
        for (int k = 0; k < 4; ++k) hits += lists[k].size() > 2 && contains(lists[k], p.t[k]);
        return range.fails(hits);
      });
  }

  // 胆组
  {
    std::array<std::string, 4> numbers, counts;
    for (int row = 0; row < 4; ++row) {
      numbers[row] = keep_list(r, 104 + 15 * row, number_captions(1, 10));
      counts[row] = keep_list(r, 114 + 15 * row, digit_captions(0, 4));
      if (counts[row].empty()) counts[row] = "1234";
    }
    if ((numbers[0] + numbers[1] + numbers[2] + numbers[3]).size() > 1)
      c.push_back([numbers, counts, range = range_of(r, 22)](const Pick& p) {
        int missed = 0;
        for (int row = 0; row < 4; ++row) {
          if (numbers[row].size() <= 2) continue;
          int h = 0;
          for (const auto& t : p.t) h += contains(numbers[row], t);
          missed += !contains(counts[row], std::to_string(h));
        }
        return range.fails(missed);
      });
  }

  // 任意两码差 and 任意两码合
  for (auto [first, exclude, of_sum] :
       {std::array<int, 3>{179, r.difference_exclude, 0}, std::array<int, 3>{189, r.sum_exclude, 1}}) {
    const auto list = keep_list(r, first, digit_captions(0, 9));
    if (list.empty()) continue;
    c.push_back([list, exclude = exclude != 0, of_sum = of_sum != 0](const Pick& p) {
      bool hit = false;
      for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
          const std::string v = std::to_string(of_sum ? p.n[a] + p.n[b] : p.n[a] - p.n[b]);
          hit = hit || contains(list, v.substr(v.size() - 1));
        }
      return exclude ? hit : !hit;
    });
  }

  // 最小号与最大号
  {
    const auto smallest = keep_list(r, 199, number_captions(1, 7));
    const auto largest = keep_list(r, 206, number_captions(4, 10));
    if (!(smallest + largest).empty())
      c.push_back([smallest, largest](const Pick& p) {
        std::string lo, hi;
        for (int n = 1; n <= 10 && lo.empty(); ++n)
          if (contains(p.line, two_digits(n))) lo = two_digits(n);
        for (int n = 10; n >= 1 && hi.empty(); --n)
          if (contains(p.line, two_digits(n))) hi = two_digits(n);
        return (smallest.size() > 1 && !contains(smallest, lo)) || (largest.size() > 1 && !contains(largest, hi));
      });
  }

  // 杀垃圾复式: at most 100 entries of four "/" parts
  {
    const std::string cleaned = clean(text_of(r, 11), "0123456789./\r\n");
    e.boxes_after[11] = cleaned;
    if (!cleaned.empty()) {
      std::vector<std::vector<std::string>> entries;
      for (const std::string& line : split(cleaned, "\r\n")) {
        auto parts = split(line, "/");
        if (parts.size() < 4) continue;
        if (entries.size() == 100) break;
        parts.resize(4);
        entries.push_back(parts);
      }
      c.push_back([entries, range = range_of(r, 26)](const Pick& p) {
        int hits = 0;
        for (const auto& entry : entries)
          hits += contains(entry[0], p.t[0]) && contains(entry[1], p.t[1]) && contains(entry[2], p.t[2]) &&
                  contains(entry[3], p.t[3]);
        return range.fails(hits);
      });
    }
  }

  // 定位杀组合: two-star boxes AB AC AD BC BD CD, three-star boxes ABC ABD ACD BCD
  struct StarBox {
    int box;
    std::vector<int> places;
  };
  const std::vector<StarBox> two_star{{12, {0, 1}}, {13, {0, 2}}, {14, {0, 3}},
                                      {15, {1, 2}}, {16, {1, 3}}, {17, {2, 3}}};
  const std::vector<StarBox> three_star{{18, {0, 1, 2}}, {19, {0, 1, 3}}, {20, {0, 2, 3}}, {21, {1, 2, 3}}};
  for (const auto& [boxes, longer_than, lower] : {std::tuple{two_star, 3u, 28}, std::tuple{three_star, 5u, 30}}) {
    std::vector<std::pair<std::string, std::vector<int>>> active;
    for (const StarBox& b : boxes) {
      const std::string cleaned = clean(text_of(r, b.box), digits);
      e.boxes_after[b.box] = cleaned;
      if (expand(cleaned).size() > longer_than) active.emplace_back(expand(cleaned), b.places);
    }
    if (active.empty()) continue;
    c.push_back([active, range = range_of(r, lower)](const Pick& p) {
      int hits = 0;
      for (const auto& [text, places] : active) {
        std::string joined;
        for (int k : places) joined += p.t[static_cast<std::size_t>(k)];
        hits += contains(text, joined);
      }
      return range.fails(hits);
    });
  }

  // 排除大小、奇偶、质合、012路: captions placed by the index rule
  {
    auto letters = [](int offset, const char* first, const char* second) {
      const int bits[4] = {(offset >> 2) & 1, (offset >> 1) & 1, offset & 1, (offset >> 3) & 1};
      std::string caption;
      for (int b : bits) caption += b ? second : first;
      return caption;
    };
    std::array<std::string, 4> lists;
    const char* words[3][2] = {{"大", "小"}, {"奇", "偶"}, {"质", "合"}};
    for (int f = 0; f < 3; ++f)
      for (int off = 0; off < 16; ++off)
        if (killed(r, 335 + 16 * f + off)) lists[f] += letters(off, words[f][0], words[f][1]) + ".";
    for (int off = 0; off < 81; ++off)
      if (killed(r, 383 + off))
        lists[3] += std::to_string(off / 27) + std::to_string(off / 9 % 3) + std::to_string(off / 3 % 3) +
                    std::to_string(off % 3) + ".";
    if ((lists[0] + lists[1] + lists[2] + lists[3]).size() > 1)
      c.push_back([lists, range = range_of(r, 32)](const Pick& p) {
        std::array<std::string, 4> pattern;
        for (int v : p.n) {
          pattern[0] += v <= 5 ? "小" : "大";
          pattern[1] += v % 2 == 0 ? "偶" : "奇";
          pattern[2] += (v == 4 || v == 6 || v == 8 || v == 9 || v == 10) ? "合" : "质";
          pattern[3] += std::to_string(v % 3);
        }
        int hits = 0;
        for (int f = 0; f < 4; ++f) hits += lists[f].size() > 2 && contains(lists[f], pattern[f]);
        return range.fails(hits);
      });
  }

  // 奇号个数、大号个数、质号个数 (buttons 164.. big, 169.. odd, 174.. prime)
  {
    const std::array<std::string, 3> lists{keep_list(r, 164, digit_captions(0, 4)),
                                           keep_list(r, 169, digit_captions(0, 4)),
                                           keep_list(r, 174, digit_captions(0, 4))};
    if (!(lists[0] + lists[1] + lists[2]).empty())
      c.push_back([lists, range = range_of(r, 24)](const Pick& p) {
        const std::array<std::string, 3> sets{"06.07.08.09.10", "01.03.05.07.09", "01.02.03.05.07"};
        int missed = 0;
        for (int g = 0; g < 3; ++g) {
          if (lists[g].empty()) continue;
          int h = 0;
          for (const auto& t : p.t) h += contains(sets[g], t);
          missed += !contains(lists[g], std::to_string(h));
        }
        return range.fails(missed);
      });
  }

  // 特别排除: run class, slope, peak/valley, N shape
  {
    const std::string list =
        kill_list(r, 285, {"不连", "2连", "3连", "4连", "上山", "凹型", "正N型", "下山", "凸型", "反N型"});
    if (!list.empty())
      c.push_back([list](const Pick& p) {
        const int a = p.n[0], b = p.n[1], cc = p.n[2], d = p.n[3];
        if (contains(list, "连")) {
          const int run = longest_run(p.n);
          if (contains(list, run < 2 ? std::string("不连") : std::to_string(run) + "连")) return true;
        }
        if (contains(list, "山") && contains(list, a < b && b < cc && cc < d   ? "上山"
                                                   : a > b && b > cc && cc > d ? "下山"
                                                                               : "无"))
          return true;
        if (contains(list, "凹") || contains(list, "凸")) {
          std::string shape = "无";
          if ((a > b && b < cc && cc < d) || (a > b && b > cc && cc < d)) shape = "凹";
          if ((a < b && b > cc && cc > d) || (a < b && b < cc && cc > d)) shape = "凸";
          if (contains(list, shape)) return true;
        }
        if (contains(list, "N") && contains(list, a < b && b > cc && cc < d   ? "正"
                                                  : a > b && b < cc && cc > d ? "反"
                                                                              : "无"))
          return true;
        return false;
      });
  }

  // 大底
  if (auto base = pick_lines<4>(7, text_of(r, 23)); !base.empty())
    e.outside_base = [base](const Pick& p) { return base.count(p.n) == 0; };

  e.boxes_after[8] = text_of(r, 8);  // the pick lists are read, not rewritten
  e.boxes_after[23] = text_of(r, 23);
  return e;
}

class FrontFourBrute : public ::testing::TestWithParam<Row> {};

TEST_P(FrontFourBrute, KeepsWhatTheConditionsKeep) {
  const Row& row = GetParam();
  if (!row.fault.empty()) GTEST_SKIP() << row.fault;
  // A difference or sum row in exclude mode shows its chosen values red.
  const auto keep_colour = [&row](int i) {
    const bool red = (i >= 179 && i <= 188 && row.difference_exclude) || (i >= 189 && i <= 198 && row.sum_exclude);
    return red ? kExclude : kKeep;
  };
  expect_run_keeps<4>(Mode::Four, row, expect(row), keep_colour, [&row](PanelState& panel) {
    if (row.difference_exclude) {
      panel.n_xuan_1[7].colour = kNeutral;
      panel.n_xuan_1[8].colour = kExclude;
    }
    if (row.sum_exclude) {
      panel.n_xuan_1[9].colour = kNeutral;
      panel.n_xuan_1[10].colour = kExclude;
    }
  });
}

std::string row_name(const ::testing::TestParamInfo<Row>& info) { return info.param.id; }

// ---- rows ----

// Buttons of the page by what they stand for.
int number_kill(int n) { return 202 + n; }
int span_kill(int s) { return 210 + s; }
int sum_kill(int s) { return 210 + s; }
int place_kill(int place, int n) { return 245 + 10 * (place - 1) + n - 1; }
int dan_number(int row, int n) { return 104 + 15 * (row - 1) + n - 1; }
int dan_count(int row, int h) { return 114 + 15 * (row - 1) + h; }
int route_kill(const char* p) { return 383 + 27 * (p[0] - '0') + 9 * (p[1] - '0') + 3 * (p[2] - '0') + (p[3] - '0'); }

INSTANTIATE_TEST_SUITE_P(
    KillExact, FrontFourBrute,
    ::testing::Values(Row("two_lines").box(8, "01 02 03 04\r\n10 09 08 07"),
                      Row("wrong_part_counts_commas_and_blanks")
                          .box(8, "01 02 03\r\n04 05 06 07 08\r\n 1,2,,3 ,  4 \r\n05 06 07 08\n09 10 01 02"),
                      Row("seven_characters_ignored").box(8, "1 2 3 4"),
                      Row("eight_characters_read").box(8, "1 2 3 4 "),
                      Row("zero_like_ten_and_bad_parts_skip_the_line")
                          .box(8, "0 9 8 7\r\n11 1 2 3\r\n1.5 2 3 4\r\n-1 2 3 5\r\n00 05 06 07\r\n03 03 04 05"),
                      Row("items_read_by_their_leading_number").box(8, "x 9 8 7\r\n6y 7 8 1\r\n06，07，08，09"),
                      Row("alone_under_overall_one").box(8, "04 03 02 01\r\n01 02 03 05").overall("1", "1")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    KillPair, FrontFourBrute,
    ::testing::Values(Row("item_12").box(9, "12"), Row("item_11_hits_every_pick_with_01").box(9, "11"),
                      Row("items_00_and_11_range_1_1").box(9, "00 11").range(16, "1", "1"),
                      Row("order_free_and_10").box(9, "21 10").range(16, "1", "1"),
                      Row("repetition_counts_twice").box(9, "12 12 34").range(16, "2", "2"),
                      Row("three_digit_item_ignored_and_cleaned").box(9, "123,45x 6７8   12"),
                      Row("range_1_2").box(9, "12 34 56 78").range(16, "1", "2"),
                      Row("inverted_range").box(9, "12").range(16, "2", "1"),
                      Row("halves_round_to_even").box(9, "12 13 14").range(16, "1.5", "2.5"),
                      Row("range_then_overall_one").box(9, "90 56").range(16, "1", "2").overall("1", "1"),
                      Row("cap_100000_items").box(9, "123 " + repeated("12", 99999) + "34 56").range(16, "0", "0")),
    row_name);

INSTANTIATE_TEST_SUITE_P(KillTriple, FrontFourBrute,
                         ::testing::Values(Row("item_123").box(10, "123"),
                                           Row("two_characters_inactive").box(10, "12").range(18, "1", "1"),
                                           Row("repeated_digit_and_10").box(10, "112 100 302").range(18, "1", "2"),
                                           Row("repetition_counts").box(10, "123 321 456").range(18, "2", "2"),
                                           Row("no_three_character_item").box(10, "12 34").range(18, "1", "1"),
                                           Row("cap_100000_items").box(10, "12 " + repeated("123", 99999) + "456 789")),
                         row_name);

INSTANTIATE_TEST_SUITE_P(NumbersSpansSums, FrontFourBrute,
                         ::testing::Values(Row("kill_numbers_03_10").kill({number_kill(3), number_kill(10)}),
                                           Row("spans_3_and_9").kill({span_kill(3), span_kill(9)}),
                                           Row("span_4").kill({span_kill(4)}),
                                           Row("sums_10_21_34").kill({sum_kill(10), sum_kill(21), sum_kill(34)}),
                                           Row("sum_overall_one").kill({sum_kill(19)}).overall("1", "1")),
                         row_name);

INSTANTIATE_TEST_SUITE_P(
    PositionalKill, FrontFourBrute,
    ::testing::Values(Row("three_places").kill({place_kill(1, 1), place_kill(2, 2), place_kill(4, 10)}),
                      Row("range_1_2")
                          .kill({place_kill(1, 1), place_kill(2, 2), place_kill(2, 3), place_kill(4, 10)})
                          .range(20, "1", "2"),
                      Row("range_2_1").kill({place_kill(3, 5)}).range(20, "2", "1"),
                      Row("range_1_1").kill({place_kill(1, 9), place_kill(4, 9)}).range(20, "1", "1")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    DanGroups, FrontFourBrute,
    ::testing::Values(Row("row_without_counts").keep({dan_number(1, 1), dan_number(1, 2)}),
                      Row("count_2").keep({dan_number(1, 1), dan_number(1, 2), dan_count(1, 2)}),
                      Row("two_rows_range_1_1")
                          .keep({dan_number(1, 1), dan_number(1, 2), dan_count(1, 2), dan_number(2, 3),
                                 dan_count(2, 0)})
                          .range(22, "1", "1"),
                      Row("counts_without_numbers_ignored")
                          .keep({dan_count(3, 4), dan_number(4, 7), dan_number(4, 8), dan_number(4, 9),
                                 dan_number(4, 10), dan_count(4, 3), dan_count(4, 4)}),
                      Row("four_rows_range_0_2")
                          .keep({dan_number(1, 1), dan_number(2, 2), dan_number(3, 3), dan_count(3, 0),
                                 dan_number(4, 5), dan_number(4, 6), dan_count(4, 2)})
                          .range(22, "0", "2")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    PairDifferenceAndSum, FrontFourBrute,
    ::testing::Values(Row("difference_keep_9").keep({188}), Row("difference_keep_0_keeps_nothing").keep({179}),
                      Row("difference_exclude_1").keep({180}).exclude_differences(),
                      Row("difference_exclude_0_removes_nothing").keep({179}).exclude_differences(),
                      Row("sum_keep_3").keep({192}), Row("sum_exclude_0_and_9").keep({189, 198}).exclude_sums(),
                      Row("both_rows_mixed_modes").keep({183, 196}).exclude_sums()),
    row_name);

INSTANTIATE_TEST_SUITE_P(SmallestLargest, FrontFourBrute,
                         ::testing::Values(Row("smallest_07_largest_10").keep({205, 212}),
                                           Row("smallest_02").keep({200}), Row("largest_05_and_08").keep({207, 210}),
                                           Row("largest_below_smallest").keep({203, 206})),
                         row_name);

INSTANTIATE_TEST_SUITE_P(
    JunkCompound, FrontFourBrute,
    ::testing::Values(Row("one_entry").box(11, "01.02./03./04.05./06."),
                      Row("cleaned_and_short_lines_skipped")
                          .box(11, "01,02 x/03/04/05/extra\r\n01./02./03.\r\n10.//09./08./07.\r\n07./08./09./10."),
                      Row("line_feed_alone_joins_lines").box(11, "01./02./03./04.\n05./06./07./08."),
                      Row("range_1_1").box(11, "01.02./03.04./05./06.\r\n02./03./05./06.07.").range(26, "1", "1"),
                      Row("no_entry_but_text").box(11, "01/02").range(26, "1", "1"),
                      Row("entry_101_ignored")
                          .box(11,
                               "01/02\r\n" + lines("01./02./03./04.", 99) + "\r\n05./06./07./08.\r\n01./02./03./04.")
                          .range(26, "99", "99"),
                      Row("entry_100_counts")
                          .box(11, "01/02\r\n" + lines("01./02./03./04.", 99) + "\r\n05./06./07./08.")
                          .range(26, "0", "0")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    TwoStar, FrontFourBrute,
    ::testing::Values(Row("cd_10_removes_picks_ending_01_10").box(17, "10"),
                      Row("ab_and_bd").box(12, "12 21").box(16, "39"), Row("shorthand_runs_on").box(13, "123"),
                      Row("one_digit_inactive").box(14, "7").range(28, "1", "1"),
                      Row("digits_apart_active").box(15, "1 2").range(28, "1", "1"),
                      Row("range_1_1_and_cleaning").box(12, "1-2").box(17, "3４4").box(14, "x90y").range(28, "1", "1"),
                      Row("inverted_range").box(16, "56").range(28, "1", "0")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    ThreeStar, FrontFourBrute,
    ::testing::Values(Row("bcd_123").box(21, "123"), Row("abc_with_10").box(18, "102 910"),
                      Row("two_digits_inactive").box(19, "12").range(30, "1", "1"),
                      Row("digits_apart_and_two_items").box(19, "12 3,4,5").box(20, "135 246").range(30, "1", "1"),
                      Row("range_1_1").box(18, "123 456").box(21, "234").range(30, "1", "1")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    Forms, FrontFourBrute,
    ::testing::Values(Row("all_big").kill({335}), Row("three_small_then_big").kill({342}),
                      Row("big_big_big_small").kill({343}),
                      Row("odd_even_odd_even_and_prime_composites").kill({361, 378}),
                      Row("route_0120").kill({route_kill("0120")}),
                      Row("four_forms_range_1_2").kill({336, 352, 369, route_kill("1212")}).range(32, "1", "2")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    Counts, FrontFourBrute,
    ::testing::Values(Row("four_big").keep({168}), Row("no_odd").keep({169}), Row("prime_3_and_odd_2").keep({177, 171}),
                      Row("three_groups_range_1_1").keep({164, 165, 172, 176}).range(24, "1", "1")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    SpecialShapes, FrontFourBrute,
    ::testing::Values(Row("uphill").kill({289}), Row("downhill").kill({292}), Row("valley").kill({290}),
                      Row("peak").kill({293}), Row("n_shape").kill({291}), Row("reverse_n").kill({294}),
                      Row("run_of_four").kill({288}), Row("no_run").kill({285}),
                      Row("two_and_three_runs_with_peak").kill({286, 287, 293}),
                      Row("every_class_overall_1_1").kill({285, 286, 287, 288, 289}).overall("1", "1")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    BaseList, FrontFourBrute,
    ::testing::Values(
        Row("single_line").box(23, "10 09 08 07"), Row("commas_like_blanks").box(23, "10,09,08,07\r\n1,2,3,4"),
        Row("short_text_ignored").box(23, "1 2 3 4"), Row("only_a_repeated_line_keeps_nothing").box(23, "01 01 02 03"),
        Row("outside_stays_removed_whatever_the_range")
            .box(23, "01 02 03 04\r\n05 06 07 08\r\n0 9 8 7")
            .kill({number_kill(5)})
            .overall("1", "1"),
        Row("with_overall_0_20").box(23, "01 02 03 04\r\n05 06 07 08").kill({number_kill(5)}).overall("0", "20")),
    row_name);

// Every condition at once, under different overall ranges.
Row full_page(const char* id, std::string lo, std::string hi) {
  return Row(id)
      .box(8, "01 02 03 04\r\n05 06 07 08")
      .box(9, "12 34")
      .box(10, "567")
      .box(11, "01.02./03./04./05.06.")
      .box(12, "91")
      .box(21, "234")
      .kill({number_kill(6), span_kill(9), sum_kill(22), place_kill(1, 2), 335, 289, 288})
      .keep({dan_number(1, 1), dan_number(1, 3), 188, 191, 199, 212, 166})
      .range(16, "0", "1")
      .overall(std::move(lo), std::move(hi));
}

INSTANTIATE_TEST_SUITE_P(Overall, FrontFourBrute,
                         ::testing::Values(full_page("full_page_0_0", "0", "0"), full_page("full_page_2_5", "2", "5"),
                                           full_page("full_page_0_17", "0", "17"),
                                           full_page("full_page_inverted", "3", "2"),
                                           full_page("full_page_fractional", "0.5", "1.5"),
                                           Row("empty_page_1_1").overall("1", "1")),
                         row_name);

}  // namespace
}  // namespace tesvik
