#include "app/controls.h"

namespace tesvik {

std::string selected_captions(const std::vector<Button>& buttons, int first, int last, std::string_view suffix) {
  std::string text;
  for (int i = first; i <= last; ++i) {
    const Button& b = buttons.at(static_cast<std::size_t>(i));
    if (!b.selected()) continue;
    text += b.caption;
    text += suffix;
  }
  return text;
}

}  // namespace tesvik
