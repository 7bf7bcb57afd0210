#pragma once
// What a condition reads: the buttons, boxes and tolerance range of the one
// page block that feeds it, as plain values. The application fills it from
// the page tables; the engine never sees the panel.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "filter/condition_matrix.h"
#include "filter/tolerance.h"

namespace tesvik {

struct ButtonInput {
  std::string_view caption;
  bool selected = false;
};

struct RowInput {
  std::string_view label;  // the row's label ("第一名", "奇号个数"); may be empty
  std::vector<ButtonInput> buttons;
};

struct ConditionInput {
  std::vector<RowInput> rows;
  // The block's text boxes; a condition that cleans a box writes the cleaned text back.
  std::vector<std::string*> boxes;
  // The lines of the block's compound list, when it has one.
  const std::vector<std::string>* entries = nullptr;
  ToleranceRange range;  // 0-0 when the block has no range of its own
  bool exclude = false;  // the block's "排除" mode is chosen

  // The captions of the selected buttons from..to-1 of a row, each followed
  // by ".", in button order ("05.07."): a value is selected when its text
  // occurs in this list.
  std::string dotted(std::size_t row, std::size_t from = 0,
                     std::size_t to = std::numeric_limits<std::size_t>::max()) const;
};

// A condition: reads its input and marks the picks that fail it in `column`
// (or, for a base list, in the verdict column).
using ConditionFn = void (*)(ConditionInput& in, ConditionMatrix& m, int column);

}  // namespace tesvik
