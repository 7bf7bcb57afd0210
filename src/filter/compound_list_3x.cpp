#include "filter/compound_list_3x.h"

#include "app/page_tables.h"
#include "app/panel_state.h"
#include "support/text.h"

namespace tesvik {

void add_compound_3x(PanelState& panel) {
  for (const Block& b : page_table(3).blocks) {
    if (!b.compound_list) continue;
    std::string line;
    for (const ButtonRow& r : b.rows) {
      std::string row_text;
      for (int i = r.first; i <= r.last; ++i) {
        const Button& button = panel.annv.at(static_cast<std::size_t>(i));
        if (button.selected()) row_text += button.caption + " ";
      }
      if (row_text.empty()) return;
      if (!line.empty()) line += '/';
      line += trim_blanks(row_text);
    }
    panel.list_nei.rows.push_back(line);
    return;
  }
}

void delete_compound_3x(PanelState& panel) {
  ListBox& list = panel.list_nei;
  if (list.selected < 0 || static_cast<std::size_t>(list.selected) >= list.rows.size()) return;
  list.rows.erase(list.rows.begin() + list.selected);
  list.selected = -1;
}

void clear_compounds_3x(PanelState& panel) { panel.list_nei.clear(); }

}  // namespace tesvik
