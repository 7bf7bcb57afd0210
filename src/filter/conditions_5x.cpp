// Conditions that only front five has: the positional patterns and the
// form patterns typed as digits.

#include <array>
#include <string>
#include <vector>

#include "filter/box_memo.h"
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
  // matches[key]: keys are the five places in base 11, place 1 first, with
  // 0 for "*" and the number otherwise. First the patterns per key; then each
  // place in turn adds to every key the patterns that leave that place open,
  // so that a pick's key gives the number of patterns it matches. Empty when
  // the box makes no pass.
  static BoxMemo<std::vector<std::int32_t>> memo;
  const auto& matches = memo.read(*in.boxes.at(0), [](std::string& box) {
    std::vector<std::int32_t> table;
    clean_box(box, "1234567890*");
    if (box.size() <= 4) return table;
    constexpr std::size_t kKeys = 11 * 11 * 11 * 11 * 11;
    table.assign(kKeys, 0);
    const std::size_t taken = for_each_item(box, 5, 1000, [&](std::string_view pattern) {
      std::size_t key = 0;
      for (char c : pattern) key = 11 * key + static_cast<std::size_t>(c == '*' ? 0 : number_of_digit(c));
      ++table[key];
    });
    if (taken == 0) return std::vector<std::int32_t>{};
    for (std::size_t stride = 1; stride < kKeys; stride *= 11)
      for (std::size_t high = 0; high < kKeys; high += 11 * stride)
        for (std::size_t digit = 1; digit <= 10; ++digit)
          for (std::size_t low = 0; low < stride; ++low) table[high + digit * stride + low] += table[high + low];
    return table;
  });
  if (matches.empty()) return;
  mark_outside<5>(m, column, in.range, [&](const Fact& f) {
    std::size_t key = 0;
    for (std::uint8_t n : f.n) key = 11 * key + n;
    return matches[key];
  });
}

void kill_form_boxes_5x(ConditionInput& in, ConditionMatrix& m, int column) {
  // The boxes hold size, parity, prime and route patterns, in that order.
  static constexpr std::array<std::string_view, kForms> kAllowed = {"01", "01", "01", "012"};
  std::array<std::vector<std::uint8_t>, kForms> named;
  bool any = false;
  for (std::size_t form = 0; form < kForms; ++form) {
    std::string& box = *in.boxes.at(form);
    clean_box(box, kAllowed[form]);
    if (box.size() <= 4) continue;
    std::vector<std::uint8_t> patterns(pattern_texts(Form(form), 5).size(), 0);
    if (for_each_item(box, 5, 1001, [&](std::string_view item) { patterns[pattern_index(Form(form), item)] = 1; }) == 0)
      continue;
    named[form] = std::move(patterns);
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
