#pragma once
// The control names a script may use: the window's control arrays.

#include <string_view>

#include "app/control_table.h"

namespace tesvik {

using ControlName = ControlArray;

// "a button", "a text box", ... for error reasons.
std::string_view kind_description(ControlKind kind);

}  // namespace tesvik
