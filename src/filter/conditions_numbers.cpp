// Conditions on the numbers of a pick, one rule over its P places.

#include <array>
#include <bit>
#include <string>

#include "filter/conditions.h"
#include "filter/instantiate.h"
#include "filter/named_rows.h"
#include "filter/pick_facts.h"
#include "filter/selection.h"
#include "model/number_text.h"
#include "support/text.h"

namespace tesvik {

namespace {

// Marks the picks with a hit when exclude is set, those without one otherwise:
// a hit is a pair of places whose digit(a, b) is in the list.
template <int P, typename Digit>
void pair_digits(ConditionInput& in, ConditionMatrix& m, int column, Digit&& digit) {
  const std::string list = in.dotted(0);
  if (list.empty()) return;
  const auto hit = digit_hits(list);
  mark_each<P>(m, column, [&](const PickFact<P>& f) {
    bool any = false;
    for (std::size_t x = 0; x < P && !any; ++x)
      for (std::size_t y = x + 1; y < P && !any; ++y) any = hit[static_cast<std::size_t>(digit(f.n[x], f.n[y]))];
    return any == in.exclude;
  });
}

}  // namespace

template <int P>
void kill_number(ConditionInput& in, ConditionMatrix& m, int column) {
  const std::string list = in.dotted(0);
  if (character_count(list) <= 1) return;
  const std::uint16_t killed = digit_mask_of(number_hits(list));
  mark_each<P>(m, column, [&](const PickFact<P>& f) { return (f.digit_mask & killed) != 0; });
}

template <int P>
void kill_span(ConditionInput& in, ConditionMatrix& m, int column) {
  const std::string list = in.dotted(0);
  if (character_count(list) <= 1) return;
  const auto hit = digit_hits(list);  // spans are 2..9, one digit
  mark_each<P>(m, column, [&](const PickFact<P>& f) { return hit[f.span]; });
}

template <int P>
void kill_sum(ConditionInput& in, ConditionMatrix& m, int column) {
  // The captions are made two-digit: the last two characters of "0" + caption.
  std::string list;
  for (const ButtonInput& b : in.rows.at(0).buttons) {
    if (!b.selected) continue;
    const std::string padded = "0" + std::string(b.caption);
    list += padded.substr(padded.size() >= 2 ? padded.size() - 2 : 0) + ".";
  }
  if (character_count(list) <= 1) return;
  std::array<bool, 10 * P> hit{};
  for (std::size_t s = 0; s < hit.size(); ++s)
    hit[s] = contains(list, s < 10 ? "0" + std::to_string(s) : std::to_string(s));
  mark_each<P>(m, column, [&](const PickFact<P>& f) { return hit[f.sum]; });
}

template <int P>
void kill_position(ConditionInput& in, ConditionMatrix& m, int column) {
  static const std::vector<std::string_view> kNumbers = [] {
    std::vector<std::string_view> t;
    for (int n = 0; n <= 10; ++n) t.push_back(two_digit(n));  // index = number; 0 names none
    return t;
  }();
  mark_named_rows<P>(
      in, m, column, P, [](std::size_t) -> const auto& { return kNumbers; },
      [](const PickFact<P>& f, std::size_t place) { return f.n[place]; });
}

template <int P>
void sure_groups(ConditionInput& in, ConditionMatrix& m, int column) {
  // Each row: ten numbers, then the counts 0..P that the row allows; only
  // the rows that name a number take part. misses[mask]: the rows whose
  // count of the numbers of `mask` (a pick's digit mask) they do not allow.
  std::array<std::uint8_t, 1u << 10> misses{};
  std::size_t total = 0;
  std::string all_counts;  // "12..P": at least one of the row's numbers
  for (int k = 1; k <= P; ++k) all_counts += char('0' + k);
  for (std::size_t r = 0; r < in.rows.size(); ++r) {
    const std::string numbers = in.dotted(r, 0, 10);
    std::string counts = in.dotted(r, 10);
    if (counts.empty()) counts = all_counts;
    total += character_count(numbers);
    if (character_count(numbers) <= 2) continue;
    const unsigned row = digit_mask_of(number_hits(numbers));
    const auto count_ok = digit_hits(counts);
    // Only the masks of picks, P numbers each: a row's count then stays
    // within 0..P, inside the ten counts.
    for (unsigned mask = 0; mask < misses.size(); ++mask) {
      if (std::popcount(mask) != P) continue;
      const auto count = static_cast<std::size_t>(std::popcount(mask & row));
      misses[mask] = static_cast<std::uint8_t>(misses[mask] + !count_ok[count]);
    }
  }
  if (total <= 1) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) { return misses[f.digit_mask]; });
}

template <int P>
void keep_count(ConditionInput& in, ConditionMatrix& m, int column) {
  // A row counts the numbers its label names: odd (奇), big (大) or prime
  // (质). Only the rows with a selected count take part.
  struct Row {
    Form form;
    std::array<bool, 10> ok;
  };
  std::vector<Row> rows;
  std::size_t total = 0;
  for (std::size_t r = 0; r < in.rows.size(); ++r) {
    const std::string list = in.dotted(r);
    const std::string_view label = in.rows[r].label;
    const Form form = label.starts_with("奇") ? kParityForm : label.starts_with("大") ? kSizeForm : kPrimeForm;
    total += list.size();
    if (character_count(list) > 1) rows.push_back({form, digit_hits(list)});
  }
  if (total == 0) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) {
    int c = 0;
    for (const Row& row : rows) c += !row.ok[f.first_word_count[static_cast<std::size_t>(row.form)]];
    return c;
  });
}

template <int P>
void pair_difference(ConditionInput& in, ConditionMatrix& m, int column) {
  pair_digits<P>(in, m, column, [](int a, int b) { return (a > b ? a - b : b - a) % 10; });
}

template <int P>
void pair_sum_tail(ConditionInput& in, ConditionMatrix& m, int column) {
  pair_digits<P>(in, m, column, [](int a, int b) { return (a + b) % 10; });
}

template <int P>
void min_max(ConditionInput& in, ConditionMatrix& m, int column) {
  const std::string smallest = in.dotted(0);
  const std::string largest = in.dotted(1);
  if (smallest.empty() && largest.empty()) return;
  const bool check_small = character_count(smallest) > 1, check_large = character_count(largest) > 1;
  const auto small_ok = number_hits(smallest), large_ok = number_hits(largest);
  mark_each<P>(m, column, [&](const PickFact<P>& f) {
    return (check_small && !small_ok[f.smallest]) || (check_large && !large_ok[f.largest]);
  });
}

TESVIK_INSTANTIATE_CONDITION(kill_number)
TESVIK_INSTANTIATE_CONDITION(kill_span)
TESVIK_INSTANTIATE_CONDITION(kill_sum)
TESVIK_INSTANTIATE_CONDITION(kill_position)
TESVIK_INSTANTIATE_CONDITION(sure_groups)
TESVIK_INSTANTIATE_CONDITION(keep_count)
TESVIK_INSTANTIATE_CONDITION(pair_difference)
TESVIK_INSTANTIATE_CONDITION(pair_sum_tail)
TESVIK_INSTANTIATE_CONDITION(min_max)
TESVIK_INSTANTIATE_FRONT_SIX(kill_number)
TESVIK_INSTANTIATE_FRONT_SIX(kill_span)
TESVIK_INSTANTIATE_FRONT_SIX(kill_sum)
TESVIK_INSTANTIATE_FRONT_SIX(kill_position)
TESVIK_INSTANTIATE_FRONT_SIX(sure_groups)
TESVIK_INSTANTIATE_FRONT_SIX(keep_count)
TESVIK_INSTANTIATE_FRONT_SIX(min_max)

}  // namespace tesvik
