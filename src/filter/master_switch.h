#pragma once
// The function buttons C_jg_gn 0..16 of the front-three, four and five
// pages: runs, copies, page clears, compound lines and prize checks.

#include "filter/filter_engine.h"

namespace tesvik {

inline constexpr const char* kNoticeTitle = "温馨提示";

// Performs button `index`; a failure of the action is reported in a message
// box and leaves whatever the action had done so far.
void master_switch(FilterContext& ctx, int index);

}  // namespace tesvik
