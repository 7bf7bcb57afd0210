#pragma once
// The run drivers of front three, four and five: a fresh matrix, every
// condition of the mode in its fixed order with the progress steps between
// them, the overall tolerance, then the result list.

#include <span>
#include <vector>

#include "filter/filter_engine.h"

namespace tesvik {

// A condition pass: reads the panel, writes its own column (or the verdict).
using ConditionPass = void (*)(FilterContext&, ConditionMatrix&);

struct RunStage {
  std::vector<ConditionPass> passes;
  int progress = -1;  // progress value shown after the passes; -1 for none
};

std::span<const RunStage> run_stages(int places);

void run_filter(FilterContext& ctx, int places);

}  // namespace tesvik
