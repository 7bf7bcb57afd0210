#pragma once
// "开始缩水" of front three, four and five: a fresh matrix, every condition
// of the page in ascending column with the progress steps between them, the
// base list, the overall tolerance, then the result list.

#include "app/page_context.h"
#include "app/pages/page_tables.h"

namespace tesvik {

// The input of the condition that a block feeds, read from the panel.
ConditionInput read_block(PanelState& panel, const Block& block);

void run_page(PageContext& ctx, Mode mode);

}  // namespace tesvik
