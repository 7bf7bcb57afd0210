#pragma once
// The conditions that only front six has. Each reads its block as a
// ConditionInput, returns at once when the block makes it inactive, and
// otherwise marks in `column` the picks that fail it. The others of its
// seventeen steps are the shared templates of filter/conditions.h at P = 6.

#include "filter/condition_input.h"

namespace tesvik {

// 杀直选: the picks of the pasted kill list (in.listed) fail.
void kill_listed_6x(ConditionInput& in, ConditionMatrix& m, int column);
// 大底号码: the picks outside the pasted base list are removed (verdict column); takes no column.
void base_listed_6x(ConditionInput& in, ConditionMatrix& m, int column);
// 定位杀组合: patterns of six places, "*" or a shorthand digit each; "******" is no pattern.
void kill_position_pattern_6x(ConditionInput& in, ConditionMatrix& m, int column);
// 排除大小，奇偶，质合，012路: four boxes of six-digit form patterns.
void kill_form_boxes_6x(ConditionInput& in, ConditionMatrix& m, int column);
// 排除前六复式: compound lines; throws std::length_error on a 101st line.
void kill_compound_6x(ConditionInput& in, ConditionMatrix& m, int column);

}  // namespace tesvik
