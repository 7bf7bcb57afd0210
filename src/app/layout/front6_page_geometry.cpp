// The front-six page: the condition panels in three columns, and beside them
// the base set, the result viewer with the count and the functions, the
// overall tolerance and the prize check.

#include "app/layout/front6_page_geometry.h"

#include <algorithm>
#include <set>

#include "app/front_six/front6_page_table.h"
#include "app/layout/page_builder.h"
#include "app/layout/viewer_metrics.h"

namespace tesvik {

namespace {

constexpr int kPanelColumnWidth = 352;
constexpr int kSideWidth = 236;
constexpr int kBoxHeight = 34;
constexpr int kMargin = 2;

// The base set, the overall tolerance with the functions and the prize
// check sit beside the viewer; the other panels fill the columns.
bool on_result_side(const Block& p) {
  const bool base = p.boxes.size() == 1 && p.boxes[0].paste == kQ6PasteBase;
  const bool prize = p.boxes.size() == 1 && p.boxes[0].box == kQ6PrizeBox;
  return base || prize || p.range == kQ6TotalSelector;
}

const Block& side_panel(int selector, int box) {
  for (const Block& p : q6_panels())
    if (p.range == selector && (box < 0 || (p.boxes.size() == 1 && p.boxes[0].box == box))) return p;
  return q6_panels().front();
}

class Front6Layout {
 public:
  explicit Front6Layout(PageBuilder& page) : page_(page) {}

  // A panel at (x, y), `width` wide; returns its height.
  int panel(const Block& p, int x, int y, int width) {
    const int inner = width - kPanelLeft - kPanelRight;
    int at = y + kPanelTop;
    if (!p.title.empty() || p.range >= 0) {
      Line header(page_, x + kPanelLeft, at, inner);
      header.left_text(p.title, TextStyle::Bold);
      for (std::string_view l : p.labels) header.left_text(l);
      for (auto h = p.helps.rbegin(); h != p.helps.rend(); ++h)
        header.right({Ctl::C_q6_shuoming, h->button}, kHelpWidth, kSmall);
      cls(header, p.clear);
      if (p.range >= 0) selector(header, "容错", p.range);
      at += header.height() + 1;
    }
    at += rows(p, x + kPanelLeft, at, inner);
    at += boxes(p, x + kPanelLeft, at, inner);
    for (int gn : p.functions) {
      page_.control({Ctl::C_q6_gn, gn}, {x + kPanelLeft, at, 96, kSmall});
      at += kSmall + 1;
    }
    const int height = at - 1 + kPanelBottom - y;
    page_.panel({x, y, width, height});
    return height;
  }

  int result_side(int x, int y) {
    int at = y;
    for (const Block& p : q6_panels())
      if (on_result_side(p) && p.range != kQ6TotalSelector && p.functions.empty())
        at += panel(p, x, at, kSideWidth) + 2;

    // The viewer, and beside it the count, run, copies and clear.
    const Block& f = side_panel(kQ6TotalSelector, -1);
    const ViewerMetrics viewer = viewer_metrics(page_.measure());
    page_.control({Ctl::ucf_q6show, 0}, {x, at, viewer.frame_width(), viewer.frame_height()});
    const int fx = x + viewer.frame_width() + 4;
    const int fw = kSideWidth - viewer.frame_width() - 4;
    const int lh = page_.measure().line_height();
    int fy = at;
    page_.text(f.labels.at(0), {fx, fy, page_.text_width(f.labels.at(0)), lh});
    fy += lh + 2;
    page_.control({Ctl::L_jg_zhushu, kQ6CountLabel}, {fx, fy, fw, lh});
    fy += lh + 2;
    for (int gn : {kQ6Run, kQ6CopyAll, kQ6CopyRemoved, kQ6ClearAll}) {
      page_.control({Ctl::C_q6_gn, gn}, {fx, fy, 84, 24});
      fy += 24 + 2;
    }
    at += std::max(viewer.frame_height(), fy - 2 - at) + 2;

    Line thirds_title(page_, x, at, kSideWidth);
    thirds_title.left_text(f.labels.at(3));
    thirds_title.right({Ctl::C_q6_shuoming, f.helps.at(2).button}, kHelpWidth, kSmall);
    at += thirds_title.height() + 2;
    Line thirds(page_, x, at, kSideWidth);
    for (int gn = kQ6CopyAll + 1; gn < kQ6CopyRemoved; ++gn) thirds.left({Ctl::C_q6_gn, gn}, 48, kSmall);
    at += thirds.height() + 2;

    Line separators(page_, x, at, kSideWidth);
    separators.left_text(f.labels.at(2));
    for (int gn = kQ6Blank; gn <= kQ6None; ++gn) separators.left({Ctl::C_q6_gn, gn}, 36, kSmall);
    separators.right({Ctl::C_q6_shuoming, f.helps.at(1).button}, kHelpWidth, kSmall);
    at += separators.height() + 2;

    Line total(page_, x, at, kSideWidth);
    total.right({Ctl::C_q6_shuoming, f.helps.at(0).button}, kHelpWidth, kSmall);
    selector(total, f.labels.at(1), kQ6TotalSelector);
    at += total.height() + 2;

    // The prize check: its caption, the box and "兑奖查询".
    const Block& prize = side_panel(-1, kQ6PrizeBox);
    page_.text(prize.title, {x, at, page_.text_width(prize.title), lh});
    at += lh + 2;
    Line prize_row(page_, x, at, kSideWidth);
    for (auto h = prize.helps.rbegin(); h != prize.helps.rend(); ++h)
      prize_row.right({Ctl::C_q6_shuoming, h->button}, kHelpWidth, kSmall);
    prize_row.right({Ctl::C_q6_gn, kQ6Prize}, 64, 22);
    prize_row.left({Ctl::T_q6, kQ6PrizeBox}, prize_row.room() - 1, kLineEditHeight);
    page_.enter_presses({Ctl::T_q6, kQ6PrizeBox}, {Ctl::C_q6_gn, kQ6Prize});
    return at + prize_row.height() - y;
  }

 private:
  // The tolerance selector (two lists with "至" between) and its caption,
  // from the right end of a line.
  void selector(Line& line, std::string_view caption, int rc) {
    const int width = 2 * kSelectorListWidth + 2 * kSelectorSpacing + page_.text_width("至");
    line.right({Ctl::rc_q6, rc}, width, kComboHeight);
    line.right_text(caption);
  }

  // A "清" or "全" button, unless another row of the page already shows it.
  void cls(Line& line, int cls) {
    if (cls >= 0 && placed_cls_.insert(cls).second) line.right({Ctl::C_q6_cls, cls}, kSmall, kSmall);
  }

  // One line per row, the rows that share a "清" together (a group's counts
  // under its numbers); labels in one column, buttons wrapped to the width.
  int rows(const Block& p, int x, int y, int width) {
    std::vector<const ButtonRow*> order;
    for (const ButtonRow& r : p.rows) {
      if (std::find(order.begin(), order.end(), &r) != order.end()) continue;
      order.push_back(&r);
      for (const ButtonRow& other : p.rows)
        if (&other != &r && r.clear >= 0 && other.clear == r.clear &&
            std::find(order.begin(), order.end(), &other) == order.end())
          order.push_back(&other);
    }
    int label_width = 0;
    for (const ButtonRow& r : p.rows) label_width = std::max(label_width, page_.text_width(r.label));
    int at = y;
    for (const ButtonRow* r : order) {
      Line line(page_, x, at, width);
      if (label_width > 0) {
        const Rect label = line.left(label_width + 2, page_.measure().line_height());
        page_.text(r->label, label);
      }
      if (r->help.button >= 0) line.right({Ctl::C_q6_shuoming, r->help.button}, kHelpWidth, kSmall);
      cls(line, r->clear);
      cls(line, r->select_all);
      const int w = page_.button_width(r->captions);
      const int avail = width - 2 - (label_width > 0 ? label_width + 3 : 0) - 2 * (kSmall + 1) - (kHelpWidth + 1);
      const int per_line = std::max(1, avail / (w + 1));
      const int left = line.next_x();
      const int count = r->last - r->first + 1;
      for (int k = 0; k < count; ++k)
        page_.control({Ctl::C_q6, r->first + k},
                      {left + (k % per_line) * (w + 1), at + (k / per_line) * (kSmall + 1), w, kSmall});
      const int lines = (count + per_line - 1) / per_line;
      at += std::max(line.height(), lines * (kSmall + 1) - 1) + 1;
    }
    return at - y;
  }

  // Boxes with a tolerance, a help or a paste button take a line each;
  // plain ones share a line by two.
  int boxes(const Block& p, int x, int y, int width) {
    const int half = (width - 2) / 2;
    int at = y;
    int cell = 0;
    int tallest = 0;
    for (const TextField& b : p.boxes) {
      const bool wide = b.selector >= 0 || b.help.button >= 0 || b.paste >= 0;
      if ((wide && cell % 2) || cell == 2) {
        at += tallest + 2;
        tallest = 0;
        cell = 0;
      }
      const int cx = x + cell * (half + 2);
      const int cw = wide ? width : half;
      int top = at;
      if (!b.label.empty() || b.clear >= 0) {
        Line line(page_, cx, at, cw);
        line.left_text(b.label);
        if (b.paste >= 0) line.left({Ctl::C_q6_gn, b.paste}, 28, kSmall);
        if (b.help.button >= 0) line.right({Ctl::C_q6_shuoming, b.help.button}, kHelpWidth, kSmall);
        cls(line, b.clear);
        if (b.selector >= 0) selector(line, "容错", b.selector);
        top += line.height();
      }
      page_.control({Ctl::T_q6, b.box}, {cx, top, cw, kBoxHeight});
      tallest = std::max(tallest, top + kBoxHeight - at);
      cell += wide ? 2 : 1;
    }
    if (cell > 0) at += tallest + 2;
    return at - y;
  }

  PageBuilder& page_;
  std::set<int> placed_cls_;
};

}  // namespace

PageGeometry front6_page_geometry(const TextMeasure& measure) {
  PageBuilder page(measure);
  Front6Layout layout(page);
  PanelColumns columns(kMargin, kMargin, kPanelColumnWidth);
  for (const Block& p : q6_panels())
    if (!on_result_side(p)) {
      const PanelColumns::Slot slot = columns.next();
      columns.place(slot, layout.panel(p, slot.x, slot.y, kPanelColumnWidth));
    }
  const int side_x = columns.right() + PanelColumns::kColumnSpacing;
  const int side = layout.result_side(side_x, kMargin);
  return page.finish(side_x + kSideWidth + kMargin, std::max(columns.bottom(), kMargin + side) + kMargin);
}

}  // namespace tesvik
