#include "filter/result_view.h"

#include "app/page_tables.h"
#include "app/panel_state.h"
#include "model/universe.h"

namespace tesvik {

std::string page_separator(const PanelState& panel, int places) {
  const int space = page_table(places).result.separator_first;
  std::string sep;
  if (panel.n_xuan_1.at(static_cast<std::size_t>(space)).selected()) sep = " ";
  if (panel.n_xuan_1.at(static_cast<std::size_t>(space + 1)).selected()) sep = ",";
  return sep;
}

void show_result(FilterContext& ctx, int places) {
  const PageTable& page = page_table(places);
  const std::string sep = page_separator(ctx.panel, places);
  const Universe& u = universe(places);
  const ConditionMatrix& matrix = ctx.engine.matrix(places);
  ListBox& list = ctx.panel.list_jg.at(static_cast<std::size_t>(page.result.result_list));
  list.clear();
  list.rows.reserve(static_cast<std::size_t>(matrix.kept_count()));
  for (int i = 1; i <= u.size; ++i)
    if (matrix.kept(i)) list.rows.push_back(line_with_separator(u.lines[static_cast<std::size_t>(i)], sep));
  ctx.panel.zhushu.at(static_cast<std::size_t>(page.result.result_list)).caption = std::to_string(list.rows.size());
}

}  // namespace tesvik
