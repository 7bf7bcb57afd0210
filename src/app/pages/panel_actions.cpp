#include "app/pages/panel_actions.h"

#include <map>
#include <stdexcept>

#include "support/checked_at.h"
#include "support/text.h"

namespace tesvik {

namespace {

std::vector<Button>& buttons(PanelState& s, RowKind kind) { return kind == RowKind::Kill ? s.annv : s.annv_chu; }

// One clear or select-all button, found in the page tables.
struct ClearAction {
  Mode mode = Mode::Three;
  const Block* block = nullptr;    // whole-block clear when row and box are null
  const ButtonRow* row = nullptr;  // row clear or select-all
  const TextField* box = nullptr;  // single-box clear
  bool select_all = false;
};

// The exclusive group of one option button.
struct OptionGroup {
  const Block* mode_block = nullptr;  // set for a difference/sum mode pair
  int first = 0;                      // separator group: first .. first + 2
};

struct Index {
  std::map<int, ClearAction> clears;
  std::map<int, OptionGroup> options;
  std::map<int, const Block*> mode_rows;  // C_annv_chu index -> its difference/sum block
};

const Index& index() {
  static const Index idx = [] {
    Index x;
    for (const PageTable& page : page_tables()) {
      for (const Block& b : page.blocks) {
        if (b.clear >= 0) x.clears[b.clear] = {page.mode, &b, nullptr, nullptr, false};
        for (const ButtonRow& r : b.rows) {
          if (r.select_all >= 0) x.clears[r.select_all] = {page.mode, &b, &r, nullptr, true};
          if (r.clear >= 0) x.clears[r.clear] = {page.mode, &b, &r, nullptr, false};
          if (b.mode_keep >= 0)
            for (int i = r.first; i <= r.last; ++i) x.mode_rows[i] = &b;
        }
        for (const TextField& f : b.boxes)
          if (f.clear >= 0) x.clears[f.clear] = {page.mode, &b, nullptr, &f, false};
        if (b.mode_keep >= 0) {
          x.options[b.mode_keep] = {&b, 0};
          x.options[b.mode_exclude] = {&b, 0};
        }
      }
      x.clears[page.result.base.clear] = {page.mode, nullptr, nullptr, &page.result.base, false};
      for (int k = 0; k < 3; ++k) x.options[page.result.separator_first + k] = {nullptr, page.result.separator_first};
    }
    return x;
  }();
  return idx;
}

template <typename V>
const V& lookup(const std::map<int, V>& table, int key, const char* what) {
  const auto it = table.find(key);
  if (it == table.end()) throw std::out_of_range(what);
  return it->second;
}

void row_set(PanelState& s, const ButtonRow& r, Colour colour) { range_set(s, r.kind, r.first, r.last, colour); }

void reset_range(PanelState& s, int lower) {
  s.rc.at(static_cast<std::size_t>(lower)).text = "0";
  s.rc.at(static_cast<std::size_t>(lower + 1)).text = "0";
}

void empty_box(PanelState& s, int box) { s.txt_ip.at(static_cast<std::size_t>(box)).clear(); }

void clear_block(PanelState& s, const Block& b) {
  for (const ButtonRow& r : b.rows) row_set(s, r, kNeutral);
  for (const TextField& f : b.boxes) empty_box(s, f.box);
  if (b.range >= 0) reset_range(s, b.range);
  if (b.compound_list) s.list_nei.clear();
  if (b.mode_keep >= 0) choose_option(s, b.mode_keep);
}

}  // namespace

void set_or_toggle(Button& b, SetMode mode, Colour colour) {
  switch (mode) {
    case SetMode::Set: b.colour = colour; break;
    case SetMode::Clear: b.colour = kNeutral; break;
    case SetMode::Toggle: b.colour = b.colour == colour ? kNeutral : colour; break;
  }
}

void range_set(PanelState& s, RowKind kind, int first, int last, Colour colour) {
  for (int i = first; i <= last; ++i) checked_at(buttons(s, kind), i).colour = colour;
}

Colour keep_colour(const PanelState& s, int keep_index) {
  const auto& rows = index().mode_rows;
  const auto it = rows.find(keep_index);
  if (it == rows.end()) return kKeep;
  return s.n_xuan_1[static_cast<std::size_t>(it->second->mode_exclude)].selected() ? kExclude : kKeep;
}

void toggle_kill(PanelState& s, int index) { set_or_toggle(checked_at(s.annv, index), SetMode::Toggle, kKill); }

void toggle_keep(PanelState& s, int index) {
  const Colour colour = keep_colour(s, index);
  set_or_toggle(checked_at(s.annv_chu, index), SetMode::Toggle, colour);
}

void choose_option(PanelState& s, int option) {
  const OptionGroup& g = lookup(index().options, option, "option index");
  if (g.mode_block) {
    const Block& b = *g.mode_block;
    const bool exclude = option == b.mode_exclude;
    checked_at(s.n_xuan_1, option).colour = exclude ? kExclude : kKeep;
    checked_at(s.n_xuan_1, exclude ? b.mode_keep : b.mode_exclude).colour = kNeutral;
    for (const ButtonRow& r : b.rows) row_set(s, r, kNeutral);
    return;
  }
  for (int k = g.first; k < g.first + 3; ++k) checked_at(s.n_xuan_1, k).colour = k == option ? kKeep : kNeutral;
}

void perform_clear(PanelState& s, int cls) {
  const ClearAction& a = lookup(index().clears, cls, "clear button index");
  if (a.row) {
    row_set(s, *a.row, a.select_all ? a.row->on_colour() : kNeutral);
  } else if (a.box) {
    empty_box(s, a.box->box);
  } else {
    clear_block(s, *a.block);
  }
}

std::optional<Mode> page_of_clear(int cls) {
  const auto& clears = index().clears;
  const auto it = clears.find(cls);
  if (it == clears.end()) return std::nullopt;
  return it->second.mode;
}

void clear_page(PanelState& s, Mode mode) {
  const PageTable& page = page_table(mode);
  for (std::size_t k = 1; k < slot_count(Ctl::T_duijiang); ++k) s.duijiang[k].clear();
  s.jg_rc.at(static_cast<std::size_t>(page.result.total_lower)).text = "0";
  s.jg_rc.at(static_cast<std::size_t>(page.result.total_lower + 1)).text = "0";
  s.list_jg.at(static_cast<std::size_t>(mode_info(page.mode).result_list)).clear();
  s.zhushu.at(static_cast<std::size_t>(mode_info(page.mode).result_list)).show(0);
  // Every clear button of the page in ascending order; select-all buttons are
  // left out, since each is followed by its own row clear anyway.
  for (const auto& [cls, action] : index().clears)
    if (action.mode == mode && !action.select_all) perform_clear(s, cls);
  // Rows and tolerance pairs that no clear button of the page resets.
  for (const Block& b : page.blocks) {
    for (const ButtonRow& r : b.rows) row_set(s, r, kNeutral);
    if (b.range >= 0) reset_range(s, b.range);
  }
}

void switch_sub_panel(PanelState& s, int q3_nei) {
  for (const PageTable& page : page_tables()) {
    for (const SubPanelSwitch& sw : page.sub_panels) {
      if (sw.button != q3_nei) continue;
      for (const SubPanelSwitch& other : page.sub_panels) checked_at(s.q3_nei, other.button).colour = kNeutral;
      checked_at(s.q3_nei, q3_nei).colour = kKeep;
      (page.mode == Mode::Three ? s.q3_sub_panel : s.q4_sub_panel) = sw.sub_panel;
      return;
    }
  }
  throw std::out_of_range("sub-panel switch index");
}

std::optional<std::string> compound_line(const PanelState& s, const Block& block, std::string_view suffix) {
  std::string line;
  for (const ButtonRow& r : block.rows) {
    const std::string row = selected_captions(r.kind == RowKind::Kill ? s.annv : s.annv_chu, r.first, r.last, suffix);
    if (row.empty()) return std::nullopt;
    if (!line.empty()) line += '/';
    line += trim_blanks(row);
  }
  return line;
}

void add_compound_line(PanelState& s, Mode mode) {
  const PageTable& page = page_table(mode);
  for (const Block& b : page.blocks) {
    if (b.add_button < 0) continue;
    const std::optional<std::string> line = compound_line(s, b, ".");
    if (!line) return;
    TextBox& box = s.txt_ip.at(static_cast<std::size_t>(b.boxes.front().box));
    const std::string earlier(trim_blanks(box.text()));
    box = earlier.empty() ? *line : earlier + "\r\n" + *line;
    for (const ButtonRow& r : b.rows) row_set(s, r, kNeutral);
    return;
  }
  throw std::invalid_argument("page without compound block");
}

}  // namespace tesvik
