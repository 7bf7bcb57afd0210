#include "filter/copy_result.h"

#include "filter/master_switch.h"
#include "filter/result_view.h"
#include "model/universe.h"
#include "support/clipboard_copy.h"
#include "support/user_port.h"

namespace tesvik {

void copy_result(FilterContext& ctx, int places, CopyWhich which) {
  ctx.tip_text = which == CopyWhich::Kept ? "复制成功" : "反集复制成功";
  const Universe& u = universe(places);
  const ConditionMatrix& matrix = ctx.engine.matrix(places);
  const bool want_removed = which == CopyWhich::Removed;
  const std::string sep = page_separator(ctx.panel, places);
  std::string text;
  text.reserve(static_cast<std::size_t>(u.size) * (static_cast<std::size_t>(places) * 3 + 1));
  bool any = false;
  for (int i = 1; i <= u.size; ++i) {
    if (matrix.removed(i) != want_removed) continue;
    if (any) text += "\r\n";
    text += line_with_separator(u.lines[static_cast<std::size_t>(i)], sep);
    any = true;
  }
  if (!any) {
    ctx.port.message(kNoticeTitle, "反选是0注，请重新设置后缩水");
    return;
  }
  copy_to_clipboard(ctx.port, text, ctx.tip_text, CopyTrim::Blanks);
}

}  // namespace tesvik
