#pragma once
// What a face needs to draw a control, read from the App in one place: the
// Qt window's bindings and the browser page read controls through this, so
// that both show the same state the same way.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/colours.h"
#include "app/control_table.h"
#include "app/controls.h"

namespace tesvik {

class App;

struct ControlView {
  ControlKind kind = ControlKind::Button;
  std::string_view caption;            // a button's or label's caption
  std::string_view text;               // a box's or combo box's text; a range selector's lower bound
  std::string_view upper;              // a range selector's upper bound
  std::span<const std::string> items;  // a combo box's or range selector's choices
  Colour colour = kNeutral;            // a button's background, a label's text colour
  bool enabled = true;
  bool visible = true;
  bool underline = false;  // an advert label
  // A list's or the result viewer's rows: their count, the selected row
  // (the viewer: the first row shown) and the revision, which moves
  // whenever a list's rows change.
  int rows = 0;
  int selected = -1;
  int scroll_max = 0;  // the viewer's last first row
  std::uint64_t revision = 0;
  // A condition box's edit revision (in `revision`): its text changed
  // exactly when the revision moved, so a face need not compare texts.
  bool revised = false;
};

// The state of a control; nullopt for a control the program does not have.
// The views point into the App and hold until its next event.
std::optional<ControlView> control_view(App& app, ControlRef ref);

// Up to `count` rows of a list (List_jg, List_nei) or of the result viewer
// from row `first`; empty past the end or for another control.
std::span<const std::string> control_rows(App& app, ControlRef ref, int first, int count);

}  // namespace tesvik
