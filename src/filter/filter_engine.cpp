#include "filter/filter_engine.h"

#include <stdexcept>

namespace tesvik {

FilterEngine::FilterEngine() {
  for (std::size_t k = 0; k < kConditionModes.size(); ++k) matrices_[k] = ConditionMatrix(picks_of(kConditionModes[k]));
}

ConditionMatrix& FilterEngine::matrix(Mode mode) { return matrices_.at(static_cast<std::size_t>(mode)); }

const ConditionMatrix& FilterEngine::matrix(Mode mode) const { return matrices_.at(static_cast<std::size_t>(mode)); }

StepMemory& FilterEngine::memory(Mode mode) { return memories_.at(static_cast<std::size_t>(mode)); }

}  // namespace tesvik
