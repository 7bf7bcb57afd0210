#pragma once
// "复制号码" and "反选": the kept (or removed) picks of the last run of a
// mode on the clipboard, one per line, with the page's separator.

#include "filter/filter_engine.h"

namespace tesvik {

enum class CopyWhich { Kept = 1, Removed = 2 };

void copy_result(FilterContext& ctx, int places, CopyWhich which);

}  // namespace tesvik
