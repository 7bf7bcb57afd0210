#include "filter/master_switch.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "app/panel_actions.h"
#include "app/panel_state.h"
#include "filter/copy_result.h"
#include "filter/prize_check.h"
#include "filter/run_filter.h"
#include "support/user_port.h"

namespace tesvik {

namespace {

void empty_prize_inputs(PanelState& panel) {
  for (int k = 1; k < kPrizeBoxes; ++k) panel.duijiang[static_cast<std::size_t>(k)].clear();
}

void dispatch(FilterContext& ctx, int index) {
  switch (index) {
    case 0: case 5: case 10:
      run_filter(ctx, 3 + index / 5);
      empty_prize_inputs(ctx.panel);
      break;
    case 1: case 6: case 11:
      copy_result(ctx, 3 + index / 5, CopyWhich::Kept);
      break;
    case 2: case 7: case 12:
      copy_result(ctx, 3 + index / 5, CopyWhich::Removed);
      break;
    case 14: case 15: case 16:
      prize_check_345(ctx, index - 11);
      break;
    case 3: case 8: case 13:
      clear_page(ctx.panel, 3 + index / 5);
      break;
    case 4: add_compound_line(ctx.panel, 4); break;
    case 9: add_compound_line(ctx.panel, 5); break;
    default: throw std::out_of_range("function button index");
  }
}

}  // namespace

void master_switch(FilterContext& ctx, int index) {
  try {
    dispatch(ctx, index);
  } catch (const std::exception& e) {
    ctx.progress(0, 0);
    ctx.port.message(kNoticeTitle, std::string(" ") + e.what());
  }
}

}  // namespace tesvik
