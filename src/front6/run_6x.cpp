#include "front6/run_6x.h"

namespace tesvik {

std::vector<int> evaluate_6x(ConditionMatrix& m, std::span<Step6> steps, ToleranceRange total,
                             const std::function<void(int)>& progress) {
  m.clear();
  std::vector<int> holders;
  int slot = 1;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    steps[i].condition(steps[i].input, m, slot);
    // A step that made its pass holds its column now; an inactive one left it free.
    if (m.column_used(slot)) {
      holders.push_back(static_cast<int>(i));
      ++slot;
    }
    if (steps[i].progress >= 0) progress(steps[i].progress);
  }
  apply_overall_tolerance(m, total.lower, total.upper);
  return holders;
}

}  // namespace tesvik
