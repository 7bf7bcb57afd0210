#include "app/pages/panel_state.h"

#include "app/page_model/block_captions.h"
#include "app/pages/page_tables.h"
#include "support/checked_at.h"

namespace tesvik {

namespace {

void caption_page(PanelState& s, const PageTable& page) {
  caption_blocks(s, page.blocks, kConditionBlockArrays);
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

Button* PanelState::button(ControlRef c) {
  switch (c.array) {
    case Ctl::C_annv: return &checked_at(annv, c.index);
    case Ctl::C_annv_chu: return &checked_at(annv_chu, c.index);
    case Ctl::C_cls: return &checked_at(cls, c.index);
    case Ctl::C_n_xuan_1: return &checked_at(n_xuan_1, c.index);
    case Ctl::C_jg_gn: return &checked_at(jg_gn, c.index);
    case Ctl::C_q3_nei: return &checked_at(q3_nei, c.index);
    case Ctl::C_shuoming: return &checked_at(shuoming, c.index);
    default: return nullptr;
  }
}

PanelState PanelState::initial() {
  PanelState s;
  for (const PageTable& page : page_tables()) caption_page(s, page);
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
