#pragma once
// A page's conditions as a scheme: taken from the App's controls, and put
// back into them.

#include <vector>

#include "app/tools/scheme_file.h"

namespace tesvik {

class App;

// The page's scheme controls whose state differs from the state they have
// when the window opens, in the order of the scheme controls.
std::vector<SchemeEntry> page_scheme(App& app, Mode mode);

// Every scheme control of the page goes back to its state when the window
// opens, then takes the state of its entry; nothing else changes.
void apply_scheme(App& app, Mode mode, const std::vector<SchemeEntry>& entries);

}  // namespace tesvik
