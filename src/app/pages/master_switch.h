#pragma once
// The function buttons C_jg_gn 0..16 of the front-three, four and five
// pages: runs, copies, page clears, compound lines and prize checks.

#include "app/page_context.h"

namespace tesvik {

// Performs button `index`; a failure of the action is reported in a message
// box and leaves whatever the action had done so far.
void master_switch(PageContext& ctx, int index);

}  // namespace tesvik
