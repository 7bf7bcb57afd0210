#pragma once
// The control names a script may use, what kind of control each is and
// which indices exist.

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
};

// "a button", "a text box", ... for error reasons.
std::string_view kind_description(ControlKind kind);

struct IndexRange {
  int first;
  int last;
};

struct ControlName {
  std::string_view name;
  Ctl ctl;
  ControlKind kind;
  std::vector<IndexRange> indices;  // empty for a single control without INDEX

  bool indexed() const { return !indices.empty(); }
  bool has_index(int index) const;
  // The valid indices as written in error reasons: "0..4, 6..8".
  std::string index_description() const;
};

std::span<const ControlName> control_names();
// nullptr for a name the program does not have.
const ControlName* find_control(std::string_view name);
// Names of controls the program will have but that are not built yet.
bool control_not_built(std::string_view name);

}  // namespace tesvik
