#include "app/pages/page_tables.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "app/pages/caption_lists.h"
#include "app/pages/mode_table.h"
#include "filter/conditions.h"
#include "model/number_text.h"

namespace tesvik {

namespace {

Captions joined(Captions a, const Captions& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The 45 two-number captions "01\r\n02" .. "09\r\n10" in the order (1,2), (1,3) .. (9,10).
Captions pair_captions() {
  Captions c;
  for (int a = 1; a <= 9; ++a)
    for (int b = a + 1; b <= 10; ++b) c.push_back(std::string(two_digit(a)) + "\r\n" + std::string(two_digit(b)));
  return c;
}

// Route patterns over {0,1,2}, first digit most significant: "000".."222".
Captions route_patterns(int length) {
  int count = 1;
  for (int i = 0; i < length; ++i) count *= 3;
  Captions c;
  for (int v = 0; v < count; ++v) {
    std::string s(static_cast<std::size_t>(length), '0');
    int rest = v;
    for (int i = length - 1; i >= 0; --i, rest /= 3) s[static_cast<std::size_t>(i)] = static_cast<char>('0' + rest % 3);
    c.push_back(s);
  }
  return c;
}

// The eight three-letter patterns in panel order, with first/second letter words.
Captions three_letter_patterns(const std::string& one, const std::string& two) {
  static constexpr const char* kOrder[] = {"111", "112", "121", "122", "222", "221", "212", "211"};
  Captions c;
  for (const char* p : kOrder) {
    std::string s;
    for (int i = 0; i < 3; ++i) s += p[i] == '1' ? one : two;
    c.push_back(s);
  }
  return c;
}

// Four-letter patterns placed by the index rule
// 8*[L4 second] + 4*[L1 second] + 2*[L2 second] + [L3 second].
Captions four_letter_patterns(const std::string& one, const std::string& two) {
  Captions c;
  for (int offset = 0; offset < 16; ++offset) {
    const bool l4 = offset & 8, l1 = offset & 4, l2 = offset & 2, l3 = offset & 1;
    c.push_back((l1 ? two : one) + (l2 ? two : one) + (l3 ? two : one) + (l4 ? two : one));
  }
  return c;
}

ButtonRow kill_row(int first, Captions captions, std::string label = {}) {
  ButtonRow r;
  r.label = std::move(label);
  r.kind = RowKind::Kill;
  r.first = first;
  r.last = first + static_cast<int>(captions.size()) - 1;
  r.captions = std::move(captions);
  return r;
}

ButtonRow keep_row(int first, Captions captions, std::string label = {}) {
  ButtonRow r = kill_row(first, std::move(captions), std::move(label));
  r.kind = RowKind::Keep;
  return r;
}

ButtonRow with_buttons(ButtonRow r, int select_all, int clear) {
  r.select_all = select_all;
  r.clear = clear;
  return r;
}

const std::vector<std::string> kPlaceNames = {"第一名", "第二名", "第三名", "第四名", "第五名"};

// Rows of one number per place ("定位杀" and the compound rows): ten buttons per row.
std::vector<ButtonRow> place_rows(int places, int first, std::vector<int> select_all, std::vector<int> clear) {
  std::vector<ButtonRow> rows;
  for (int p = 0; p < places; ++p) {
    ButtonRow r = kill_row(first + 10 * p, two_digits(1, 10), kPlaceNames[static_cast<std::size_t>(p)]);
    if (!select_all.empty()) r.select_all = select_all[static_cast<std::size_t>(p)];
    if (!clear.empty()) r.clear = clear[static_cast<std::size_t>(p)];
    rows.push_back(std::move(r));
  }
  return rows;
}

// Dan rows: numbers "01".."10" then counts "0"..places, each row with "全" and "清".
std::vector<ButtonRow> dan_rows(int places, int first, int first_cls) {
  std::vector<ButtonRow> rows;
  const int width = 10 + places + 1;
  for (int r = 0; r < (places == 5 ? 5 : 4); ++r)
    rows.push_back(with_buttons(keep_row(first + width * r, joined(two_digits(1, 10), decimals(0, places))),
                                first_cls + 2 * r, first_cls + 2 * r + 1));
  return rows;
}

Block block(std::string title, BlockHelp help) {
  Block b;
  b.title = std::move(title);
  if (help.button >= 0) b.helps.push_back(help);
  return b;
}

Block box_block(std::string title, int box, int clear, BlockHelp help, int range = -1) {
  Block b = block(std::move(title), help);
  b.boxes.push_back({box, {}, -1});
  b.clear = clear;
  b.range = range;
  return b;
}

Block row_block(std::string title, ButtonRow row, int clear, BlockHelp help) {
  Block b = block(std::move(title), help);
  b.rows.push_back(std::move(row));
  b.clear = clear;
  return b;
}

Block mode_block(std::string title, int first, int mode_keep, int clear, BlockHelp help) {
  Block b = row_block(std::move(title), keep_row(first, decimals(0, 9)), clear, help);
  b.mode_keep = mode_keep;
  b.mode_exclude = mode_keep + 1;
  return b;
}

Block count_block(int places, int first, std::vector<std::string> labels, int range, int clear, BlockHelp help) {
  Block b = block("奇号个数、大号个数、质号个数", help);
  for (std::size_t i = 0; i < labels.size(); ++i)
    b.rows.push_back(keep_row(first + (places + 1) * static_cast<int>(i), decimals(0, places), labels[i]));
  b.range = range;
  b.clear = clear;
  return b;
}

Block feeding(Block b, ConditionFn condition, int column, std::string_view name, int progress = -1) {
  b.feeds = {condition, column, name, progress};
  return b;
}

// The page frame of a mode: its index, places, caption and the result side
// fields that the mode table holds.
PageTable page_of(Mode mode) {
  PageTable t;
  t.mode = mode;
  t.places = places_of(mode);
  return t;
}

// The result side's own boxes and help buttons.
void result_side(PageTable& t, TextField base, Feeds base_feeds, int base_help, int separator_first, int separator_help,
                 int total_lower, int total_help) {
  t.result.base = base;
  t.result.base_feeds = base_feeds;
  t.result.base_help = base_help;
  t.result.separator_first = separator_first;
  t.result.separator_help = separator_help;
  t.result.total_lower = total_lower;
  t.result.total_help = total_help;
}

// The pattern rows of size, parity, prime and route, in that order, from
// button `first` on: three- or four-letter captions of the two words of each
// form, then the route patterns.
Block form_block(int places, int first, int range, int clear, BlockHelp help) {
  static constexpr std::array<std::array<const char*, 2>, 3> kWords = {{{"大", "小"}, {"奇", "偶"}, {"质", "合"}}};
  Block b = block("排除大小，奇偶，质合，012路", help);
  for (const auto& [one, two] : kWords) {
    Captions c = places == 3 ? three_letter_patterns(one, two) : four_letter_patterns(one, two);
    const int width = static_cast<int>(c.size());
    b.rows.push_back(kill_row(first, std::move(c), std::string(one) + two));
    first += width;
  }
  b.rows.push_back(kill_row(first, route_patterns(places), "012路"));
  b.range = range;
  b.clear = clear;
  return b;
}

Block sub(Block b, int sub_panel) {
  b.sub_panel = sub_panel;
  return b;
}

Block with_range(Block b, int range) {
  b.range = range;
  return b;
}

PageTable front_three() {
  PageTable t = page_of(Mode::Three);
  t.help_section = "q3";
  ButtonRow pairs = kill_row(0, pair_captions());
  pairs.captions_at_startup = true;

  Block dan = with_range(block("胆组(不定位胆)", {6, {}}), 4);
  dan.subtitle = "胆码开出个数";
  dan.rows = dan_rows(3, 0, 8);

  Block compound = with_range(sub(block("排除前三复式", {7, "排除前三复式"}), 0), 6);
  compound.rows = place_rows(3, 115, {17, 19, 21}, {18, 20, 22});
  compound.clear = 16;
  compound.compound_list = true;

  Block keep_pair = with_range(sub(block("定位出2码", {8, "定位2码说明"}), 1), 8);
  keep_pair.boxes = {{1, "[定]AB", -1}, {2, "[定]AC", -1}, {3, "[定]BC", -1}};
  keep_pair.clear = 23;
  Block kill_pair = with_range(sub(block("定位杀2码", {9, "定位杀2码说明"}), 1), 10);
  kill_pair.boxes = {{4, "[杀]AB", -1}, {5, "[杀]AC", -1}, {6, "[杀]BC", -1}};
  kill_pair.clear = 24;

  const Block forms = form_block(3, 145, 12, 25, {10, "排除大小、奇偶、质合、012路说明"});

  Block extremes = block("最小号码与最大号码", {14, "最小号与最大号说明"});
  extremes.rows = {with_buttons(keep_row(88, two_digits(1, 8), "[最小号码]"), 29, 30),
                   with_buttons(keep_row(96, two_digits(3, 10), "[最大号码]"), 31, 32)};

  Block place_kill = with_range(block("定位杀", {5, "定位杀"}), 2);
  place_kill.rows = place_rows(3, 85, {}, {5, 6, 7});

  t.blocks = {
      feeding(box_block("杀直选号码", 0, 0, {0, "杀直选"}), kill_exact_3x, 1, "杀直选", 5),
      feeding(with_range(row_block("杀2码组合", pairs, 1, {1, "杀2码组合"}), 0), kill_pair_3x, 2, "杀2码组合"),
      feeding(row_block("通杀码", kill_row(45, two_digits(1, 10)), 2, {2, "通杀码"}), kill_number<3>, 3, "通杀码"),
      feeding(row_block("杀跨度", kill_row(55, decimals(2, 9)), 3, {3, "杀跨度"}), kill_span<3>, 4, "杀跨度"),
      feeding(row_block("杀和值", kill_row(63, decimals(6, 27)), 4, {4, "杀和值"}), kill_sum<3>, 5, "杀和值", 20),
      feeding(place_kill, kill_position<3>, 6, "定位杀"),
      feeding(dan, sure_groups<3>, 7, "胆组"),
      feeding(compound, kill_compound_3x, 8, "排除前三复式", 40),
      feeding(keep_pair, position_boxes<3, false>, 9, "定位2码组合"),
      feeding(kill_pair, position_boxes<3, true>, 10, "定位杀2码组合"),
      feeding(forms, kill_form<3>, 11, "排除大小、奇偶、质合、012路"),
      feeding(
          count_block(3, 56, {"奇号个数", "大号个数", "质号个数"}, 14, 26, {11, "奇号个数、大号个数、质号个数说明"}),
          keep_count<3>, 12, "奇号个数、大号个数、质号个数", 60),
      feeding(mode_block("任意两码差", 68, 0, 27, {12, "任意两码差说明"}), pair_difference<3>, 13, "任意两码差"),
      feeding(mode_block("任意两码合", 78, 2, 28, {13, "任意两码合说明"}), pair_sum_tail<3>, 14, "任意两码合"),
      feeding(extremes, min_max<3>, 15, "最小号与最大号", 70),
      feeding(row_block("特别排除", kill_row(196, {"不连", "2连", "3连", "上山", "下山", "凸型", "凹型"}), 33,
                        {15, "特别排除说明"}),
              special_shape<3>, 16, "特别排除"),
  };
  t.sub_panels = {{0, 0, "排除前三复式"}, {1, 1, "定位2码[出/杀]"}};
  result_side(t, {7, "大底号码", 72}, {base_list_3x, kVerdictColumn, {}, 90}, 35, 4, 16, 0, 17);
  t.result.prize_help = 57;
  return t;
}

PageTable front_four() {
  PageTable t = page_of(Mode::Four);
  t.help_section = "q4";

  Block place_kill = with_range(block("定位杀", {24, "定位杀"}), 20);
  place_kill.rows = place_rows(4, 245, {}, {40, 41, 42, 43});

  Block dan = with_range(block("胆组(不定位胆)", {25, {}}), 22);
  dan.subtitle = "胆码开出个数";
  dan.rows = dan_rows(4, 104, 44);

  Block extremes = sub(block("最小号与最大号", {30, "最小号与最大号说明"}), 0);
  extremes.rows = {with_buttons(keep_row(199, two_digits(1, 7), "最小号"), 56, 57),
                   with_buttons(keep_row(206, two_digits(4, 10), "最大号"), 58, 59)};

  Block compound = with_range(sub(block("排除前四复式", {31, "杀垃圾复式"}), 1), 26);
  compound.rows = place_rows(4, 295, {61, 63, 65, 67}, {62, 64, 66, 68});
  compound.boxes = {{11, {}, -1}};
  compound.clear = 60;
  compound.add_button = 4;

  Block two_of_four = with_range(sub(block("定位杀组合(2拼4)", {32, "定位杀组合（二星拼四星）说明"}), 2), 28);
  two_of_four.boxes = {{12, "AB**", -1}, {13, "A*C*", -1}, {14, "A**D", -1},
                       {15, "*BC*", -1}, {16, "*B*D", -1}, {17, "**CD", -1}};
  two_of_four.clear = 69;
  Block three_of_four = with_range(sub(block("定位杀组合(3拼4)", {33, "定位杀组合（三星拼四星）说明"}), 2), 30);
  three_of_four.boxes = {{18, "ABC*", -1}, {19, "AB*D", -1}, {20, "A*CD", -1}, {21, "*BCD", -1}};
  three_of_four.clear = 70;

  const Block forms = form_block(4, 335, 32, 71, {34, "排除大小、奇偶、质合、012路说明"});

  t.blocks = {
      feeding(box_block("杀直选号码", 8, 34, {18, "杀直选"}), kill_exact_list<4, 7>, 1, "杀直选", 10),
      feeding(box_block("杀2码组合", 9, 35, {19, "杀2码组合"}, 16), kill_combination<4, kPairs4x>, 2, "杀2码组合"),
      feeding(box_block("杀3码组合", 10, 36, {20, "杀3码组合"}, 18), kill_combination<4, kTriples4x>, 3, "杀3码组合"),
      feeding(row_block("通杀码", kill_row(203, two_digits(1, 10)), 37, {21, "通杀码"}), kill_number<4>, 4, "通杀码",
              20),
      feeding(row_block("杀跨度", kill_row(213, decimals(3, 9)), 38, {22, "杀跨度"}), kill_span<4>, 5, "杀跨度"),
      feeding(row_block("杀和值", kill_row(220, decimals(10, 34)), 39, {23, "杀和值"}), kill_sum<4>, 6, "杀和值"),
      feeding(place_kill, kill_position<4>, 7, "定位杀"),
      feeding(dan, sure_groups<4>, 8, "胆组"),
      feeding(
          count_block(4, 164, {"大号个数", "奇号个数", "质号个数"}, 24, 52, {26, "奇号个数、大号个数、质号个数说明"}),
          keep_count<4>, 16, "奇号个数、大号个数、质号个数"),
      feeding(row_block("特别排除",
                        kill_row(285, {"不连", "2连", "3连", "4连", "上山", "凹型", "正N型", "下山", "凸型", "反N型"}),
                        53, {27, "特别排除说明"}),
              special_shape<4>, 17, "特别排除", 60),
      feeding(sub(mode_block("任意两码差", 179, 7, 54, {28, "任意两码差说明"}), 0), pair_difference<4>, 9, "任意两码差",
              40),
      feeding(sub(mode_block("任意两码合", 189, 9, 55, {29, "任意两码合说明"}), 0), pair_sum_tail<4>, 10, "任意两码合"),
      feeding(extremes, min_max<4>, 11, "最小号与最大号"),
      feeding(compound, kill_junk_compound<4, false>, 12, "杀垃圾复式"),
      feeding(two_of_four, position_boxes<4, true>, 13, "定位杀组合（二星拼四星）", 50),
      feeding(three_of_four, position_boxes<4, true>, 14, "定位杀组合（三星拼四星）"),
      feeding(forms, kill_form<4>, 15, "排除大小、奇偶、质合、012路"),
  };
  t.sub_panels = {{6, 0, "任意两码合差最大/最小号"}, {7, 1, "杀垃圾复式"}, {8, 2, "定位杀组合"}};
  result_side(t, {23, "大底号码", 73}, {base_list<4, 7>, kVerdictColumn, {}, 90}, 36, 11, 37, 2, 38);
  t.result.prize_help = 58;
  return t;
}

PageTable front_five() {
  PageTable t = page_of(Mode::Five);
  t.help_section = "q5";

  ButtonRow kill_numbers = kill_row(464, two_digits(1, 10));
  kill_numbers.captions = {"10", "09", "08", "07", "06", "05", "04", "03", "02", "01"};
  kill_numbers.right_to_left = true;

  Block place_kill = with_range(block("定位杀", {46, "定位杀"}), 40);
  place_kill.rows = place_rows(5, 506, {}, {81, 82, 83, 84, 85});

  Block dan = with_range(block("胆组(不定位胆)", {47, {}}), 42);
  dan.subtitle = "胆码开出个数";
  dan.rows = dan_rows(5, 213, 86);

  Block forms = with_range(block("排除大小，奇偶，质合，012路", {49, "排除大小、奇偶、质合、012路说明"}), 46);
  forms.boxes = {{29, "大1小0", 97}, {30, "奇1偶0", 98}, {31, "质1合0", 99}, {32, "012路", 100}};

  Block extremes = block("最小号码与最大号码", {51, "最小号与最大号说明"});
  extremes.rows = {keep_row(311, two_digits(1, 6), "最小号码"), keep_row(317, two_digits(5, 10), "最大号码")};

  Block compound = with_range(block("排除前五复式", {53, "排除前五复式"}), 50);
  compound.rows = place_rows(5, 565, {104, 106, 108, 110, 112}, {105, 107, 109, 111, 113});
  compound.boxes = {{33, {}, -1}};
  compound.clear = 103;
  compound.add_button = 9;

  t.blocks = {
      feeding(box_block("杀直选号码", 24, 74, {39, "杀直选"}), kill_exact_list<5, 12>, 1, "杀直选号码", 15),
      feeding(box_block("杀2码组合", 25, 75, {40, "杀2码组合"}, 34), kill_combination<5, kPairs5x>, 2, "杀2码组合"),
      feeding(box_block("杀3码组合", 26, 76, {41, "杀3码组合"}, 36), kill_combination<5, kTriples5x>, 3, "杀3码组合"),
      feeding(box_block("杀4码组合", 27, 77, {42, "杀4码组合"}, 38), kill_combination<5, kQuads5x>, 4, "杀4码组合", 25),
      feeding(row_block("通杀码", kill_numbers, 78, {43, "通杀码"}), kill_number<5>, 5, "通杀码"),
      feeding(row_block("杀跨度", kill_row(474, decimals(4, 9)), 79, {44, "杀跨度"}), kill_span<5>, 6, "杀跨度"),
      feeding(row_block("杀和值", kill_row(480, decimals(15, 40)), 80, {45, "杀和值"}), kill_sum<5>, 7, "杀和值", 35),
      feeding(place_kill, kill_position<5>, 8, "定位杀"),
      feeding(dan, sure_groups<5>, 9, "胆组(不定位胆)"),
      feeding(box_block("定位杀组合", 28, 96, {48, "定位杀组合"}, 44), kill_position_pattern_5x, 10, "定位杀组合", 45),
      feeding(forms, kill_form_boxes_5x, 11, "排除大小，奇偶，质合，012路"),
      feeding(
          count_block(5, 293, {"大号个数", "奇号个数", "质号个数"}, 48, 101, {50, "奇号个数、大号个数、质号个数说明"}),
          keep_count<5>, 12, "大号个数 / 奇号个数 / 质号个数"),
      feeding(extremes, min_max<5>, 13, "最小号码 / 最大号码", 65),
      feeding(row_block("特别排除", kill_row(556, {"不连", "2连", "3连", "4连", "5连", "上山", "下山", "凸形", "凹形"}),
                        102, {52, "特别排除说明"}),
              special_shape<5>, 14, "特别排除"),
      feeding(compound, kill_junk_compound<5, true>, 15, "排除前五复式", 75),
  };
  result_side(t, {34, "大底号码", 114}, {base_list<5, 12>, kVerdictColumn, {}, 85}, 56, 14, 55, 4, 54);
  t.result.prize_help = 59;
  return t;
}

}  // namespace

std::span<const PageTable> page_tables() {
  static const std::vector<PageTable> tables = {front_three(), front_four(), front_five()};
  return tables;
}

const PageTable& page_table(Mode mode) {
  for (const PageTable& t : page_tables())
    if (t.mode == mode) return t;
  throw std::invalid_argument("mode without condition page");
}

namespace {

BlockReads reads_of(const Block& b) {
  BlockReads reads;
  for (const ButtonRow& r : b.rows)
    reads.rows.push_back({r.label, {{kConditionBlockArrays.buttons_of(r), r.first, r.last}}});
  for (const TextField& f : b.boxes) reads.boxes.push_back({{Ctl::T_nei_txt_ip, f.box}, f.label});
  if (b.range >= 0) reads.range = ControlRef{Ctl::Comb_rc, b.range};
  if (b.mode_exclude >= 0) reads.exclude = ControlRef{Ctl::C_n_xuan_1, b.mode_exclude};
  if (b.compound_list) reads.entries = ControlRef{Ctl::List_nei, 0};
  return reads;
}

std::vector<RunBlock> run_of(const PageTable& page) {
  std::vector<const Block*> order;
  for (const Block& b : page.blocks)
    if (b.feeds.column > 0) order.push_back(&b);
  std::sort(order.begin(), order.end(),
            [](const Block* a, const Block* b) { return a->feeds.column < b->feeds.column; });
  std::vector<RunBlock> run;
  for (const Block* b : order) run.push_back({b->feeds, reads_of(*b)});
  run.push_back({page.result.base_feeds, {.boxes = {{{Ctl::T_nei_txt_ip, page.result.base.box}}}}});
  return run;
}

}  // namespace

std::span<const RunBlock> page_run(Mode mode) {
  static const std::array<std::vector<RunBlock>, kConditionModes.size()> runs = [] {
    std::array<std::vector<RunBlock>, kConditionModes.size()> r;
    for (std::size_t m = 0; m < r.size(); ++m) r[m] = run_of(page_table(kConditionModes[m]));
    return r;
  }();
  return runs.at(static_cast<std::size_t>(mode));
}

std::string_view function_caption(int jg_gn) {
  static constexpr std::string_view kCaptions[] = {
      "开始缩水",     "复制号码", "反选",     "清空条件", "添加到方框", "开始缩水", "复制号码", "反选",    "清空条件",
      "添加到方框内", "开始缩水", "复制号码", "反选",     "清空条件",   "兑奖查询", "兑奖查询", "兑奖查询"};
  if (jg_gn < 0 || jg_gn >= static_cast<int>(std::size(kCaptions))) return {};
  return kCaptions[jg_gn];
}

}  // namespace tesvik
