#include "app/front_six/front6_page_table.h"

#include <stdexcept>

#include <array>

#include "app/pages/caption_lists.h"
#include "filter/conditions.h"
#include "front6/conditions_6x.h"
#include "model/number_text.h"

namespace tesvik {

namespace {

constexpr std::string_view kHelpSection = "q6";

// A help button that shows a text of front six's section.
BlockHelp six(int button, std::string_view key) { return {button, key}; }

ButtonRow row(std::string_view label, int first, Captions captions, int clear, BlockHelp help = {},
              RowKind kind = RowKind::Kill) {
  const int last = first + static_cast<int>(captions.size()) - 1;
  return {.label = std::string(label),
          .kind = kind,
          .first = first,
          .last = last,
          .captions = std::move(captions),
          .clear = clear,
          .help = help};
}

ButtonRow keep_row(std::string_view label, int first, Captions captions, int clear, BlockHelp help = {}) {
  return row(label, first, std::move(captions), clear, help, RowKind::Keep);
}

using SixLabels = std::array<std::string_view, 6>;
constexpr SixLabels kSixPlaceNames = {"第一名", "第二名", "第三名", "第四名", "第五名", "第六名"};
constexpr SixLabels kCompoundNames = {"一名", "二名", "三名", "四名", "五名", "六名"};

// Six rows of the numbers 01..10 from C_q6 `first` on, one per place or
// group, with their clear (and select-all) buttons from the given ones on.
std::vector<ButtonRow> six_rows(RowKind kind, const SixLabels& labels, int first, int first_clear, int first_all = -1) {
  std::vector<ButtonRow> rows;
  for (int r = 0; r < 6; ++r) {
    ButtonRow x =
        row(labels[static_cast<std::size_t>(r)], first + 10 * r, two_digits(1, 10), first_clear + r, {}, kind);
    if (first_all >= 0) x.select_all = first_all + r;
    rows.push_back(std::move(x));
  }
  return rows;
}

// 胆组: the ten numbers of each group ("全" and "清"), then each group's
// counts 0..6 under the group's "清".
std::vector<ButtonRow> group_rows() {
  std::vector<ButtonRow> rows = six_rows(RowKind::Keep, SixLabels{}, 101, 29, 23);
  for (int g = 0; g < 6; ++g) rows.push_back(keep_row({}, 161 + 7 * g, decimals(0, 6), 29 + g));
  return rows;
}

Captions special_captions() {
  Captions c = decimals(2, 6, "连");
  c.insert(c.end(), {"上山", "下山"});
  return c;
}

std::vector<Block> panels() {
  Block kills{.boxes = {{.box = 0,
                         .label = "杀直选",
                         .clear = 0,
                         .help = six(0, "前六杀直选"),
                         .paste = kQ6PasteKill,
                         .hint = "粘贴您不要的大底号码"}}};
  static constexpr std::array<std::string_view, 5> kKillLabels = {"杀2码组合", "杀3码组合", "杀4码组合", "杀5码组合",
                                                                  "杀定位组合"};
  static constexpr std::array<std::string_view, 5> kKillHelps = {"前六杀2码组合", "前六杀3码组合", "前六杀4码组合",
                                                                 "前六杀5码组合", "前六定位杀组合"};
  for (std::size_t k = 1; k <= 5; ++k)
    kills.boxes.push_back({.box = static_cast<int>(k),
                           .label = kKillLabels[k - 1],
                           .clear = static_cast<int>(k),
                           .selector = static_cast<int>(k),
                           .help = six(static_cast<int>(k), kKillHelps[k - 1])});
  return {
      {.labels = {"前六注数:", "总容错", "间隔符号", "结果均分3份复制"},
       .range = kQ6TotalSelector,
       .helps = {six(18, "前六总容错"), six(17, "间隔符号"), six(19, "复制号码")},
       .functions = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
       .count_label = kQ6CountLabel},
      {.title = "大底号码",
       .boxes =
           {{.box = 6, .clear = 6, .help = six(6, "前六大底号码"), .paste = kQ6PasteBase, .hint = "粘贴大底号码"}}},
      kills,
      {.rows = {row("通杀码", 1, two_digits(1, 10), 12, six(7, "前六通杀码")),
                row("杀跨度", 11, decimals(5, 9), 13, six(8, "前六杀跨度")),
                row("杀和值", 16, decimals(21, 45), 14, six(9, "前六杀和值"))}},
      {.title = "定位杀",
       .rows = six_rows(RowKind::Kill, kSixPlaceNames, 41, 15),
       .range = 6,
       .helps = {six(10, "前六定位杀")}},
      {.title = "胆组(不定位胆)", .labels = {"胆码开出个数"}, .rows = group_rows(), .range = 7, .helps = {{11}}},
      {.title = "排除大小，奇偶，质合，012路",
       .boxes = {{.box = 7, .label = "大1小0", .clear = 7},
                 {.box = 8, .label = "奇1偶0", .clear = 8},
                 {.box = 9, .label = "质1合0", .clear = 9},
                 {.box = 10, .label = "012路", .clear = 10}},
       .range = 8,
       .helps = {six(12, "前六排除大小、奇偶、质合、012路说明")}},
      {.rows = {keep_row("大号个数", 209, decimals(1, 5), 21, six(13, "前六  大号、奇号、质号个数说明")),
                keep_row("奇号个数", 214, decimals(1, 5), 21), keep_row("质号个数", 219, decimals(1, 5), 21),
                keep_row("最小号码", 224, two_digits(1, 5), 22, six(14, "前六最小号、最大号说明")),
                keep_row("最大号码", 229, two_digits(6, 10), 22),
                row("特别排除", 234, special_captions(), 22, six(20, "前六特别排除"))},
       .range = 9},
      {.title = "排除前六复式",
       .rows = six_rows(RowKind::Kill, kCompoundNames, 241, 41, 35),
       .boxes = {{.box = kQ6CompoundBox}},
       .range = 10,
       .clear = 11,
       .helps = {six(15, "前六排除复式")},
       .functions = {kQ6AddCompound}},
      {.title = "输入前六号码",
       .boxes = {{.box = kQ6PrizeBox}},
       .helps = {{16, "兑奖查询说明", "qt"}},
       .functions = {kQ6Prize}},
  };
}

// The steps read the buttons, boxes and selectors that the panels place:
// a row by its label, a panel by its title, a box with its selector (its own
// or, where it has none, its panel's).
const Block& panel_titled(std::span<const Block> panels, std::string_view title) {
  for (const Block& p : panels)
    if (p.title == title) return p;
  throw std::out_of_range("front-six panel");
}

const Block& panel_with_row(std::span<const Block> panels, std::string_view label) {
  for (const Block& p : panels)
    for (const ButtonRow& r : p.rows)
      if (r.label == label) return p;
  throw std::out_of_range("front-six row");
}

const ButtonRow& row_labelled(std::span<const Block> panels, std::string_view label) {
  for (const ButtonRow& r : panel_with_row(panels, label).rows)
    if (r.label == label) return r;
  throw std::out_of_range("front-six row");
}

ButtonRun run_of(const ButtonRow& r) { return {kSixBlockArrays.buttons_of(r), r.first, r.last}; }

// The row `label` read as one input row; `named` keeps its label, which
// decides the class of a count row.
ReadRow read_row(std::span<const Block> panels, std::string_view label, bool named = false) {
  return {named ? label : std::string_view{}, {run_of(row_labelled(panels, label))}};
}

std::optional<ControlRef> selector(int rc) {
  if (rc < 0) return std::nullopt;
  return ControlRef{Ctl::rc_q6, rc};
}

int selector_of_box(std::span<const Block> panels, int box) {
  for (const Block& p : panels)
    for (const TextField& b : p.boxes)
      if (b.box == box) return b.selector >= 0 ? b.selector : p.range;
  throw std::out_of_range("front-six box");
}

RunBlock box_step(std::span<const Block> panels, std::string_view name, ConditionFn condition, std::vector<int> boxes,
                  int progress = -1) {
  RunBlock step{{condition, 0, name, progress}, {.range = selector(selector_of_box(panels, boxes.front()))}};
  for (int box : boxes) step.reads.boxes.push_back({{Ctl::T_q6, box}});
  return step;
}

RunBlock row_step(std::string_view name, ConditionFn condition, std::vector<ReadRow> rows, int rc = -1,
                  int progress = -1) {
  return {{condition, 0, name, progress}, {.rows = std::move(rows), .range = selector(rc)}};
}

RunBlock pasted_step(std::string_view name, ConditionFn condition, int paste, int progress = -1) {
  return {{condition, 0, name, progress}, {.listed = ControlRef{Ctl::C_q6_gn, paste}}};
}

// The six place rows of 定位杀.
std::vector<ReadRow> place_step_rows(const Block& place_kill) {
  std::vector<ReadRow> rows;
  for (const ButtonRow& r : place_kill.rows) rows.push_back({{}, {run_of(r)}});
  return rows;
}

// Each group of 胆组: its ten numbers and, six rows further, its counts.
std::vector<ReadRow> group_step_rows(const Block& groups) {
  std::vector<ReadRow> rows;
  for (std::size_t g = 0; g < 6; ++g) rows.push_back({{}, {run_of(groups.rows.at(g)), run_of(groups.rows.at(g + 6))}});
  return rows;
}

std::vector<RunBlock> steps(std::span<const Block> panels) {
  const Block& place_kill = panel_titled(panels, "定位杀");
  const Block& groups = panel_titled(panels, "胆组(不定位胆)");
  const auto row = [&panels](std::string_view label, bool named = false) { return read_row(panels, label, named); };
  return {
      pasted_step("杀直选", kill_listed_6x, kQ6PasteKill, 5),
      pasted_step("大底号码", base_listed_6x, kQ6PasteBase),
      box_step(panels, "杀2码组合", kill_combination<6, kPairs6x>, {1}, 10),
      box_step(panels, "杀3码组合", kill_combination<6, kTriples6x>, {2}),
      box_step(panels, "杀4码组合", kill_combination<6, kQuads6x>, {3}, 20),
      box_step(panels, "杀5码组合", kill_combination<6, kQuints6x>, {4}),
      box_step(panels, "定位杀组合", kill_position_pattern_6x, {5}, 30),
      box_step(panels, "排除大小、奇偶、质合、012路", kill_form_boxes_6x, {7, 8, 9, 10}),
      row_step("通杀码", kill_number<6>, {row("通杀码")}, -1, 40),
      row_step("杀跨度", kill_span<6>, {row("杀跨度")}),
      row_step("杀和值", kill_sum<6>, {row("杀和值")}, -1, 50),
      row_step("定位杀", kill_position<6>, place_step_rows(place_kill), place_kill.range),
      row_step("胆组", sure_groups<6>, group_step_rows(groups), groups.range, 60),
      row_step("大号个数 / 奇号个数 / 质号个数", keep_count<6>,
               {row("大号个数", true), row("奇号个数", true), row("质号个数", true)},
               panel_with_row(panels, "大号个数").range),
      row_step("最小号码 / 最大号码", min_max<6>, {row("最小号码"), row("最大号码")}, -1, 70),
      row_step("特别排除", special_shape<6>, {row("特别排除")}),
      box_step(panels, "排除前六复式", kill_compound_6x, {kQ6CompoundBox}, 90),
  };
}

}  // namespace

std::span<const Block> q6_panels() {
  static const std::vector<Block> table = panels();
  return table;
}

const TextField& q6_paste_box(int gn) {
  for (const Block& panel : q6_panels())
    for (const TextField& b : panel.boxes)
      if (b.paste == gn) return b;
  throw std::out_of_range("paste button");
}

std::span<const RunBlock> q6_steps() {
  static const std::vector<RunBlock> table = steps(q6_panels());
  return table;
}

const HelpKey& q6_help_key(int shuoming) {
  static const std::vector<HelpKey> table = [] {
    std::vector<HelpKey> keys(slot_count(Ctl::C_q6_shuoming));
    for (const Block& panel : q6_panels())
      for_each_help(panel, [&keys](const BlockHelp& h) {
        if (!h.key.empty())
          keys.at(static_cast<std::size_t>(h.button)) = {h.section.empty() ? kHelpSection : h.section, h.key};
      });
    return keys;
  }();
  return table.at(static_cast<std::size_t>(shuoming));
}

std::string_view q6_function_caption(int gn) {
  static constexpr auto kCaptions =
      std::to_array<std::string_view>({"开始缩水", "复制全部号码", "复1", "复2", "复3", "反选", "清空条件", "空格",
                                       "逗号", "无", "粘", "粘", "添加到方框内", "兑奖查询"});
  return kCaptions.at(static_cast<std::size_t>(gn));
}

Colour q6_on_colour(int q6) {
  for (const Block& panel : q6_panels())
    for (const ButtonRow& r : panel.rows)
      if (r.holds(q6)) return r.on_colour();
  return kKill;
}

std::string_view q6_selector_items(int rc) { return rc == kQ6TotalSelector ? "0*20" : "0*6"; }

}  // namespace tesvik
