// Conditions that only front five has: the positional patterns and the
// form patterns typed as digits.

#include <string>
#include <vector>

#include "filter/box_reading.h"
#include "filter/conditions.h"
#include "filter/form_boxes.h"
#include "filter/open_places.h"
#include "filter/pick_facts.h"

namespace tesvik {

void kill_position_pattern_5x(ConditionInput& in, ConditionMatrix& m, int column) {
  // matches[key]: the patterns that a pick with the numbers of `key` matches
  // (at most 1,000, so no count stops); empty when the box makes no pass.
  const auto& matches = read_clean_items(in, 0, "1234567890*", [](const CleanItems& box) {
    if (box.shorter_than(5)) return LargeTable<std::uint16_t>{};
    PatternTable<std::uint16_t> patterns(5);
    if (box.for_each(5, 1000, [&](std::string_view pattern) { patterns.add(pattern_key(pattern)); }) == 0)
      return LargeTable<std::uint16_t>{};
    return std::move(patterns).matches();
  });
  if (matches.empty()) return;
  mark_outside<5>(m, column, in.range, [&](const PickFact<5>& f) { return matches[place_key(f.n)]; });
}

void kill_form_boxes_5x(ConditionInput& in, ConditionMatrix& m, int column) { mark_form_boxes<5>(in, m, column, 1001); }

}  // namespace tesvik
