#include "app/pages/result_side.h"

#include "app/pages/mode_table.h"
#include "app/pages/page_tables.h"
#include "filter/result_picks.h"
#include "support/clipboard_copy.h"
#include "support/text.h"

namespace tesvik {

std::string page_separator(const PanelState& panel, Mode mode) {
  const int space = page_table(mode).result.separator_first;
  std::string sep;
  if (panel.n_xuan_1.at(static_cast<std::size_t>(space)).selected()) sep = " ";
  if (panel.n_xuan_1.at(static_cast<std::size_t>(space + 1)).selected()) sep = ",";
  return sep;
}

void show_result(PageContext& ctx, Mode mode) {
  const auto list = static_cast<std::size_t>(mode_info(mode).result_list);
  ListBox& rows = ctx.panel.list_jg.at(list);
  rows.assign(kept_lines(ctx.engine.matrix(mode), mode, page_separator(ctx.panel, mode)));
  ctx.panel.zhushu.at(list).show(static_cast<int>(rows.rows.size()));
}

std::optional<std::string> copy_text(PageContext& ctx, Mode mode, bool removed) {
  const std::string text = picks_text(ctx.engine.matrix(mode), mode, page_separator(ctx.panel, mode), removed);
  if (text.empty()) {
    ctx.port.message(kNoticeTitle, "反选是0注，请重新设置后缩水");
    return std::nullopt;
  }
  return std::string(trim_blanks(text));
}

void copy_result(PageContext& ctx, Mode mode, bool removed) {
  ctx.tip_text = removed ? "反集复制成功" : "复制成功";
  if (const std::optional<std::string> text = copy_text(ctx, mode, removed))
    copy_to_clipboard(ctx.port, *text, ctx.tip_text);
}

void prize_check(PageContext& ctx, Mode mode) {
  const ModeInfo& m = mode_info(mode);
  const int count = ctx.panel.zhushu.at(static_cast<std::size_t>(m.result_list)).value;
  ctx.port.message(kNoticeTitle, prize_verdict(ctx.panel.duijiang.at(static_cast<std::size_t>(m.prize_box)), mode,
                                               count, ctx.engine.matrix(mode)));
}

}  // namespace tesvik
