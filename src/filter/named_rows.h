#pragma once
// Conditions whose rows each name values of one per-pick fact (a place's
// number, a form's pattern): a pick counts one for every row that names its
// value, and fails when that count lies outside the block's range.

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
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) {
    int c = 0;
    for (std::size_t r = 0; r < rows; ++r) c += named[r][value_of(f, r)];
    return c;
  });
}

}  // namespace tesvik
