#pragma once
// A front-six run: the evaluation steps in their order, each active one
// failing picks in the next free column (its slot), then the overall
// tolerance over the number of slots a pick fails and the base list.

#include <functional>
#include <span>

#include "filter/condition_input.h"

namespace tesvik {

struct Step6 {
  ConditionFn condition = nullptr;
  ConditionInput input;
  int progress = -1;  // percentage shown once the step has run; -1 for none
};

// The verdict column of the result marks the removed picks. Exceptions of a
// step (a 101st compound line) end the run and reach the caller.
ConditionMatrix evaluate_6x(std::span<Step6> steps, ToleranceRange total, const std::function<void(int)>& progress);

}  // namespace tesvik
