#include "filter/selection.h"

namespace tesvik {

std::string dotted_list(const std::vector<Button>& buttons, int first, int last) {
  std::string list;
  for (int i = first; i <= last; ++i) {
    const Button& b = buttons.at(static_cast<std::size_t>(i));
    if (b.selected()) list += b.caption + ".";
  }
  return list;
}

}  // namespace tesvik
