#include "filter/text_index.h"

#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {

std::vector<std::uint8_t> picks_named_in(std::string_view text, int places, PickForm form) {
  const Universe& u = universe(places);
  std::vector<std::uint8_t> named(static_cast<std::size_t>(u.size) + 1, 0);
  const std::size_t step = form == PickForm::Line ? 3 : 2;
  const std::size_t width = step * static_cast<std::size_t>(places) - (step - 2);
  if (text.size() < width) return named;
  int numbers[kMaxPlaces];
  for (std::size_t p = 0; p + width <= text.size(); ++p) {
    const char* w = text.data() + p;
    bool ok = true;
    for (int q = 0; q < places && ok; ++q) {
      const std::size_t at = step * static_cast<std::size_t>(q);
      numbers[q] = two_digit_number(w + at);
      ok = numbers[q] != 0 && (form == PickForm::Compact || q == places - 1 || w[at + 2] == ' ');
    }
    if (!ok) continue;
    if (const int pick = u.pick_of_numbers(numbers)) named[static_cast<std::size_t>(pick)] = 1;
  }
  return named;
}

}  // namespace tesvik
