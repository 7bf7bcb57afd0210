#pragma once
// The conditions of the filter. Each reads its block's input, makes no pass
// when that input is empty, and marks the picks that fail it in its column.
//
// The templates are one rule over the P places of a pick and serve every
// mode that has the condition; P is 3, 4 or 5, and 6 for the rules that the
// front-six page shares.

#include "filter/condition_input.h"
#include "filter/conditions_lists.h"

namespace tesvik {

// Rules over the numbers of a pick.
template <int P>
void kill_number(ConditionInput& in, ConditionMatrix& m, int column);  // 通杀码
template <int P>
void kill_span(ConditionInput& in, ConditionMatrix& m, int column);  // 杀跨度
template <int P>
void kill_sum(ConditionInput& in, ConditionMatrix& m, int column);  // 杀和值
template <int P>
void kill_position(ConditionInput& in, ConditionMatrix& m, int column);  // 定位杀
template <int P>
void sure_groups(ConditionInput& in, ConditionMatrix& m, int column);  // 胆组
template <int P>
void keep_count(ConditionInput& in, ConditionMatrix& m, int column);  // 奇号/大号/质号个数
template <int P>
void pair_difference(ConditionInput& in, ConditionMatrix& m, int column);  // 任意两码差
template <int P>
void pair_sum_tail(ConditionInput& in, ConditionMatrix& m, int column);  // 任意两码合
template <int P>
void min_max(ConditionInput& in, ConditionMatrix& m, int column);  // 最小号与最大号

// Rules over the forms and classes of a pick.
template <int P>
void kill_form(ConditionInput& in, ConditionMatrix& m, int column);  // 大小、奇偶、质合、012路
template <int P>
void special_shape(ConditionInput& in, ConditionMatrix& m, int column);  // 特别排除

// Front three alone.
void kill_exact_3x(ConditionInput& in, ConditionMatrix& m, int column);     // 杀直选
void kill_pair_3x(ConditionInput& in, ConditionMatrix& m, int column);      // 杀2码组合
void kill_compound_3x(ConditionInput& in, ConditionMatrix& m, int column);  // 排除前三复式
void base_list_3x(ConditionInput& in, ConditionMatrix& m, int column);      // 大底

// Front five alone.
void kill_position_pattern_5x(ConditionInput& in, ConditionMatrix& m, int column);  // 定位杀组合 ("1*3*5")
void kill_form_boxes_5x(ConditionInput& in, ConditionMatrix& m, int column);  // 大小、奇偶、质合、012路 as digits

}  // namespace tesvik
