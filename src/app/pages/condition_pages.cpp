#include "app/pages/condition_pages.h"

#include "app/help_texts.h"
#include "app/key_filter.h"
#include "app/pages/compound_list_3x.h"
#include "app/pages/master_switch.h"
#include "app/pages/mode_table.h"
#include "app/pages/page_tables.h"
#include "app/pages/panel_actions.h"
#include "app/while_disabled.h"
#include "support/checked_at.h"

namespace tesvik {

namespace {

void fill_items(std::vector<ComboBox>& boxes, int last) {
  for (ComboBox& c : boxes) {
    c.items.clear();
    for (int v = 0; v <= last; ++v) c.items.push_back(std::to_string(v));
  }
}

}  // namespace

Button* ConditionPages::button(ControlRef c) { return panel_.button(c); }

ComboBox* ConditionPages::combo(ControlRef c) {
  switch (c.array) {
    case Ctl::Comb_rc: return &checked_at(panel_.rc, c.index);
    case Ctl::Comb_jg_rc: return &checked_at(panel_.jg_rc, c.index);
    default: return nullptr;
  }
}

TextBox* ConditionPages::box(ControlRef c) {
  return c.array == Ctl::T_nei_txt_ip ? &checked_at(panel_.txt_ip, c.index) : nullptr;
}

std::string* ConditionPages::text(ControlRef c) {
  switch (c.array) {
    case Ctl::T_duijiang: return &checked_at(panel_.duijiang, c.index);
    default: {
      ComboBox* box = combo(c);
      return box ? &box->text : nullptr;
    }
  }
}

std::optional<ToleranceRange> ConditionPages::range(ControlRef c) {
  if (c.array != Ctl::Comb_rc) return std::nullopt;
  return ToleranceRange{range_bound(checked_at(panel_.rc, c.index).text),
                        range_bound(checked_at(panel_.rc, c.index + 1).text)};
}

const std::vector<std::string>* ConditionPages::entries(ControlRef c) {
  ListBox* l = c.array == Ctl::List_nei ? list(c) : nullptr;
  return l ? &l->rows : nullptr;
}

ListBox* ConditionPages::list(ControlRef c) {
  switch (c.array) {
    case Ctl::List_nei: return &panel_.list_nei;
    case Ctl::List_jg: return &panel_.list_jg.at(static_cast<std::size_t>(c.index));
    default: return nullptr;
  }
}

Label* ConditionPages::label(ControlRef c) {
  return c.array == Ctl::L_jg_zhushu ? &panel_.zhushu.at(static_cast<std::size_t>(c.index)).label : nullptr;
}

void ConditionPages::load() {
  engine_ = FilterEngine();
  for (const PageTable& page : page_tables())
    for (const Block& b : page.blocks)
      for (const ButtonRow& r : b.rows)
        if (r.captions_at_startup)
          for (int i = r.first; i <= r.last; ++i)
            checked_at(panel_.annv, i).caption = r.captions[static_cast<std::size_t>(i - r.first)];
  fill_items(panel_.rc, 6);
  fill_items(panel_.jg_rc, 20);
  help_texts();  // the texts behind the help buttons, read and decoded once, here
}

void ConditionPages::click(ControlRef c, PageContext& ctx) {
  switch (c.array) {
    case Ctl::C_annv: toggle_kill(panel_, c.index); break;
    case Ctl::C_annv_chu: toggle_keep(panel_, c.index); break;
    case Ctl::C_cls: perform_clear(panel_, c.index); break;
    case Ctl::C_n_xuan_1: choose_option(panel_, c.index); break;
    case Ctl::C_jg_gn: while_disabled(*button(c), [&] { master_switch(ctx, c.index); }); break;
    case Ctl::C_q3_nei:
      while_disabled(*button(c), [&] {
        switch (c.index) {
          case kCompoundAdd: add_compound_3x(panel_); break;
          case kCompoundDelete: delete_compound_3x(panel_); break;
          case kCompoundClearAll: clear_compounds_3x(panel_); break;
          default: switch_sub_panel(panel_, c.index); break;
        }
      });
      break;
    case Ctl::C_shuoming:
      while_disabled(*button(c), [&] { click_help(c.index, panel_.picture_panel, ctx.port); });
      break;
    default: break;
  }
}

void ConditionPages::double_click(ControlRef c) {
  if (TextBox* b = box(c)) b->clear();
}

void ConditionPages::type_text(ControlRef c, std::string_view utf8) {
  if (TextBox* b = this->box(c)) {
    b->edit([&](std::string& text) { type_into(text, utf8, BoxKind::MultiLine); });
    return;
  }
  std::string* box = text(c);
  if (!box) return;
  if (c.array == Ctl::T_duijiang) {
    // The prize box of a mode takes as many digits as the mode has places.
    static_assert(places_of(Mode::Five) <= static_cast<int>(kLongestPrizeLimit));
    for (const ModeInfo& m : kModeTable)
      if (m.prize_box == c.index) type_into(*box, utf8, BoxKind::Prize, static_cast<std::size_t>(places_of(m.mode)));
    return;
  }
  type_into(*box, utf8, BoxKind::SingleLine);
}

}  // namespace tesvik
