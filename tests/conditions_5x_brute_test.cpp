// Front-five runs against a plain evaluation of the page. Each row sets up
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
#include <numeric>
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
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const Row& r, std::ostream* out) { *out << r.id; }

// ---- a front-five pick and the conditions over it ----

using Pick = plain::Pick<5>;
using Expected = plain::Expected<5>;
using Fails = Expected::Fails;

int number_of_digit(char d) { return d == '0' ? 10 : d - '0'; }

std::vector<std::string> captions_of(std::initializer_list<const char*> words) { return {words.begin(), words.end()}; }

Expected expect(const Row& r) {
  Expected e;
  auto& c = e.conditions;
  const std::string digits = "1234567890";

  // 杀直选号码 (the box is read, not rewritten)
  e.boxes_after[24] = text_of(r, 24);
  if (auto killed = pick_lines<5>(12, text_of(r, 24)); !killed.empty())
    c.push_back([killed](const Pick& p) { return killed.count(p.n) > 0; });

  // 2- and 3-number combinations, counted with repetition
  for (auto [k, width, lower] : {std::array<int, 3>{25, 2, 34}, std::array<int, 3>{26, 3, 36}}) {
    const std::string cleaned = clean(text_of(r, k), digits);
    e.boxes_after[k] = cleaned;
    if (cleaned.size() <= static_cast<std::size_t>(width - 1)) continue;
    const auto items = items_of(cleaned, static_cast<std::size_t>(width), 100000);
    if (items.empty()) continue;
    c.push_back([items, width = width, range = range_of(r, lower)](const Pick& p) {
      int hits = 0;
      for (const auto& [item, times] : items) {
        int present = 0;
        for (char d : item) present += p.has[static_cast<std::size_t>(number_of_digit(d))];
        if (present == width) hits += times;
      }
      return range.fails(hits);
    });
  }

  // 4-number combinations, each set counted once
  {
    const std::string cleaned = clean(text_of(r, 27), digits);
    e.boxes_after[27] = cleaned;
    auto key = [](const std::array<int, 4>& s) {
      return static_cast<std::size_t>(s[0] + 11 * s[1] + 121 * s[2] + 1331 * s[3]);
    };
    std::vector<char> flagged(11 * 11 * 11 * 11);
    int taken = 0;
    if (cleaned.size() > 3)
      for (const auto& [item, times] : items_of(cleaned, 4, 99999)) {
        taken += times;
        std::array<int, 4> set{};
        for (std::size_t k = 0; k < 4; ++k) set[k] = number_of_digit(item[k]);
        std::sort(set.begin(), set.end());
        flagged[key(set)] = 1;
      }
    if (taken > 0)
      c.push_back([flagged, key, range = range_of(r, 38)](const Pick& p) {
        int hits = 0;
        for (std::size_t skip = 0; skip < 5; ++skip) {
          std::array<int, 4> subset{};
          for (std::size_t k = 0, j = 0; k < 5; ++k)
            if (k != skip) subset[j++] = p.sorted[k];
          hits += flagged[key(subset)];
        }
        return range.fails(hits);
      });
  }

  // 通杀码 (captions right to left), 杀跨度, 杀和值
  if (const auto list = kill_list(r, 464, captions_of({"10", "09", "08", "07", "06", "05", "04", "03", "02", "01"}));
      list.size() > 1)
    c.push_back([list](const Pick& p) {
      return std::any_of(p.t.begin(), p.t.end(), [&](const std::string& t) { return contains(list, t); });
    });
  if (const auto list = kill_list(r, 474, digit_captions(4, 9)); list.size() > 1)
    c.push_back([list](const Pick& p) { return contains(list, std::to_string(p.sorted[4] - p.sorted[0])); });
  if (const auto list = kill_list(r, 480, digit_captions(15, 40)); list.size() > 1)
    c.push_back(
        [list](const Pick& p) { return contains(list, std::to_string(p.n[0] + p.n[1] + p.n[2] + p.n[3] + p.n[4])); });

  // 定位杀
  {
    std::array<std::string, 5> lists;
    std::string all;
    for (std::size_t k = 0; k < 5; ++k)
      all += lists[k] = kill_list(r, 506 + 10 * static_cast<int>(k), number_captions(1, 10));
    if (all.size() > 1)
      c.push_back([lists, range = range_of(r, 40)](const Pick& p) {
        int hits = 0;
        for (std::size_t k = 0; k < 5; ++k) hits += !lists[k].empty() && contains(lists[k], p.t[k]);
        return range.fails(hits);
      });
  }

  // 胆组(不定位胆)
  {
    std::array<std::string, 5> numbers, counts;
    std::string all;
    for (std::size_t g = 0; g < 5; ++g) {
      all += numbers[g] = keep_list(r, 213 + 16 * static_cast<int>(g), number_captions(1, 10));
      counts[g] = keep_list(r, 223 + 16 * static_cast<int>(g), digit_captions(0, 5));
      if (counts[g].empty()) counts[g] = "12345";
    }
    if (all.size() > 1)
      c.push_back([numbers, counts, range = range_of(r, 42)](const Pick& p) {
        int misses = 0;
        for (std::size_t g = 0; g < 5; ++g) {
          if (numbers[g].empty()) continue;
          int k = 0;
          for (const auto& t : p.t) k += contains(numbers[g], t);
          misses += !contains(counts[g], std::to_string(k));
        }
        return range.fails(misses);
      });
  }

  // 定位杀组合: five characters, "*" any number, "0" is 10; at most 1000 patterns
  {
    const std::string cleaned = clean(text_of(r, 28), "1234567890*");
    e.boxes_after[28] = cleaned;
    const auto patterns = characters(cleaned) > 4 ? items_of(cleaned, 5, 1000) : std::map<std::string, int>{};
    if (!patterns.empty())
      c.push_back([patterns, range = range_of(r, 44)](const Pick& p) {
        int hits = 0;
        for (const auto& [pattern, times] : patterns) {
          bool all = true;
          for (std::size_t k = 0; k < 5; ++k) all = all && (pattern[k] == '*' || number_of_digit(pattern[k]) == p.n[k]);
          if (all) hits += times;
        }
        return range.fails(hits);
      });
  }

  // 排除大小，奇偶，质合，012路 as patterns of the five class characters
  {
    const std::array<const char*, 4> allowed{"01", "01", "01", "012"};
    const std::array<const char*, 4> tables{"0.0.0.0.0.0.1.1.1.1.1", "0.1.0.1.0.1.0.1.0.1.0", "0.1.1.1.0.1.0.1.0.0.0",
                                            "0.1.2.0.1.2.0.1.2.0.1"};
    std::vector<std::pair<std::vector<std::string>, std::set<std::string>>> kinds;  // class table, patterns
    for (std::size_t kind = 0; kind < 4; ++kind) {
      const std::string cleaned = clean(text_of(r, 29 + static_cast<int>(kind)), allowed[kind]);
      e.boxes_after[29 + static_cast<int>(kind)] = cleaned;
      if (characters(cleaned) <= 4) continue;
      std::set<std::string> patterns;
      for (const auto& [pattern, times] : items_of(cleaned, 5, 1001)) patterns.insert(pattern);
      if (!patterns.empty()) kinds.emplace_back(split(tables[kind], "."), patterns);
    }
    if (!kinds.empty())
      c.push_back([kinds, range = range_of(r, 46)](const Pick& p) {
        int hits = 0;
        for (const auto& [table, patterns] : kinds) {
          std::string shape;
          for (int v : p.n) shape += table[static_cast<std::size_t>(v)];
          hits += patterns.count(shape) > 0;
        }
        return range.fails(hits);
      });
  }

  // 大号个数 / 奇号个数 / 质号个数
  {
    const std::array<std::string, 3> lists{keep_list(r, 293, digit_captions(0, 5)),
                                           keep_list(r, 299, digit_captions(0, 5)),
                                           keep_list(r, 305, digit_captions(0, 5))};
    if (!(lists[0] + lists[1] + lists[2]).empty())
      c.push_back([lists, range = range_of(r, 48),
                   tables = std::array<std::vector<std::string>, 3>{
                       split("0.0.0.0.0.0.1.1.1.1.1", "."), split("0.1.0.1.0.1.0.1.0.1.0", "."),
                       split("0.1.1.1.0.1.0.1.0.0.0", ".")}](const Pick& p) {
        int misses = 0;
        for (std::size_t row = 0; row < 3; ++row) {
          if (lists[row].empty()) continue;
          int count = 0;
          for (int v : p.n) count += tables[row][static_cast<std::size_t>(v)] == "1";
          misses += !contains(lists[row], std::to_string(count));
        }
        return range.fails(misses);
      });
  }

  // 最小号码 / 最大号码
  {
    const auto smallest = keep_list(r, 311, number_captions(1, 6));
    const auto largest = keep_list(r, 317, number_captions(5, 10));
    if (!smallest.empty() || !largest.empty())
      c.push_back([smallest, largest](const Pick& p) {
        int lo = 1, hi = 10;
        while (!p.has[static_cast<std::size_t>(lo)]) ++lo;
        while (!p.has[static_cast<std::size_t>(hi)]) --hi;
        return (!smallest.empty() && !contains(smallest, std::to_string(lo))) ||
               (!largest.empty() && !contains(largest, std::to_string(hi)));
      });
  }

  // 特别排除: run class from the presence of 01..10, climb, shape
  {
    const std::string list =
        kill_list(r, 556, captions_of({"不连", "2连", "3连", "4连", "5连", "上山", "下山", "凸形", "凹形"}));
    if (!list.empty())
      c.push_back([list, runs = contains(list, "连"), climbs = contains(list, "山"),
                   shapes = contains(list, "形")](const Pick& p) {
        const int a = p.n[0], b = p.n[1], cc = p.n[2], d = p.n[3], ee = p.n[4];
        if (runs) {
          std::string run = "不连";
          for (const char* ones : {"11", "111", "1111", "11111"})
            if (contains(p.presence, ones)) run = std::to_string(std::string_view(ones).size()) + "连";
          if (contains(list, run)) return true;
        }
        if (climbs && contains(list, a > b && b > cc && cc > d && d > ee   ? "下山"
                                     : a < b && b < cc && cc < d && d < ee ? "上山"
                                                                           : "无"))
          return true;
        if (shapes && contains(list, a > b && b > cc && cc < d && d < ee   ? "凹"
                                     : a < b && b < cc && cc > d && d > ee ? "凸"
                                                                           : "无"))
          return true;
        return false;
      });
  }

  // 排除前五复式: at most 100 entries of five "/" fields
  {
    const std::string cleaned = clean(text_of(r, 33), "\r\n0123456789./");
    e.boxes_after[33] = cleaned;
    std::map<std::vector<std::string>, int> entries;
    int read = 0;
    if (!cleaned.empty())
      for (const std::string& line : split(cleaned, "\r\n")) {
        auto parts = split(line, "/");
        if (parts.size() < 5) continue;
        parts.resize(5);
        ++entries[parts];
        if (++read == 100) break;
      }
    if (read > 0)
      c.push_back([entries, range = range_of(r, 50)](const Pick& p) {
        int hits = 0;
        for (const auto& [fields, times] : entries) {
          bool all = true;
          for (std::size_t k = 0; k < 5; ++k) all = all && contains(fields[k], p.t[k]);
          if (all) hits += times;
        }
        return range.fails(hits);
      });
  }

  // 大底号码
  e.boxes_after[34] = text_of(r, 34);
  if (auto base = pick_lines<5>(12, text_of(r, 34)); !base.empty())
    e.outside_base = [base](const Pick& p) { return base.count(p.n) == 0; };
  return e;
}

class FrontFiveBrute : public ::testing::TestWithParam<Row> {};

TEST_P(FrontFiveBrute, KeepsWhatTheConditionsKeep) {
  const Row& row = GetParam();
  if (!row.fault.empty()) GTEST_SKIP() << row.fault;
  expect_run_keeps<5>(Mode::Five, row, expect(row));
}

std::string row_name(const ::testing::TestParamInfo<Row>& info) { return info.param.id; }

// ---- rows ----

// Buttons of the page by what they stand for.
int number_kill(int n) { return 474 - n; }
int span_kill(int s) { return 470 + s; }
int sum_kill(int s) { return 465 + s; }
int place_kill(int place, int n) { return 506 + 10 * (place - 1) + n - 1; }
int dan_number(int group, int n) { return 213 + 16 * (group - 1) + n - 1; }
int dan_count(int group, int k) { return 223 + 16 * (group - 1) + k; }
int big_count(int h) { return 293 + h; }
int odd_count(int h) { return 299 + h; }
int prime_count(int h) { return 305 + h; }
int smallest(int n) { return 310 + n; }
int largest(int n) { return 312 + n; }
enum Shape { kNoRun = 556, kRun2, kRun3, kRun4, kRun5, kUphill, kDownhill, kPeak, kValley };

INSTANTIATE_TEST_SUITE_P(
    KillExact, FrontFiveBrute,
    ::testing::Values(
        Row("fourteen_characters").box(24, "01 02 03 04 05"), Row("nine_characters_ignored").box(24, "1 2 3 4 5"),
        Row("twelve_characters_ignored").box(24, "1 2 3 4 5\r\nx"),
        Row("thirteen_characters_read").box(24, "1 2 3 4 5\r\nxy"),
        Row("characters_not_bytes").box(24, "1 2 3 4 5\r\n。"),
        Row("commas_and_zero_as_ten").box(24, "01,02,03,04,05\r\n6 7 8 9 0\r\n 10 , 1 ,2,  3 4 "),
        Row("four_or_six_items_skipped").box(24, "01 02 03 04\r\n01 02 03 04 05 06\r\n10 09 08 07 06\n01 02 03 04 06"),
        Row("bad_values_skip_the_line")
            .box(24, "11 1 2 3 4\r\n1.5 2 3 4 5\r\n-1 2 3 4 5\r\n00 9 8 7 6\r\n05 05 06 07 08\r\n06，07，08，09，10"),
        Row("items_read_by_their_leading_number").box(24, "x 9 8 7 6\r\n6y 7 8 9 1"),
        Row("alone_under_overall_one").box(24, "05 04 03 02 01\r\n01 02 03 04 06").overall("1", "1")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    KillPair, FrontFiveBrute,
    ::testing::Values(Row("item_12").box(25, "12"),
                      Row("item_12_range_1_1_keeps_them").box(25, "12").range(34, "1", "1"),
                      Row("item_11_hits_every_pick_with_01").box(25, "11"),
                      Row("items_00_and_11_range_1_1").box(25, "00 11").range(34, "1", "1"),
                      Row("twice_counts_twice").box(25, "12 12 34").range(34, "2", "2"),
                      Row("both_orders_count").box(25, "12 21 13").range(34, "2", "2"),
                      Row("cleaned_one_pass").box(25, "12，，34   56x78 9").range(34, "1", "2"),
                      Row("one_character_inactive").box(25, "1").range(34, "1", "1"),
                      Row("no_item_inactive").box(25, "1 2").range(34, "1", "1"),
                      Row("inverted_range").box(25, "90").range(34, "2", "1"),
                      Row("own_range_then_overall_one").box(25, "12 13").range(34, "1", "2").overall("1", "1"),
                      Row("cap_100000_items").box(25, "123 " + repeated("12", 99999) + "34 56")),
    row_name);

INSTANTIATE_TEST_SUITE_P(KillTriple, FrontFiveBrute,
                         ::testing::Values(Row("item_123").box(26, "123"),
                                           Row("two_characters_inactive").box(26, "12").range(36, "1", "1"),
                                           Row("no_item_inactive").box(26, "12 34").range(36, "1", "1"),
                                           Row("repeated_digit").box(26, "112 100 010").range(36, "2", "2"),
                                           Row("repetition_counts").box(26, "123 321 456").range(36, "2", "2"),
                                           Row("range_0_1").box(26, "123 345 567 789 901").range(36, "0", "1")),
                         row_name);

INSTANTIATE_TEST_SUITE_P(
    KillQuad, FrontFiveBrute,
    ::testing::Values(Row("item_1234").box(27, "1234"),
                      Row("repeated_number_never_hits").box(27, "1123").range(38, "1", "1"),
                      Row("repeated_number_alone").box(27, "1123"),
                      Row("same_set_counts_once").box(27, "1234 4321 1234").range(38, "1", "1"),
                      Row("two_sets_of_one_pick").box(27, "1234 1235 0987").range(38, "2", "2"),
                      Row("three_characters_inactive").box(27, "123").range(38, "1", "1"),
                      Row("no_item_inactive").box(27, "123 45").range(38, "1", "1"),
                      Row("cap_99999_items").box(27, "123 " + repeated("1234", 99998) + "5678 6789")),
    row_name);

INSTANTIATE_TEST_SUITE_P(NumbersSpansSums, FrontFiveBrute,
                         ::testing::Values(Row("kill_01_and_10").kill({number_kill(1), number_kill(10)}),
                                           Row("kill_05").kill({number_kill(5)}), Row("span_4").kill({span_kill(4)}),
                                           Row("spans_6_and_9").kill({span_kill(6), span_kill(9)}),
                                           Row("sum_15").kill({sum_kill(15)}),
                                           Row("sums_27_and_40").kill({sum_kill(27), sum_kill(40)}),
                                           Row("sum_overall_one").kill({sum_kill(25)}).overall("1", "1")),
                         row_name);

INSTANTIATE_TEST_SUITE_P(
    PositionalKill, FrontFiveBrute,
    ::testing::Values(
        Row("first_place_01").kill({place_kill(1, 1)}),
        Row("range_1_1").kill({place_kill(3, 2), place_kill(5, 10), place_kill(5, 9)}).range(40, "1", "1"),
        Row("range_1_2").kill({place_kill(1, 1), place_kill(2, 1), place_kill(4, 3)}).range(40, "1", "2"),
        Row("inverted_range").kill({place_kill(2, 7)}).range(40, "2", "1")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    DanGroups, FrontFiveBrute,
    ::testing::Values(Row("no_count_at_least_one").keep({dan_number(1, 1), dan_number(1, 2)}),
                      Row("count_0_neither").keep({dan_number(1, 1), dan_number(1, 2), dan_count(1, 0)}),
                      Row("count_5_and_count_1")
                          .keep({dan_number(2, 1), dan_number(2, 2), dan_number(2, 3), dan_number(2, 4),
                                 dan_number(2, 5), dan_count(2, 5), dan_number(3, 10), dan_count(3, 1)}),
                      Row("counts_without_numbers_ignored")
                          .keep({dan_count(4, 3), dan_number(5, 6), dan_number(5, 7), dan_count(5, 2)}),
                      Row("range_1_1")
                          .keep({dan_number(1, 1), dan_number(1, 2), dan_count(1, 2), dan_number(5, 3),
                                 dan_count(5, 0)})
                          .range(42, "1", "1"),
                      // every number of a row: a pick holds five of them
                      Row("all_ten_numbers")
                          .keep({dan_number(4, 1), dan_number(4, 2), dan_number(4, 3), dan_number(4, 4),
                                 dan_number(4, 5), dan_number(4, 6), dan_number(4, 7), dan_number(4, 8),
                                 dan_number(4, 9), dan_number(4, 10), dan_count(4, 5)})),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    PositionPatterns, FrontFiveBrute,
    ::testing::Values(Row("first_place_01").box(28, "1****"), Row("five_stars_match_every_pick").box(28, "*****"),
                      Row("same_pattern_twice_counts_twice").box(28, "***** *****").range(44, "2", "2"),
                      Row("same_pattern_twice_range_1_1").box(28, "***** *****").range(44, "1", "1"),
                      Row("zero_is_ten").box(28, "0**** *2*4*"),
                      Row("four_characters_inactive").box(28, "1***").range(44, "1", "1"),
                      Row("no_pattern_inactive").box(28, "1,2,3,4,5").range(44, "1", "1"),
                      Row("repeated_number_never_matches").box(28, "11*** 12345").range(44, "0", "0"),
                      Row("range_1_1").box(28, "1**** 12*** x*3**5").range(44, "1", "1"),
                      Row("cap_1000_patterns").box(28, "1*** " + repeated("1****", 999) + "2**** 3****")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    ShapePatterns, FrontFiveBrute,
    ::testing::Values(
        Row("all_big").box(29, "11111"), Row("four_characters_ignored").box(29, "1111"),
        Row("two_kinds_range_1_1").box(29, "10101 00000").box(30, "奇11111").range(46, "1", "1"),
        Row("all_prime").box(31, "11111"), Row("routes").box(32, "01201 22222 12012"),
        Row("no_five_character_item_inactive").box(29, "1 0 1 0 1 2x").box(32, "012012").range(46, "1", "1"),
        Row("every_kind_range_2_4")
            .box(29, "10101 01010")
            .box(30, "11100")
            .box(31, "10100")
            .box(32, "12012 21021")
            .range(46, "2", "4"),
        Row("cap_1001_patterns").box(29, "0000 " + repeated("00000", 1000) + "11111 10101")),
    row_name);

INSTANTIATE_TEST_SUITE_P(Counts, FrontFiveBrute,
                         ::testing::Values(Row("no_big").keep({big_count(0)}), Row("five_odd").keep({odd_count(5)}),
                                           Row("prime_2_or_3").keep({prime_count(2), prime_count(3)}),
                                           Row("three_rows_range_1_1")
                                               .keep({big_count(2), big_count(3), odd_count(1), prime_count(4)})
                                               .range(48, "1", "1")),
                         row_name);

INSTANTIATE_TEST_SUITE_P(SmallestLargest, FrontFiveBrute,
                         ::testing::Values(Row("smallest_06_largest_05").keep({smallest(6), largest(5)}),
                                           Row("smallest_01").keep({smallest(1)}),
                                           Row("smallest_02_largest_10").keep({smallest(2), largest(10)}),
                                           Row("largest_07_or_08").keep({largest(7), largest(8)})),
                         row_name);

INSTANTIATE_TEST_SUITE_P(SpecialShapes, FrontFiveBrute,
                         ::testing::Values(Row("uphill").kill({kUphill}), Row("downhill").kill({kDownhill}),
                                           Row("run_of_five").kill({kRun5}), Row("peak").kill({kPeak}),
                                           Row("valley").kill({kValley}), Row("no_run").kill({kNoRun}),
                                           Row("runs_2_and_4_with_valley").kill({kRun2, kRun4, kValley}),
                                           Row("every_run_class").kill({kNoRun, kRun2, kRun3, kRun4, kRun5})),
                         row_name);

INSTANTIATE_TEST_SUITE_P(
    Compound, FrontFiveBrute,
    ::testing::Values(
        Row("one_pick").box(33, "01./02./03./04./05."),
        Row("one_pick_range_1_1").box(33, "01./02./03./04./05.").range(50, "1", "1"),
        Row("four_fields_inactive").box(33, "01./02./03./04.").range(50, "1", "1"),
        Row("cleaned_and_several_numbers")
            .box(33, "01.02.x/03./04，05./06./07./extra\r\n10./09./08.\r\n10./09./08./07./06.01.\r\n1./2./3./4./5."),
        Row("line_feed_alone_joins_lines").box(33, "01./02./03./04./05.\n06./07./08./09./10."),
        Row("entry_101_ignored")
            .box(33, "01/02/03/04\r\n" + lines("01./02./03./04./05.", 99) +
                         "\r\n06./07./08./09./10.\r\n01./02./03./04./05.")
            .range(50, "99", "99"),
        Row("entry_100_counts")
            .box(33, "01/02/03/04\r\n" + lines("01./02./03./04./05.", 99) + "\r\n06./07./08./09./10.")),
    row_name);

INSTANTIATE_TEST_SUITE_P(
    BaseList, FrontFiveBrute,
    ::testing::Values(
        Row("single_line").box(34, "10 09 08 07 06"), Row("commas_like_blanks").box(34, "10,09,08,07,06\r\n1,2,3,4,5"),
        Row("short_text_ignored").box(34, "1 2 3 4 5\r\né"),
        Row("only_a_repeated_line_keeps_nothing").box(34, "01 01 02 03 04"),
        Row("outside_stays_removed_whatever_the_range")
            .box(34, "01 02 03 04 05\r\n06 07 08 09 10\r\n0 9 8 7 6")
            .kill({number_kill(6)})
            .overall("1", "1"),
        Row("with_overall_0_20").box(34, "01 02 03 04 05\r\n06 07 08 09 10").kill({number_kill(6)}).overall("0", "20")),
    row_name);

// Every condition at once, under different overall ranges.
Row full_page(const char* id, std::string lo, std::string hi) {
  return Row(id)
      .box(24, "01 02 03 04 05\r\n06 07 08 09 10")
      .box(25, "12 34")
      .box(26, "567")
      .box(27, "2468")
      .box(28, "*1***")
      .box(29, "11111")
      .box(33, "01.02./03./04./05./06.07.")
      .kill({number_kill(9), span_kill(4), sum_kill(30), place_kill(5, 2), kUphill, kRun5})
      .keep({dan_number(1, 1), dan_number(1, 3), big_count(2), big_count(3), smallest(1), smallest(2), largest(10)})
      .range(34, "0", "1")
      .overall(std::move(lo), std::move(hi));
}

INSTANTIATE_TEST_SUITE_P(Overall, FrontFiveBrute,
                         ::testing::Values(full_page("full_page_0_0", "0", "0"), full_page("full_page_2_5", "2", "5"),
                                           Row("empty_page_0_0"), Row("empty_page_1_1").overall("1", "1")),
                         row_name);

}  // namespace
}  // namespace tesvik
