#include "filter/run_filter.h"

#include <stdexcept>

#include "app/page_tables.h"
#include "app/panel_state.h"
#include "filter/conditions_3x.h"
#include "filter/result_view.h"
#include "filter/tolerance.h"
#include "model/universe.h"
#include "support/text.h"

namespace tesvik {

namespace {

// Condition passes of each mode in run order, grouped by the progress step
// that follows them.
const std::vector<RunStage>& stages_3x() {
  static const std::vector<RunStage> s = {
      {{kill_exact_3x}, 5},
      {{kill_pair_3x, kill_number_3x, kill_span_3x, kill_sum_3x}, 20},
      {{kill_position_3x, sure_groups_3x, kill_compound_3x}, 40},
      {{keep_position_pair_3x, kill_position_pair_3x, kill_form_3x, keep_count_3x}, 60},
      {{pair_difference_3x, pair_sum_tail_3x, min_max_3x}, 70},
      {{special_shape_3x, base_list_3x}, 90},
  };
  return s;
}

const std::vector<RunStage>& stages_4x() {
  static const std::vector<RunStage> s = {{{}, 10}, {{}, 20}, {{}, 40}, {{}, 50}, {{}, 60}, {{}, 90}};
  return s;
}

const std::vector<RunStage>& stages_5x() {
  static const std::vector<RunStage> s = {{{}, 5},  {{}, 15}, {{}, 25}, {{}, 35},
                                          {{}, 45}, {{}, 65}, {{}, 75}, {{}, 85}};
  return s;
}

}  // namespace

std::span<const RunStage> run_stages(int places) {
  switch (places) {
    case 3: return stages_3x();
    case 4: return stages_4x();
    case 5: return stages_5x();
    default: throw std::out_of_range("places must be 3..5");
  }
}

void run_filter(FilterContext& ctx, int places) {
  const PageTable& page = page_table(places);
  ctx.progress(0, 1);
  ConditionMatrix& matrix = ctx.engine.matrix(places);
  matrix = ConditionMatrix(universe_size(places));
  for (const RunStage& stage : run_stages(places)) {
    for (ConditionPass pass : stage.passes) pass(ctx, matrix);
    if (stage.progress >= 0) ctx.progress(stage.progress, 2);
  }
  const double lower = leading_number(ctx.panel.jg_rc.at(static_cast<std::size_t>(page.result.total_lower)).text);
  const double upper = leading_number(ctx.panel.jg_rc.at(static_cast<std::size_t>(page.result.total_lower + 1)).text);
  apply_overall_tolerance(matrix, lower, upper);
  show_result(ctx, places);
  ctx.progress(100, 2);
  ctx.progress(0, 0);
}

}  // namespace tesvik
