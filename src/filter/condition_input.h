#pragma once
// What a condition reads: the buttons, boxes and tolerance range of the one
// page block that feeds it, as plain values. The application fills it from
// the page tables; the engine never sees the panel.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "filter/condition_matrix.h"
#include "filter/text_box.h"
#include "filter/tolerance.h"
#include "support/text.h"

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
  // The block's text boxes.
  std::vector<TextBox*> boxes;
  // A condition that cleans a box writes the cleaned text back (front
  // three, four and five); otherwise a run leaves the boxes as they are.
  bool writes_back = false;
  std::vector<std::string_view> box_labels;  // the label shown with each box ("A*C*")
  // The lines of the block's compound list, when it has one.
  const std::vector<std::string>* entries = nullptr;
  // The picks named by the block's pasted list, one byte per pick index,
  // while that list is in use.
  const std::vector<std::uint8_t>* listed = nullptr;
  ToleranceRange range;  // 0-0 when the block has no range of its own
  bool exclude = false;  // the block's "排除" mode is chosen

  // The captions of the selected buttons from..to-1 of a row, each followed
  // by ".", in button order ("05.07."): a value is selected when its text
  // occurs in this list.
  std::string dotted(std::size_t row, std::size_t from = 0,
                     std::size_t to = std::numeric_limits<std::size_t>::max()) const;

  // For each row r < rows whose dotted list is longer than 2 characters:
  // named[r][k] = 1 when that list contains texts_of(r)[k]. Returns the
  // number of characters of all the rows' lists together.
  template <typename Texts>
  std::size_t named_per_row(std::size_t rows, Texts&& texts_of, std::vector<std::vector<std::uint8_t>>& named) const {
    std::size_t total = 0;
    named.assign(rows, {});
    for (std::size_t r = 0; r < rows; ++r) {
      const std::string list = dotted(r);
      const auto& texts = texts_of(r);
      const std::size_t length = character_count(list);
      total += length;
      named[r].assign(texts.size(), 0);
      if (length > 2)
        for (std::size_t k = 0; k < texts.size(); ++k) named[r][k] = list.find(texts[k]) != std::string::npos;
    }
    return total;
  }
};

// A condition: reads its input and marks the picks that fail it in `column`
// (or, for a base list, in the verdict column).
using ConditionFn = void (*)(ConditionInput& in, ConditionMatrix& m, int column);

}  // namespace tesvik
