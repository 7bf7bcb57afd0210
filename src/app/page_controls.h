#pragma once
// Every control index that the page model names, with the place that names
// it: the blocks, sub-panel switches and result sides of fronts three, four
// and five, and front six's panels. The control table takes the indices of
// the pages' arrays from here, so that an index is written only where a
// block or panel names it.

#include <string>
#include <vector>

#include "app/control_table.h"

namespace tesvik {

struct NamedControl {
  ControlRef ref;
  Owner owner;
  std::string place;  // "精确前三 杀码/第一名", "front six panel 4 定位杀"
};

// In page order. A front-six panel names a control once even where several
// of its rows share it (a group's numbers and counts under one "清").
std::vector<NamedControl> page_controls();

}  // namespace tesvik
