#include "filter/prize_check.h"

#include <cmath>

#include "app/page_tables.h"
#include "app/panel_state.h"
#include "filter/master_switch.h"
#include "model/number_text.h"
#include "model/universe.h"
#include "support/text.h"
#include "support/user_port.h"

namespace tesvik {

namespace {

std::string_view check(const FilterContext& ctx, int places) {
  const PageTable& page = page_table(places);
  std::string digits;
  for (char c : ctx.panel.duijiang.at(static_cast<std::size_t>(page.result.prize_box)))
    if (c >= '0' && c <= '9') digits += c;
  if (digits.size() != static_cast<std::size_t>(places)) return "输入奖号格式不对，请检查";
  const double count = leading_number(ctx.panel.zhushu.at(static_cast<std::size_t>(page.result.result_list)).caption);
  if (std::nearbyint(count) == 0) return "大底为空，请先过滤";
  int numbers[kMaxPlaces];
  for (int p = 0; p < places; ++p) numbers[p] = number_of_digit(digits[static_cast<std::size_t>(p)]);
  // Repeated digits name no pick; a pick is found only when it is kept.
  const int pick = universe(places).pick_of_numbers(numbers);
  return pick != 0 && ctx.engine.matrix(places).kept(pick) ? "恭喜，找到号码！" : "没有找到";
}

}  // namespace

void prize_check_345(FilterContext& ctx, int places) { ctx.port.message(kNoticeTitle, check(ctx, places)); }

}  // namespace tesvik
