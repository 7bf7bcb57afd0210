#include "app/page_model/page_run.h"

#include <stdexcept>

namespace tesvik {

namespace {

[[noreturn]] void missing() { throw std::out_of_range("a block names a control that its page does not have"); }

template <typename T>
T& found(T* control) {
  if (!control) missing();
  return *control;
}

template <typename T>
T found(std::optional<T> value) {
  if (!value) missing();
  return *value;
}

}  // namespace

ConditionInput read_block(BlockSource& page, const BlockReads& reads) {
  ConditionInput in;
  in.rows.reserve(reads.rows.size());
  for (const ReadRow& r : reads.rows) {
    RowInput row{r.label, {}};
    for (const ButtonRun& run : r.runs)
      for (int i = run.first; i <= run.last; ++i) {
        const Button& b = found(page.button({run.array, i}));
        row.buttons.push_back({b.caption, b.selected()});
      }
    in.rows.push_back(std::move(row));
  }
  for (const ReadBox& b : reads.boxes) {
    in.boxes.push_back(&found(page.box(b.box)));
    in.box_labels.push_back(b.label);
  }
  if (reads.range) in.range = found(page.range(*reads.range));
  if (reads.exclude) in.exclude = found(page.button(*reads.exclude)).selected();
  if (reads.entries) in.entries = &found(page.entries(*reads.entries));
  if (reads.listed) in.listed = page.listed(*reads.listed);
  return in;
}

std::vector<int> run_blocks(BlockSource& page, std::span<const RunBlock> blocks, bool writes_back, ConditionMatrix& m,
                            StepMemory& memory, const std::function<void(int)>& progress) {
  std::vector<RunStep> steps;
  steps.reserve(blocks.size());
  for (const RunBlock& b : blocks) {
    RunStep step{b.feeds.condition, read_block(page, b.reads), b.feeds.column, b.feeds.progress};
    step.input.writes_back = writes_back;
    steps.push_back(std::move(step));
  }
  return run_steps(m, steps, memory, progress);
}

}  // namespace tesvik
