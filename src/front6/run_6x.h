#pragma once
// A front-six run: the evaluation steps in their order, each active one
// failing picks in the next free column (its slot), then the overall
// tolerance over the number of slots a pick fails and the base list.

#include <functional>
#include <span>
#include <vector>

#include "filter/condition_input.h"

namespace tesvik {

struct Step6 {
  ConditionFn condition = nullptr;
  ConditionInput input;
  int progress = -1;  // percentage shown once the step has run; -1 for none
};

// Evaluates the steps into `m` (a matrix of the front-six picks, whose
// earlier content is cleared first); its verdict column then marks the
// removed picks. Returns the step (by its position in `steps`) that holds
// each slot, slot 1 first. Exceptions of a step (a 101st compound line) end
// the run and reach the caller.
std::vector<int> evaluate_6x(ConditionMatrix& m, std::span<Step6> steps, ToleranceRange total,
                             const std::function<void(int)>& progress);

}  // namespace tesvik
