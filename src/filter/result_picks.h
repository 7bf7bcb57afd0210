#pragma once
// The picks of the last run as text, alike for all four modes: the kept
// picks as list rows, the kept or removed picks as clipboard text with the
// separator the page chose, and the prize check of a typed result.

#include <string>
#include <string_view>
#include <vector>

#include "filter/condition_matrix.h"
#include "model/mode.h"

namespace tesvik {

// Pick lines of the kept picks, in pick order, with every blank replaced by
// sep (modes three to five, whose lines the universe holds).
std::vector<std::string> kept_lines(const ConditionMatrix& matrix, Mode mode, std::string_view sep);

// The separator of the front-six page's separator mode: 1 blank, 2 comma,
// 3 none (0, no choice, keeps the blank).
std::string_view separator_6x(int mode);

// The lines of the picks whose removal is `removed`, in pick order, their
// numbers joined by sep and the lines by CR LF. Third 1, 2 or 3 takes only
// the 1st, 4th, 7th .. (2nd, 5th .. / 3rd, 6th ..) of those picks; third 0
// takes all. Empty when no pick is taken.
std::string picks_text(const ConditionMatrix& matrix, Mode mode, std::string_view sep, bool removed, int third = 0);

// The answer to a prize check in the texts of its mode: `typed` is the prize
// box text, `shown_count` the count the page shows for the last run, which
// fronts three to five refuse to check when it is 0.
std::string_view prize_verdict(std::string_view typed, Mode mode, int shown_count, const ConditionMatrix& matrix);

}  // namespace tesvik
