#pragma once
// The compound list of front three (List_nei): lines "01 02/03 05/07" built
// from the three place rows of the compound block.

namespace tesvik {

struct PanelState;

// Appends a line when every place row has a marked button; the marks stay.
void add_compound_3x(PanelState& panel);
// Removes the selected line; nothing when none is selected.
void delete_compound_3x(PanelState& panel);
void clear_compounds_3x(PanelState& panel);

}  // namespace tesvik
