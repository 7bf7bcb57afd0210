#pragma once
// Per-pick facts of a universe that the conditions test, computed once per
// number of places (3 to 6): numbers, shorthand digits, sorted numbers, sum,
// span, form patterns, counts and the run, slope, shape and zigzag classes.
// Conditions look facts up by pick index instead of reading pick texts.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "filter/condition_matrix.h"
#include "filter/tolerance.h"
#include "model/mode.h"
#include "model/run_shape.h"

namespace tesvik {

// Forms of a number: a word of two (size 大/小, parity 奇/偶, prime 质/合)
// or its route digit n mod 3.
enum Form { kSizeForm, kParityForm, kPrimeForm, kRouteForm, kForms };
inline constexpr int kWordForms = 3;

// 1 when n takes the second word of a two-word form (小, 偶, 合), else 0.
int second_word(Form form, int n);

// The text of every pattern of a form over `places` places, by pattern
// index: place 1 is the most significant (bit, or base-3 digit).
const std::vector<std::string>& pattern_texts(Form form, int places);

template <int P>
struct PickFact {
  std::array<std::uint8_t, P> n;       // numbers of places 1..P
  std::array<std::uint8_t, P> digit;   // shorthand digits (10 is 0)
  std::array<std::uint8_t, P> sorted;  // numbers ascending
  std::uint16_t digit_mask;            // bit d set for each shorthand digit d of the pick
  std::uint8_t sum;
  std::uint8_t smallest;
  std::uint8_t largest;
  std::uint8_t span;
  // Form patterns, place 1 most significant: a bit per place for the word
  // forms (1 = second word), a base-3 digit for the route; for P up to 5 also
  // the index into pattern_texts(form, P).
  std::array<std::uint16_t, kForms> pattern;
  std::array<std::uint8_t, kWordForms> first_word_count;  // numbers that are big, odd, prime
  std::uint8_t longest_run;
  Slope slope;
  Shape shape;
  Zigzag zigzag;
};

// The digit mask of a set of numbers (hit[n] for n = 1..10), as digit_mask
// holds a pick's numbers: the pick has k of them when the AND of both masks
// has k bits.
inline std::uint16_t digit_mask_of(const std::array<bool, 11>& hit) {
  unsigned mask = 0;
  for (unsigned n = 1; n <= 10; ++n)
    if (hit[n]) mask |= 1u << (n % 10);
  return static_cast<std::uint16_t>(mask);
}

// Indexed by pick index 1..N in pick order (model/pick_order.h) of P places
// (row 0 unused).
template <int P>
const std::vector<PickFact<P>>& pick_facts();

// Marks in `column` every pick for which fails(fact) holds.
template <int P, typename F>
void mark_each(ConditionMatrix& m, int column, F&& fails) {
  // Plain pointers, so that the byte stores are not taken to change the vectors.
  std::uint8_t* const col = m.column(column).data();
  const PickFact<P>* const facts = pick_facts<P>().data();
  const std::size_t n = pick_facts<P>().size();
  // Every byte is stored, failing or not: a branch on the verdict would be
  // mispredicted for a good share of the picks.
  for (std::size_t i = 1; i < n; ++i) col[i] |= static_cast<std::uint8_t>(fails(facts[i]) ? 1 : 0);
}

// Marks in `column` every pick whose count(fact) lies outside the range.
template <int P, typename F>
void mark_outside(ConditionMatrix& m, int column, ToleranceRange range, F&& count) {
  mark_each<P>(m, column, [&](const PickFact<P>& f) { return range.fails(count(f)); });
}

}  // namespace tesvik
