#pragma once
// Conditions whose rows each name values of one per-pick fact (a place's
// number, a form's pattern): a pick counts one for every row that names its
// value, and fails when that count lies outside the block's range.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "filter/condition_input.h"
#include "filter/pick_facts.h"

namespace tesvik {

// texts_of(r): the texts of row r's values by value index; value_of(fact, r):
// the pick's value index for row r. No pass when the rows' lists together
// have at most one character.
template <int P, typename Texts, typename Value>
void mark_named_rows(ConditionInput& in, ConditionMatrix& m, int column, std::size_t rows, Texts&& texts_of,
                     Value&& value_of) {
  std::vector<std::vector<std::uint8_t>> named;
  if (in.named_per_row(rows, texts_of, named) <= 1) return;
  // The rows that name a value, their tables one after another.
  struct Used {
    std::size_t row;
    std::size_t offset;
  };
  std::vector<Used> used;
  std::vector<std::uint8_t> tables;
  for (std::size_t r = 0; r < rows; ++r) {
    if (std::find(named[r].begin(), named[r].end(), 1) == named[r].end()) continue;
    used.push_back({r, tables.size()});
    tables.insert(tables.end(), named[r].begin(), named[r].end());
  }
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) {
    int c = 0;
    for (const Used& u : used) c += tables[u.offset + static_cast<std::size_t>(value_of(f, u.row))];
    return c;
  });
}

}  // namespace tesvik
