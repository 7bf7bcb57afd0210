// The pages of front three, four and five: the blocks in three columns, the
// sub-panels (with their switches) in the place of their first block, and
// the result side on the right.

#include <algorithm>

#include "app/layout/condition_page_geometry.h"
#include "app/layout/page_builder.h"

namespace tesvik {

namespace {

constexpr int kBlockColumnWidth = 370;
constexpr int kResultWidth = 220;
constexpr int kMinResultList = 120;

// Rows of long captions use the smaller font so that a block stays narrow.
TextStyle row_style(const PageBuilder& page, const ButtonRow& row) {
  return page.button_width(row.captions) > 40 ? TextStyle::Small : TextStyle::Normal;
}

class ConditionLayout {
 public:
  ConditionLayout(const PageTable& table, PageBuilder& page) : table_(table), page_(page) {}

  // A block's panel at (x, y); returns its height.
  int block(const Block& b, int x, int y) {
    const int inner = kBlockColumnWidth - kPanelLeft - kPanelRight;
    int at = y + kPanelTop;
    Line header(page_, x + kPanelLeft, at, inner);
    header.left_text(b.title, TextStyle::Bold);
    if (b.mode_keep >= 0)
      for (int option : {b.mode_keep, b.mode_exclude}) header.left({Ctl::C_n_xuan_1, option}, 36, kSmall);
    if (!b.subtitle.empty()) header.left_text(b.subtitle);
    for (const BlockHelp& h : b.helps) header.right({Ctl::C_shuoming, h.button}, kHelpWidth, kSmall);
    if (b.clear >= 0) header.right({Ctl::C_cls, b.clear}, kSmall, kSmall);
    if (b.range >= 0) right_range(header, "容错", {Ctl::Comb_rc, b.range}, 40);
    at += header.height() + 1;
    for (const ButtonRow& r : b.rows) at += button_row(r, x + kPanelLeft, at, inner) + 1;
    if (!b.boxes.empty()) at += boxes(b, x + kPanelLeft, at, inner) + 1;
    if (b.compound_list) {
      const int buttons = 84;
      page_.control({Ctl::List_nei, 0}, {x + kPanelLeft, at, inner - buttons - 1, 64});
      for (int k = 0; k < 3; ++k)
        page_.control({Ctl::C_q3_nei, kCompoundListButtons + k},
                      {x + kPanelLeft + inner - buttons, at + k * (kSmall + 1), buttons, kSmall});
      at += 64 + 1;
    }
    if (b.add_button >= 0) {
      page_.control({Ctl::C_jg_gn, b.add_button}, {x + kPanelLeft, at, 96, kSmall});
      at += kSmall + 1;
    }
    const int height = at - 1 + kPanelBottom - y;
    page_.panel({x, y, kBlockColumnWidth, height});
    return height;
  }

  // The switches, then the blocks of every sub-panel in one place.
  int sub_panels(int x, int y) {
    Line switches(page_, x, y, kBlockColumnWidth);
    for (const SubPanelSwitch& sw : table_.sub_panels)
      switches.left({Ctl::C_q3_nei, sw.button}, std::max(100, page_.text_width(sw.caption) + 12), kSmall);
    const int top = y + switches.height() + 1;
    int tallest = 0;
    for (std::size_t k = 0; k < table_.sub_panels.size(); ++k) {
      page_.in_sub_panel(static_cast<int>(k));
      int at = top;
      for (const Block& b : table_.blocks)
        if (b.sub_panel == static_cast<int>(k)) at += block(b, x, at) + 2;
      tallest = std::max(tallest, at - 2 - top);
    }
    page_.in_sub_panel(-1);
    return top + tallest - y;
  }

  // The result side at x, as tall as `height`: the result list takes what
  // the other rows leave.
  int result_side(int x, int y, int height) {
    const ResultSide& r = table_.result;
    const ModeInfo& m = mode_info(table_.mode);
    const int lh = page_.measure().line_height();
    Line base(page_, x, y, kResultWidth);
    base.left_text(r.base.label);
    base.right({Ctl::C_shuoming, r.base_help}, kHelpWidth, kSmall);
    base.right({Ctl::C_cls, r.base.clear}, kSmall, kSmall);
    int at = y + base.height() + 2;
    page_.control({Ctl::T_nei_txt_ip, r.base.box}, {x, at, kResultWidth, 80});
    at += 80 + 2;
    const int below = lh + 2 + 2 * 24 + 4 + 2 * (std::max(kSmall, lh) + 2) + kLineEditHeight;
    const int list = std::max(kMinResultList, y + height - at - below - 2);
    page_.control({Ctl::List_jg, m.result_list}, {x, at, kResultWidth, list});
    at += list + 2;
    page_.control({Ctl::L_jg_zhushu, m.result_list}, {x, at, kResultWidth, lh}, TextStyle::Normal, m.count_caption);
    at += lh + 2;
    for (int k = 0; k < 4; ++k)
      page_.control({Ctl::C_jg_gn, m.first_function + k}, {x + (k % 2) * 110, at + (k / 2) * 26, 108, 24});
    at += 2 * 24 + 2 + 2;
    Line separators(page_, x, at, kResultWidth);
    separators.left_text("间隔符号");
    for (int k = 0; k < 3; ++k) separators.left({Ctl::C_n_xuan_1, r.separator_first + k}, 36, kSmall);
    separators.right({Ctl::C_shuoming, r.separator_help}, kHelpWidth, kSmall);
    at += separators.height() + 2;
    Line total(page_, x, at, kResultWidth);
    total.right({Ctl::C_shuoming, r.total_help}, kHelpWidth, kSmall);
    right_range(total, "总容错", {Ctl::Comb_jg_rc, r.total_lower}, 48);
    at += total.height() + 2;
    Line prize(page_, x, at, kResultWidth);
    prize.right({Ctl::C_shuoming, r.prize_help}, kHelpWidth, kSmall);
    prize.right({Ctl::C_jg_gn, m.prize_button}, 64, 22);
    page_.control({Ctl::T_duijiang, m.prize_box}, prize.left(prize.room() - 1, kLineEditHeight), TextStyle::Normal,
                  m.prize_caption);
    page_.enter_presses({Ctl::T_duijiang, m.prize_box}, {Ctl::C_jg_gn, m.prize_button});
    return at + prize.height() - y;
  }

 private:
  // A row of buttons wrapped to the block's width, its label on the left and
  // its "全" and "清" on the right.
  int button_row(const ButtonRow& r, int x, int y, int width) {
    Line line(page_, x, y, width);
    if (!r.label.empty()) line.left_text(r.label);
    for (int cls : {r.clear, r.select_all})
      if (cls >= 0) line.right({Ctl::C_cls, cls}, kSmall, kSmall);
    const TextStyle style = row_style(page_, r);
    const int w = page_.button_width(r.captions, style);
    const int h = r.captions.front().find('\r') != std::string::npos ? 30 : kSmall;
    const int per_line = std::max(1, (line.room() + 1) / (w + 1));
    const Ctl array = kConditionBlockArrays.buttons_of(r);
    const int left = line.next_x();
    for (int k = 0; k < r.size(); ++k) {
      const int index = r.right_to_left ? r.last - k : r.first + k;
      page_.control({array, index}, {left + (k % per_line) * (w + 1), y + (k / per_line) * (h + 1), w, h}, style);
    }
    const int lines = (r.size() + per_line - 1) / per_line;
    return std::max(line.height(), lines * (h + 1) - 1);
  }

  // The text boxes in a grid, each under its label and "清".
  int boxes(const Block& b, int x, int y, int width) {
    const int count = static_cast<int>(b.boxes.size());
    const int per_line = count == 4 ? 2 : std::min(3, count);
    const int cell = (width - 2 * (per_line - 1)) / per_line;
    const int edit = count == 1 ? 54 : 40;
    int at = y;
    for (int first = 0; first < count; first += per_line) {
      int tallest = 0;
      for (int k = first; k < std::min(count, first + per_line); ++k) {
        const TextField& f = b.boxes[static_cast<std::size_t>(k)];
        const int cx = x + (k - first) * (cell + 2);
        int top = at;
        if (!f.label.empty() || f.clear >= 0) {
          Line line(page_, cx, at, cell);
          if (!f.label.empty()) line.left_text(f.label);
          if (f.clear >= 0) line.right({Ctl::C_cls, f.clear}, kSmall, kSmall);
          top += line.height();
        }
        page_.control({Ctl::T_nei_txt_ip, f.box}, {cx, top, cell, edit});
        tallest = std::max(tallest, top + edit - at);
      }
      at += tallest + 2;
    }
    return at - 2 - y;
  }

  const PageTable& table_;
  PageBuilder& page_;
};

}  // namespace

PageGeometry condition_page_geometry(const PageTable& table, const TextMeasure& measure) {
  PageBuilder page(measure);
  ConditionLayout layout(table, page);
  constexpr int kMargin = 2;
  // Blocks go into the shortest column in table order; the sub-panels take
  // the place of their first block.
  PanelColumns columns(kMargin, kMargin, kBlockColumnWidth);
  bool stack_placed = false;
  for (const Block& b : table.blocks) {
    if (b.sub_panel >= 0 && stack_placed) continue;
    const PanelColumns::Slot slot = columns.next();
    if (b.sub_panel < 0) {
      columns.place(slot, layout.block(b, slot.x, slot.y));
    } else {
      columns.place(slot, layout.sub_panels(slot.x, slot.y));
      stack_placed = true;
    }
  }
  const int side_x = columns.right() + PanelColumns::kColumnSpacing;
  const int side = layout.result_side(side_x, kMargin, columns.bottom() - kMargin);
  const int bottom = std::max(columns.bottom(), kMargin + side);
  return page.finish(side_x + kResultWidth + kMargin, bottom + kMargin);
}

}  // namespace tesvik
