#pragma once
// `print`: the state of one control as the batch output shows it.

#include <iosfwd>

#include "app/batch/control_names.h"

namespace tesvik {

class App;

// Writes the control's line (and one line per row of a list box). `index`
// must be one of the control's indices; it is ignored for single controls.
void print_control(App& app, const ControlName& control, int index, std::ostream& out);

}  // namespace tesvik
