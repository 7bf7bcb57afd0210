#pragma once
// What a page's run reads from the page that holds a block's controls. Each
// page state answers for its own arrays and returns nothing for the others.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/controls.h"
#include "filter/text_box.h"
#include "filter/tolerance.h"

namespace tesvik {

class BlockSource {
 public:
  virtual Button* button(ControlRef c) = 0;
  virtual TextBox* box(ControlRef c) = 0;  // a condition box
  // The range held by a block's range control; nullopt when the page has no such control.
  virtual std::optional<ToleranceRange> range(ControlRef c) = 0;
  // The lines of a compound list.
  virtual const std::vector<std::string>* entries(ControlRef c) = 0;
  // The picks that paste button c listed, one byte per pick index; nullptr
  // while its list is not in use.
  virtual const std::vector<std::uint8_t>* listed(ControlRef c) = 0;

 protected:
  BlockSource() = default;
  BlockSource(const BlockSource&) = default;
  BlockSource& operator=(const BlockSource&) = default;
  ~BlockSource() = default;
};

}  // namespace tesvik
