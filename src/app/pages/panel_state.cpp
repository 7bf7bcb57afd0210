#include "app/pages/panel_state.h"

#include "app/pages/page_tables.h"

namespace tesvik {

namespace {

std::vector<Button>& row_buttons(PanelState& s, RowKind kind) { return kind == RowKind::Kill ? s.annv : s.annv_chu; }

void caption_rows(PanelState& s, const PageTable& page) {
  for (const Block& b : page.blocks) {
    for (const ButtonRow& r : b.rows) {
      if (!r.captions_at_startup)
        for (int i = r.first; i <= r.last; ++i)
          row_buttons(s, r.kind)[static_cast<std::size_t>(i)].caption =
              r.captions[static_cast<std::size_t>(i - r.first)];
      if (r.select_all >= 0) s.cls[static_cast<std::size_t>(r.select_all)].caption = "全";
      if (r.clear >= 0) s.cls[static_cast<std::size_t>(r.clear)].caption = "清";
    }
    for (const TextField& f : b.boxes)
      if (f.clear >= 0) s.cls[static_cast<std::size_t>(f.clear)].caption = "清";
    if (b.clear >= 0) s.cls[static_cast<std::size_t>(b.clear)].caption = "清";
    if (b.mode_keep >= 0) {
      s.n_xuan_1[static_cast<std::size_t>(b.mode_keep)] = {kKeep, "保留"};
      s.n_xuan_1[static_cast<std::size_t>(b.mode_exclude)].caption = "排除";
    }
  }
  s.cls[static_cast<std::size_t>(page.result.base.clear)].caption = "清";
  static constexpr const char* kSeparators[] = {"空格", "逗号", "无"};
  for (int k = 0; k < 3; ++k)
    s.n_xuan_1[static_cast<std::size_t>(page.result.separator_first + k)].caption = kSeparators[k];
  s.n_xuan_1[static_cast<std::size_t>(page.result.separator_first)].colour = kKeep;
  for (const SubPanelSwitch& sw : page.sub_panels) {
    Button& b = s.q3_nei[static_cast<std::size_t>(sw.button)];
    b.caption = sw.caption;
    b.colour = sw.sub_panel == 0 ? kKeep : kNeutral;
  }
}

}  // namespace

PanelState PanelState::initial() {
  PanelState s;
  for (const PageTable& page : page_tables()) caption_rows(s, page);
  for (std::size_t i = 0; i < s.jg_gn.size(); ++i) s.jg_gn[i].caption = function_caption(static_cast<int>(i));
  for (const PageTable& page : page_tables())
    s.jg_gn[static_cast<std::size_t>(mode_info(page.mode).first_function)].colour = kKeep;
  s.q3_nei[kCompoundAdd].caption = "添加到方框内";
  s.q3_nei[kCompoundDelete].caption = "删除选中";
  s.q3_nei[kCompoundClearAll].caption = "删除全部";
  // Indices that no control has stay in the state, invisible, so that indices match.
  for (std::size_t i = 0; i < s.q3_nei.size(); ++i)
    s.q3_nei[i].visible = control_exists({Ctl::C_q3_nei, static_cast<int>(i)});
  for (std::size_t i = 0; i < s.shuoming.size(); ++i) s.shuoming[i].caption = i == kPictureClose ? "关闭" : "说明";
  for (ComboBox& c : s.rc) c.text = "0";
  for (ComboBox& c : s.jg_rc) c.text = "0";
  return s;
}

}  // namespace tesvik
