#pragma once
// The window as the desktop knows the installed program: the icon of the
// icon theme and the desktop entry it belongs to, so that docks and task
// bars show the program's icon and group its windows under its entry.

namespace tesvik {

// Names the desktop entry and takes the theme's icon "tesvik" as the icon
// of every window; without an installed icon the windows keep Qt's default.
void name_desktop_entry();

}  // namespace tesvik
