#include "filter/condition_input.h"

#include <algorithm>

namespace tesvik {

std::string ConditionInput::dotted(std::size_t row, std::size_t from, std::size_t to) const {
  std::string list;
  if (row >= rows.size()) return list;
  const auto& buttons = rows[row].buttons;
  for (std::size_t i = from; i < std::min(to, buttons.size()); ++i)
    if (buttons[i].selected) (list += buttons[i].caption) += '.';
  return list;
}

}  // namespace tesvik
