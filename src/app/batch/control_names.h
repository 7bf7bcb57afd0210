#pragma once
// The control names a script may use: the window's control arrays, and the
// names of controls that the program does not have yet.

#include <string_view>

#include "app/control_table.h"

namespace tesvik {

using ControlName = ControlArray;

// "a button", "a text box", ... for error reasons.
std::string_view kind_description(ControlKind kind);

// Names of controls the program will have but that are not built yet.
bool control_not_built(std::string_view name);

}  // namespace tesvik
