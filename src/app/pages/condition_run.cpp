#include "app/pages/condition_run.h"

#include "app/pages/mode_table.h"
#include "app/pages/result_side.h"
#include "filter/run_steps.h"
#include "model/mode.h"
#include "support/text.h"

namespace tesvik {

namespace {

ToleranceRange range_of(const PanelState& panel, int lower) {
  return {range_bound(panel.rc.at(static_cast<std::size_t>(lower)).text),
          range_bound(panel.rc.at(static_cast<std::size_t>(lower + 1)).text)};
}

double total_bound(const PanelState& panel, int box) {
  return leading_number(panel.jg_rc.at(static_cast<std::size_t>(box)).text);
}

RunStep step_of(const Feeds& feeds, ConditionInput input) {
  return {feeds.condition, std::move(input), feeds.column, feeds.progress};
}

}  // namespace

ConditionInput read_block(PanelState& panel, const Block& block) {
  ConditionInput in;
  for (const ButtonRow& r : block.rows) {
    const std::vector<Button>& buttons = r.kind == RowKind::Kill ? panel.annv : panel.annv_chu;
    RowInput row{r.label, {}};
    row.buttons.reserve(static_cast<std::size_t>(r.size()));
    for (int i = r.first; i <= r.last; ++i) {
      const Button& b = buttons.at(static_cast<std::size_t>(i));
      row.buttons.push_back({b.caption, b.selected()});
    }
    in.rows.push_back(std::move(row));
  }
  for (const TextField& f : block.boxes) {
    in.boxes.push_back(&panel.txt_ip.at(static_cast<std::size_t>(f.box)));
    in.box_labels.push_back(f.label);
  }
  in.writes_back = true;
  if (block.compound_list) in.entries = &panel.list_nei.rows;
  if (block.range >= 0) in.range = range_of(panel, block.range);
  if (block.mode_exclude >= 0) in.exclude = panel.n_xuan_1.at(static_cast<std::size_t>(block.mode_exclude)).selected();
  return in;
}

void run_page(PageContext& ctx, Mode mode) {
  const PageTable& page = page_table(mode);
  ctx.progress(0, 1);
  ConditionMatrix& matrix = ctx.engine.matrix(mode);
  if (const int before = mode_info(mode).progress_before; before >= 0) ctx.progress(before, 2);
  std::vector<RunStep> steps;
  for (const Block* b : run_order(page)) steps.push_back(step_of(b->feeds, read_block(ctx.panel, *b)));
  ConditionInput base;
  base.writes_back = true;
  base.boxes.push_back(&ctx.panel.txt_ip.at(static_cast<std::size_t>(page.result.base.box)));
  steps.push_back(step_of(page.result.base_feeds, std::move(base)));
  run_steps(matrix, steps, ctx.engine.memory(mode), [&](int percent) { ctx.progress(percent, 2); });
  apply_overall_tolerance(matrix, total_bound(ctx.panel, page.result.total_lower),
                          total_bound(ctx.panel, page.result.total_lower + 1));
  show_result(ctx, mode);
  ctx.progress(100, 2);
  ctx.progress(0, 0);
}

}  // namespace tesvik
