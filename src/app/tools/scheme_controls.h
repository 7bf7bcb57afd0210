#pragma once
// The controls of a page that a run reads and a scheme holds, in the order
// of the control arrays and their indices: the condition buttons with the
// colours clicks give them, the text and combo boxes with the length they
// accept, the front-six tolerance selectors, the rows of front three's
// compound list and front six's pasted lists. Derived from the page tables.

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "app/colours.h"
#include "app/controls.h"
#include "model/mode.h"

namespace tesvik {

enum class SchemeKind {
  Button,        // colour
  TextBox,       // text
  ComboBox,      // text
  Selector,      // rc_q6 range "lo<*>hi"
  CompoundRows,  // List_nei: its rows, one file line each
  PastedList,    // front six's pasted kill-exact or base list, by its paste button
};

// Longest text of a combo box or a compound row, in characters, as a line edit takes it.
inline constexpr std::size_t kSchemeLineChars = 32767;

struct SchemeControl {
  SchemeKind kind = SchemeKind::Button;
  Ctl array = Ctl::C_annv;  // C_q6_gn for a pasted list
  int index = 0;
  std::vector<Colour> colours;  // a button's colours, neutral first
  std::string_view word;        // the array's name in a scheme file ("paste" for a pasted list)
};

std::span<const SchemeControl> scheme_controls(Mode mode);

// The control of a page by its word and index; nullptr when the page has none.
const SchemeControl* find_scheme_control(Mode mode, std::string_view word, int index);

}  // namespace tesvik
