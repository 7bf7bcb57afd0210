#pragma once
// Tolerance ranges: each condition's own range and the overall range over
// all conditions.

#include <string_view>

#include "filter/condition_matrix.h"

namespace tesvik {

// A condition's range; a count outside lower..upper fails the pick.
struct ToleranceRange {
  int lower = 0;
  int upper = 0;
  bool fails(int count) const { return count < lower || count > upper; }
};

// Bound of a range box: its leading number rounded to the nearest integer,
// halves to even; far out-of-range values are clamped.
int range_bound(std::string_view text);

// Overall tolerance: a pick is removed when the number of condition columns
// it fails lies outside lower..upper, or when the base list already removed it.
// The base list's removals are kept as the matrix's base marks.
void apply_overall_tolerance(ConditionMatrix& matrix, double lower, double upper);

}  // namespace tesvik
