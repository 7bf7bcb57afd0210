#pragma once
// Form patterns typed as digits, one box per form: 大1小0, 奇1偶0, 质1合0
// (1 for the first word) and 012路 (the route digit), a pattern being P
// digits for places 1..P. A pick counts one for every form whose box names
// its pattern; a box that yields no pattern takes no part.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "filter/box_reading.h"
#include "filter/condition_input.h"
#include "filter/pick_facts.h"

namespace tesvik {

// Index of a digit pattern as PickFact::pattern holds it: the word forms
// write the first word as digit 1, where the pattern has bit 0.
inline std::size_t form_pattern_index(Form form, std::string_view digits) {
  std::size_t index = 0;
  for (char c : digits) {
    const int digit = c - '0';
    index = form == kRouteForm ? 3 * index + static_cast<std::size_t>(digit)
                               : 2 * index + static_cast<std::size_t>(1 - digit);
  }
  return index;
}

// The boxes are in.boxes 0..3 in the order above; at most `cap` patterns are
// read from each. No pass when no box yields a pattern.
template <int P>
void mark_form_boxes(ConditionInput& in, ConditionMatrix& m, int column, std::size_t cap) {
  static constexpr std::array<std::string_view, kForms> kAllowed = {"01", "01", "01", "012"};
  // named[form][pattern]: the box names the pattern; empty when the box yields none.
  std::array<const std::vector<std::uint8_t>*, kForms> named{};
  bool any = false;
  for (std::size_t form = 0; form < kForms; ++form) {
    named[form] = &read_clean_items(in, form, kAllowed[form], [form, cap](const CleanItems& box) {
      std::vector<std::uint8_t> table;
      if (box.shorter_than(P)) return table;
      std::size_t patterns = 1;
      for (int p = 0; p < P; ++p) patterns *= form == kRouteForm ? 3 : 2;
      table.assign(patterns, 0);
      if (box.for_each(P, cap, [&](std::string_view item) { table[form_pattern_index(Form(form), item)] = 1; }) == 0)
        table.clear();
      return table;
    });
    any = any || !named[form]->empty();
  }
  if (!any) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) {
    int c = 0;
    for (std::size_t form = 0; form < kForms; ++form)
      if (!named[form]->empty()) c += (*named[form])[f.pattern[form]];
    return c;
  });
}

}  // namespace tesvik
