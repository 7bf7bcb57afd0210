#include "filter/run_steps.h"

#include <cstring>

namespace tesvik {

namespace {

template <typename T>
void append_value(std::string& key, const T& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void append_text(std::string& key, std::string_view text) {
  append_value(key, text.size());
  key.append(text);
}

// Everything a condition reads, written out: two inputs with the same key
// make the same column. A box stands for its text by its revision, which no
// other text of any box ever had.
std::string input_key(const RunStep& step) {
  const ConditionInput& in = step.input;
  std::string key;
  append_value(key, step.condition);
  append_value(key, in.rows.size());
  for (const RowInput& row : in.rows) {
    append_text(key, row.label);
    append_value(key, row.buttons.size());
    for (const ButtonInput& b : row.buttons) {
      append_text(key, b.caption);
      key += b.selected ? '1' : '0';
    }
  }
  append_value(key, in.boxes.size());
  for (const TextBox* box : in.boxes) {
    append_value(key, box);
    append_value(key, box->revision());
  }
  for (std::string_view label : in.box_labels) append_text(key, label);
  key += in.writes_back ? '1' : '0';
  key += in.exclude ? '1' : '0';
  append_value(key, in.range.lower);
  append_value(key, in.range.upper);
  append_value(key, in.entries ? in.entries->size() : ~std::size_t{0});
  if (in.entries)
    for (const std::string& entry : *in.entries) append_text(key, entry);
  append_value(key, in.listed ? in.listed->size() : ~std::size_t{0});
  if (in.listed) key.append(reinterpret_cast<const char*>(in.listed->data()), in.listed->size());
  return key;
}

}  // namespace

void StepMemory::fit(std::size_t steps, std::size_t length) {
  if (steps == steps_.size() && length == columns_.length()) return;
  steps_.assign(steps, {});
  columns_ = RowStore(steps, length);
}

std::vector<int> run_steps(ConditionMatrix& m, std::span<RunStep> steps, StepMemory& memory,
                           const std::function<void(int)>& progress) {
  using Result = StepMemory::Kept::Result;
  m.clear();
  memory.fit(steps.size(), static_cast<std::size_t>(m.picks()) + 1);
  std::vector<int> holders;
  int next_free = 1;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    RunStep& step = steps[i];
    if (!step.condition) {
      if (step.progress >= 0) progress(step.progress);
      continue;
    }
    StepMemory::Kept& kept = memory.at(i);
    const int target = step.column > 0 ? step.column : next_free;
    const bool shared = m.column_used(target);
    if (kept.result != Result::None && !shared && kept.input == input_key(step)) {
      if (kept.result == Result::Column) {
        const auto column = m.column(target);
        std::memcpy(column.data(), memory.column(i), column.size());
      }
    } else {
      kept.result = Result::None;
      const std::uint64_t verdict_writes = m.verdict_writes();
      step.condition(step.input, m, target);
      // A step that writes the verdict, or a column that another step wrote
      // too, runs at every run; the others are kept with their input, as it
      // is after the run (a box that took its cleaned text has a new revision).
      if (!shared && m.verdict_writes() == verdict_writes) {
        kept.result = m.column_used(target) ? Result::Column : Result::Inactive;
        if (kept.result == Result::Column) {
          const auto column = m.column(target);
          std::memcpy(memory.column(i), column.data(), column.size());
        }
        kept.input = input_key(step);
      }
    }
    if (!shared && m.column_used(target)) {
      holders.push_back(static_cast<int>(i));
      if (step.column == 0) ++next_free;
    }
    if (step.progress >= 0) progress(step.progress);
  }
  return holders;
}

}  // namespace tesvik
