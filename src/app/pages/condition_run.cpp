#include "app/pages/condition_run.h"

#include "app/page_model/page_run.h"
#include "app/pages/mode_table.h"
#include "app/pages/page_tables.h"
#include "app/pages/result_side.h"
#include "model/mode.h"
#include "support/text.h"

namespace tesvik {

namespace {

double total_bound(const PanelState& panel, int box) {
  return leading_number(panel.jg_rc.at(static_cast<std::size_t>(box)).text);
}

}  // namespace

void run_page(PageContext& ctx, Mode mode) {
  const PageTable& page = page_table(mode);
  ctx.progress(0, 1);
  ConditionMatrix& matrix = ctx.engine.matrix(mode);
  if (const int before = mode_info(mode).progress_before; before >= 0) ctx.progress(before, 2);
  run_blocks(ctx.blocks, page_run(mode), true, matrix, ctx.engine.memory(mode),
             [&](int percent) { ctx.progress(percent, 2); });
  apply_overall_tolerance(matrix, total_bound(ctx.panel, page.result.total_lower),
                          total_bound(ctx.panel, page.result.total_lower + 1));
  show_result(ctx, mode);
  ctx.progress(100, 2);
  ctx.progress(0, 0);
}

}  // namespace tesvik
