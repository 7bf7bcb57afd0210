#pragma once
// The picks of the last run as text: the kept picks as list rows, the kept
// or removed picks as clipboard text, and the prize check of a typed result.

#include <string>
#include <string_view>
#include <vector>

#include "filter/condition_matrix.h"
#include "model/mode.h"

namespace tesvik {

// Pick lines of the kept picks, in pick order, with every blank replaced by sep.
std::vector<std::string> kept_lines(const ConditionMatrix& matrix, Mode mode, std::string_view sep);

// The kept (or removed) pick lines joined by CR LF; empty when there are none.
std::string picks_text(const ConditionMatrix& matrix, Mode mode, std::string_view sep, bool removed);

// The answer to a prize check: `typed` is the prize box text, `shown_count`
// the count the page shows for the last run.
std::string_view prize_verdict(std::string_view typed, Mode mode, int shown_count, const ConditionMatrix& matrix);

}  // namespace tesvik
