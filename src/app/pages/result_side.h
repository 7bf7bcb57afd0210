#pragma once
// The result side of a condition page: the result list with its count, the
// copies of the kept and removed picks, and the prize check.

#include <optional>
#include <string>

#include "app/page_context.h"
#include "model/mode.h"

namespace tesvik {

// " " when the page's "空格" is chosen, "," when its "逗号" is (comma wins), else empty.
std::string page_separator(const PanelState& panel, Mode mode);

// Fills List_jg and L_jg_zhushu of the page with the kept picks of the last run.
void show_result(PageContext& ctx, Mode mode);

// The text that "复制号码" (removed = false) or "反选" (removed = true)
// gives; nullopt after telling the user that there is none.
std::optional<std::string> copy_text(PageContext& ctx, Mode mode, bool removed);

// "复制号码" and "反选".
void copy_result(PageContext& ctx, Mode mode, bool removed);

// "兑奖查询": is the typed result among the kept picks of the last run?
void prize_check(PageContext& ctx, Mode mode);

}  // namespace tesvik
