#include "front6/run_6x.h"

namespace tesvik {

void evaluate_6x(ConditionMatrix& m, std::span<Step6> steps, ToleranceRange total,
                 const std::function<void(int)>& progress) {
  m.clear();
  int slot = 1;
  for (Step6& step : steps) {
    step.condition(step.input, m, slot);
    // A step that made its pass holds its column now; an inactive one left it free.
    if (m.column_used(slot)) ++slot;
    if (step.progress >= 0) progress(step.progress);
  }
  apply_overall_tolerance(m, total.lower, total.upper);
}

}  // namespace tesvik
