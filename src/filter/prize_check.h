#pragma once
// "兑奖查询": is the typed result of the first 3, 4 or 5 places among the
// kept picks of the last run of that mode?

#include "filter/filter_engine.h"

namespace tesvik {

void prize_check_345(FilterContext& ctx, int places);

}  // namespace tesvik
