#pragma once
// One filter run over a page's conditions: each step runs its condition into
// its column (a fixed one, or the next free one), and the progress is
// reported after the steps that have a step of their own.
//
// A run keeps each step's column with the input it was made from. A step
// whose input (buttons, box revisions, range, lists) is the same at the
// next run takes its kept column instead of running again, so that a rerun
// after a small change costs what the changed conditions cost.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "filter/condition_input.h"
#include "support/row_store.h"

namespace tesvik {

struct RunStep {
  ConditionFn condition = nullptr;  // none: a progress step alone
  ConditionInput input;
  int column = 0;     // the column it writes; 0 for the next free one
  int progress = -1;  // percentage shown once the step has run; -1 for none
};

// What each step of a page's run left, kept from one run to the next.
class StepMemory {
 public:
  struct Kept {
    enum class Result { None, Inactive, Column } result = Result::None;
    std::string input;  // the step's input when it last ran
  };
  // Makes room for `steps` steps of columns of `length` bytes; what was
  // kept for another shape is let go.
  void fit(std::size_t steps, std::size_t length);
  Kept& at(std::size_t step) { return steps_.at(step); }
  // The kept column of a step (Result::Column).
  std::uint8_t* column(std::size_t step) { return columns_.row(step); }

 private:
  std::vector<Kept> steps_;
  RowStore columns_;
};

// Runs the steps into `m` (cleared first) in their order. Returns the step
// (by its position in `steps`) that holds each written column, in column
// order. Exceptions of a step (a 101st compound line) end the run and reach
// the caller.
std::vector<int> run_steps(ConditionMatrix& m, std::span<RunStep> steps, StepMemory& memory,
                           const std::function<void(int)>& progress);

}  // namespace tesvik
