#include "app/pages/master_switch.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "app/pages/condition_run.h"
#include "app/pages/mode_table.h"
#include "app/pages/panel_actions.h"
#include "app/pages/result_side.h"

namespace tesvik {

namespace {

void empty_prize_inputs(PanelState& panel) {
  for (std::size_t k = 1; k < slot_count(Ctl::T_duijiang); ++k) panel.duijiang[k].clear();
}

void dispatch(PageContext& ctx, int index) {
  const auto target = function_of(index);
  if (!target) throw std::out_of_range("function button index");
  switch (target->function) {
    case Function::Run:
      run_page(ctx, target->mode);
      empty_prize_inputs(ctx.panel);
      break;
    case Function::Copy: copy_result(ctx, target->mode, false); break;
    case Function::CopyComplement: copy_result(ctx, target->mode, true); break;
    case Function::ClearPage: clear_page(ctx.panel, target->mode); break;
    case Function::AddCompound: add_compound_line(ctx.panel, target->mode); break;
    case Function::PrizeCheck: prize_check(ctx, target->mode); break;
  }
}

}  // namespace

void master_switch(PageContext& ctx, int index) {
  try {
    dispatch(ctx, index);
  } catch (const std::exception& e) {
    ctx.progress(0, 0);
    ctx.port.message(kNoticeTitle, std::string(" ") + e.what());
  }
}

}  // namespace tesvik
