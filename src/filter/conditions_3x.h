#pragma once
// The sixteen counted conditions of front three (columns 1..16) and its
// base list (verdict column). Each reads its inputs from the panel, makes
// no pass when they are empty, and marks the picks that fail it.

#include "filter/filter_engine.h"

namespace tesvik {

void kill_exact_3x(FilterContext& ctx, ConditionMatrix& m);            // 1 杀直选
void kill_pair_3x(FilterContext& ctx, ConditionMatrix& m);             // 2 杀2码组合
void kill_number_3x(FilterContext& ctx, ConditionMatrix& m);           // 3 通杀码
void kill_span_3x(FilterContext& ctx, ConditionMatrix& m);             // 4 杀跨度
void kill_sum_3x(FilterContext& ctx, ConditionMatrix& m);              // 5 杀和值
void kill_position_3x(FilterContext& ctx, ConditionMatrix& m);         // 6 定位杀
void sure_groups_3x(FilterContext& ctx, ConditionMatrix& m);           // 7 胆组
void kill_compound_3x(FilterContext& ctx, ConditionMatrix& m);         // 8 排除前三复式
void keep_position_pair_3x(FilterContext& ctx, ConditionMatrix& m);    // 9 定位2码组合
void kill_position_pair_3x(FilterContext& ctx, ConditionMatrix& m);    // 10 定位杀2码组合
void kill_form_3x(FilterContext& ctx, ConditionMatrix& m);             // 11 大小、奇偶、质合、012路
void keep_count_3x(FilterContext& ctx, ConditionMatrix& m);            // 12 奇号、大号、质号个数
void pair_difference_3x(FilterContext& ctx, ConditionMatrix& m);       // 13 任意两码差
void pair_sum_tail_3x(FilterContext& ctx, ConditionMatrix& m);         // 14 任意两码合
void min_max_3x(FilterContext& ctx, ConditionMatrix& m);               // 15 最小号与最大号
void special_shape_3x(FilterContext& ctx, ConditionMatrix& m);         // 16 特别排除
void base_list_3x(FilterContext& ctx, ConditionMatrix& m);             // 大底

}  // namespace tesvik
