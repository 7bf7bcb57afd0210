#pragma once
// The control arrays of the main window in one table: the name the program
// gives each, its kind, the indices that exist (with their gaps) and the
// part of the application state that owns it. The App's look-ups, the batch
// runner's names and the window's bindings all read this table.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"

namespace tesvik {

enum class ControlKind {
  Button,
  TextBox,
  ComboBox,
  CountLabel,     // L_jg_zhushu
  AdvertLabel,    // L_ad
  ResultList,     // List_jg
  CompoundList,   // List_nei
  Window,         // Fmain
  RangeSelector,  // rc_q6: a tolerance selector
  ResultViewer,   // ucf_q6show
};

// Which part of the application state holds a control.
enum class Owner {
  Frame,           // the window frame: mode buttons, links, adverts, focus sink
  ConditionPages,  // the pages of front three, four and five
  FrontSix,        // the front-six page
};

struct IndexRange {
  int first;
  int last;
  std::optional<Owner> owner{};  // set where these indices have another owner than their array
  bool operator==(const IndexRange&) const = default;
};

struct ControlArray {
  std::string_view name;
  Ctl ctl;
  ControlKind kind;
  std::vector<IndexRange> indices;  // empty for a single control without index
  Owner owner;

  bool indexed() const { return !indices.empty(); }
  bool has_index(int index) const;
  // The valid indices as written in error reasons: "0..4, 6..8".
  std::string index_description() const;
};

std::span<const ControlArray> control_arrays();
const ControlArray& control_array(Ctl ctl);
// nullptr for a name the program does not have.
const ControlArray* find_control(std::string_view name);
// The slots that the state of an array needs: one past its highest index.
std::size_t slot_count(Ctl ctl);
// The control exists: its array has this index (any index for a single control).
bool control_exists(ControlRef ref);
// The owner of an existing control.
Owner owner_of(ControlRef ref);

}  // namespace tesvik
