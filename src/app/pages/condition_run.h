#pragma once
// "开始缩水" of front three, four and five: a fresh matrix, every condition
// of the page in ascending column with the progress steps between them, the
// base list, the overall tolerance, then the result list.

#include "app/page_context.h"
#include "model/mode.h"

namespace tesvik {

void run_page(PageContext& ctx, Mode mode);

}  // namespace tesvik
