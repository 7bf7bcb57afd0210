#pragma once
// What a click does to the condition panel: toggles, exclusive option
// groups, the clear and select-all buttons, page clears, sub-panel switches
// and the adding of compound lines.

#include <optional>
#include <string>
#include <string_view>

#include "app/pages/page_tables.h"
#include "app/pages/panel_state.h"

namespace tesvik {

// Colour primitives.
enum class SetMode { Set, Clear, Toggle };
void set_or_toggle(Button& b, SetMode mode, Colour colour);
void range_set(PanelState& s, RowKind kind, int first, int last, Colour colour);

// Colour a C_annv_chu button takes when toggled on: red for the digit rows of
// a difference or sum block whose "排除" is chosen, green otherwise.
Colour keep_colour(const PanelState& s, int keep_index);

void toggle_kill(PanelState& s, int index);    // C_annv
void toggle_keep(PanelState& s, int index);    // C_annv_chu
void choose_option(PanelState& s, int index);  // C_n_xuan_1
void perform_clear(PanelState& s, int cls);    // C_cls
void clear_page(PanelState& s, Mode mode);     // "清空条件"
void switch_sub_panel(PanelState& s, int q3_nei);
// A compound line of a block: per place row the captions of its marked
// buttons, each followed by suffix and trimmed of blanks, the rows joined by
// "/"; nullopt when a row has no mark.
std::optional<std::string> compound_line(const PanelState& s, const Block& block, std::string_view suffix);

// Appends the marked place rows of the compound block of front four or five
// as one "01.03./02./.." line to its box; nothing when a row is empty.
void add_compound_line(PanelState& s, Mode mode);

// The page whose blocks own C_cls k; nullopt when none does.
std::optional<Mode> page_of_clear(int cls);

}  // namespace tesvik
