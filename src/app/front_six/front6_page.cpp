#include "app/front_six/front6_page.h"

#include "app/front_six/front6_page_table.h"
#include "app/help_texts.h"
#include "app/key_filter.h"
#include "app/page_model/block_captions.h"
#include "app/pages/panel_actions.h"
#include "app/while_disabled.h"
#include "front6/universe_6x.h"
#include "support/checked_at.h"

namespace tesvik {

namespace {

// Empties a box; a box with a paste button shows its hint again and its list is no longer used.
void empty_box(Front6State& s, const TextField& b) {
  s.boxes.at(static_cast<std::size_t>(b.box)) = std::string(b.hint);
  if (b.paste >= 0) s.pasted.at(static_cast<std::size_t>(b.paste - kQ6PasteKill)).in_use = false;
}

void set_row(Front6State& s, const ButtonRow& r, Colour colour) {
  for (int i = r.first; i <= r.last; ++i) checked_at(s.q6, i).colour = colour;
}

}  // namespace

Button* Front6State::button(ControlRef c) {
  switch (c.array) {
    case Ctl::C_q6: return &checked_at(q6, c.index);
    case Ctl::C_q6_cls: return &checked_at(cls, c.index);
    case Ctl::C_q6_gn: return &checked_at(gn, c.index);
    case Ctl::C_q6_shuoming: return &checked_at(shuoming, c.index);
    default: return nullptr;
  }
}

Front6State Front6State::initial() {
  Front6State s;
  s.q6.resize(slot_count(Ctl::C_q6));
  s.cls.resize(slot_count(Ctl::C_q6_cls));
  s.gn.resize(slot_count(Ctl::C_q6_gn));
  s.shuoming.resize(slot_count(Ctl::C_q6_shuoming));
  s.boxes.resize(slot_count(Ctl::T_q6));
  s.selectors.resize(slot_count(Ctl::rc_q6));
  s.q6[kQ6Unread].caption = "00";
  for (std::size_t i = 0; i < s.q6.size(); ++i) s.q6[i].visible = control_exists({Ctl::C_q6, static_cast<int>(i)});
  caption_blocks(s, q6_panels(), kSixBlockArrays);
  for (const Block& panel : q6_panels())
    for (const TextField& b : panel.boxes)
      if (!b.hint.empty()) checked_at(s.boxes, b.box) = std::string(b.hint) + "\r\n";
  for (std::size_t i = 0; i < s.gn.size(); ++i) s.gn[i].caption = q6_function_caption(static_cast<int>(i));
  s.gn[kQ6Run].colour = s.gn[kQ6Blank].colour = kKeep;
  for (Button& b : s.shuoming) b.caption = "说明";
  for (int rc = 0; rc < static_cast<int>(s.selectors.size()); ++rc) {
    ToleranceSelector& sel = checked_at(s.selectors, rc);
    sel.set_items(q6_selector_items(rc));
    sel.set_preselection("0*0");
  }
  return s;
}

Front6Page::Front6Page(std::function<void(int ms)> set_viewer_timer)
    : state_(Front6State::initial()), viewer_(std::move(set_viewer_timer)), result_(kPicks6), spare_(kPicks6) {}

Button* Front6Page::button(ControlRef c) { return state_.button(c); }

TextBox* Front6Page::box(ControlRef c) { return c.array == Ctl::T_q6 ? &checked_at(state_.boxes, c.index) : nullptr; }

Label* Front6Page::label(ControlRef c) {
  return c.array == Ctl::L_jg_zhushu && c.index == kQ6CountLabel ? &state_.count.label : nullptr;
}

ToleranceSelector* Front6Page::selector(ControlRef c) {
  return c.array == Ctl::rc_q6 ? &checked_at(state_.selectors, c.index) : nullptr;
}

std::optional<ToleranceRange> Front6Page::range(ControlRef c) {
  if (ToleranceSelector* s = selector(c)) return s->allowed();
  return std::nullopt;
}

const std::vector<std::uint8_t>* Front6Page::listed(ControlRef c) {
  if (c.array != Ctl::C_q6_gn || (c.index != kQ6PasteKill && c.index != kQ6PasteBase)) return nullptr;
  const PastedPicks& list = state_.pasted.at(static_cast<std::size_t>(c.index - kQ6PasteKill));
  return list.in_use ? &list.picks : nullptr;
}

void Front6Page::load() { picks_6x(); }

void Front6Page::click(ControlRef c, Front6Context& ctx) {
  Button* b = button(c);
  if (!b) return;
  while_disabled(*b, [&] {
    switch (c.array) {
      case Ctl::C_q6: set_or_toggle(*b, SetMode::Toggle, q6_on_colour(c.index)); break;
      case Ctl::C_q6_cls: clear(c.index); break;
      case Ctl::C_q6_gn: function(c.index, ctx); break;
      case Ctl::C_q6_shuoming: help(c.index, ctx); break;
      default: break;
    }
  });
}

void Front6Page::clear(int cls) {
  for (const Block& panel : q6_panels()) {
    const bool whole = panel.clear == cls;
    for (const ButtonRow& r : panel.rows) {
      if (whole || r.clear == cls) set_row(state_, r, kNeutral);
      else if (r.select_all == cls) set_row(state_, r, r.on_colour());
    }
    for (const TextField& b : panel.boxes)
      if (whole || b.clear == cls) empty_box(state_, b);
  }
}

void Front6Page::clear_all() {
  state_.count.show(0);
  for (const Block& panel : q6_panels())
    for (const TextField& b : panel.boxes) empty_box(state_, b);
  for (Button& b : state_.q6) b.colour = kNeutral;
  for (ToleranceSelector& s : state_.selectors) s.set_range("0<*>0");
  has_result_ = false;
  result_.clear();
  viewer_.clear();
}

void Front6Page::help(int index, Front6Context& ctx) {
  const HelpKey& key = q6_help_key(index);
  if (key.section.empty()) ctx.picture_panel = true;
  else help_texts().show(ctx.port, key.section, key.key);
}

void Front6Page::double_click(ControlRef c) {
  TextBox* b = box(c);
  if (!b) return;
  b->clear();
  for (int gn : {kQ6PasteKill, kQ6PasteBase})
    if (q6_paste_box(gn).box == c.index) state_.pasted.at(static_cast<std::size_t>(gn - kQ6PasteKill)) = {};
}

bool Front6Page::read_only(ControlRef c) const {
  return c.array == Ctl::T_q6 &&
         (c.index == q6_paste_box(kQ6PasteKill).box || c.index == q6_paste_box(kQ6PasteBase).box);
}

void Front6Page::type_text(ControlRef c, std::string_view utf8) {
  if (TextBox* b = box(c))
    b->edit([&](std::string& text) {
      type_into(text, utf8, c.index == kQ6PrizeBox ? BoxKind::SingleLine : BoxKind::MultiLine);
    });
}

}  // namespace tesvik
