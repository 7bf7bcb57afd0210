// Conditions that only front five has: the positional patterns and the
// form patterns typed as digits.

#include <array>
#include <string>
#include <vector>

#include "filter/box_text.h"
#include "filter/conditions.h"
#include "filter/pick_facts.h"
#include "model/number_text.h"
#include "support/text.h"

namespace tesvik {

namespace {

using Fact = PickFact<5>;

// Value of a pattern text of one form as an index of pattern_texts(form, 5):
// the digit boxes write the first word (大, 奇, 质) as 1, where the index has 0.
std::size_t pattern_index(Form form, std::string_view item) {
  std::size_t index = 0;
  for (char c : item) {
    const int digit = c - '0';
    index = form == kRouteForm ? 3 * index + static_cast<std::size_t>(digit) : 2 * index + static_cast<std::size_t>(1 - digit);
  }
  return index;
}

}  // namespace

void kill_position_pattern_5x(ConditionInput& in, ConditionMatrix& m, int column) {
  std::string& box = *in.boxes.at(0);
  box = clean_box(box, "1234567890*");
  if (character_count(box) <= 4) return;
  const auto patterns = items_of_length(box, 5, 1000);
  if (patterns.empty()) return;
  // Patterns grouped by the places they fix (bit p for place p): per group,
  // how many patterns fix each combination of numbers, keyed in base 11.
  std::array<std::vector<std::uint16_t>, 32> counts;
  for (std::string_view pattern : patterns) {
    unsigned fixed = 0;
    std::size_t key = 0, size = 1;
    for (std::size_t p = 0; p < 5; ++p) {
      if (pattern[p] == '*') continue;
      fixed |= 1u << p;
      key = 11 * key + static_cast<std::size_t>(number_of_digit(pattern[p]));
      size *= 11;
    }
    if (counts[fixed].empty()) counts[fixed].assign(size, 0);
    ++counts[fixed][key];
  }
  mark_outside<5>(m, column, in.range, [&](const Fact& f) {
    int c = 0;
    for (unsigned fixed = 0; fixed < counts.size(); ++fixed) {
      if (counts[fixed].empty()) continue;
      std::size_t key = 0;
      for (std::size_t p = 0; p < 5; ++p)
        if (fixed & (1u << p)) key = 11 * key + f.n[p];
      c += counts[fixed][key];
    }
    return c;
  });
}

void kill_form_boxes_5x(ConditionInput& in, ConditionMatrix& m, int column) {
  // The boxes hold size, parity, prime and route patterns, in that order.
  static constexpr std::array<std::string_view, kForms> kAllowed = {"01", "01", "01", "012"};
  std::array<std::vector<std::uint8_t>, kForms> named;
  bool any = false;
  for (std::size_t form = 0; form < kForms; ++form) {
    std::string& box = *in.boxes.at(form);
    box = clean_box(box, kAllowed[form]);
    if (character_count(box) <= 4) continue;
    const auto items = items_of_length(box, 5, 1001);
    if (items.empty()) continue;
    named[form].assign(pattern_texts(Form(form), 5).size(), 0);
    for (std::string_view item : items) named[form][pattern_index(Form(form), item)] = 1;
    any = true;
  }
  if (!any) return;
  mark_outside<5>(m, column, in.range, [&](const Fact& f) {
    int c = 0;
    for (std::size_t form = 0; form < kForms; ++form)
      if (!named[form].empty()) c += named[form][f.pattern[form]];
    return c;
  });
}

}  // namespace tesvik
