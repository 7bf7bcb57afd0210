#pragma once
// The engine's state across runs: the last condition matrix of each mode
// and what each of its steps left.

#include <array>

#include "filter/condition_matrix.h"
#include "filter/run_steps.h"
#include "model/mode.h"

namespace tesvik {

class FilterEngine {
 public:
  // Empty matrices, so that before the first run every pick counts as kept.
  FilterEngine();
  ConditionMatrix& matrix(Mode mode);
  const ConditionMatrix& matrix(Mode mode) const;
  StepMemory& memory(Mode mode);

 private:
  std::array<ConditionMatrix, kConditionModes.size()> matrices_;
  std::array<StepMemory, kConditionModes.size()> memories_;
};

}  // namespace tesvik
