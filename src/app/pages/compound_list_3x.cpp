#include "app/pages/compound_list_3x.h"

#include "app/pages/panel_actions.h"

namespace tesvik {

void add_compound_3x(PanelState& panel) {
  for (const Block& b : page_table(Mode::Three).blocks) {
    if (!b.compound_list) continue;
    if (const std::optional<std::string> line = compound_line(panel, b, " ")) panel.list_nei.push_back(*line);
    return;
  }
}

void delete_compound_3x(PanelState& panel) {
  ListBox& list = panel.list_nei;
  if (list.selected < 0 || static_cast<std::size_t>(list.selected) >= list.rows.size()) return;
  list.erase(static_cast<std::size_t>(list.selected));
  list.selected = -1;
}

void clear_compounds_3x(PanelState& panel) { panel.list_nei.clear(); }

}  // namespace tesvik
