#pragma once
// Per-pick facts of the front-three universe that the conditions test,
// computed once: sums, spans, form patterns, run, slope and shape classes.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "filter/condition_matrix.h"
#include "filter/tolerance.h"

namespace tesvik {

// Forms of a pick: per place a word of two (size, parity, prime) or a route digit.
enum Form3x { kSizeForm, kParityForm, kPrimeForm, kRouteForm, kForms3x };

struct PickFacts3x {
  std::array<std::uint8_t, 3> n;  // numbers of places 1..3
  std::uint8_t sum;
  std::uint8_t span;
  std::uint8_t smallest;
  std::uint8_t largest;
  // Index of the pick's pattern in pattern_texts_3x(form).
  std::array<std::uint8_t, kForms3x> pattern;
  std::uint8_t run_class;  // index into run_class_texts_3x()
  std::uint8_t slope;      // index into slope_texts_3x()
  std::uint8_t shape;      // index into shape_texts_3x()
};

inline constexpr int kPicks3x = 720;

// Indexed by pick index 1..720 (row 0 unused).
const std::vector<PickFacts3x>& pick_facts_3x();

// Marks in `column` every pick for which fails(facts) holds.
template <typename F>
void mark_each_3x(ConditionMatrix& m, int column, F&& fails) {
  auto& col = m.column(column);
  const auto& facts = pick_facts_3x();
  for (int i = 1; i <= kPicks3x; ++i)
    if (fails(facts[static_cast<std::size_t>(i)])) col[static_cast<std::size_t>(i)] = 1;
}

// All pattern texts of a form, "大大大" .. or "000" .. "222".
const std::vector<std::string>& pattern_texts_3x(Form3x form);
const std::array<std::string_view, 3>& run_class_texts_3x();  // "不连", "2连", "3连"
const std::array<std::string_view, 3>& slope_texts_3x();      // "上山", "下山", "无"
const std::array<std::string_view, 3>& shape_texts_3x();      // "凹", "凸", "无"

// Marks in `column` every pick whose count(facts) lies outside the range.
template <typename F>
void mark_outside_3x(ConditionMatrix& m, int column, ToleranceRange range, F&& count) {
  mark_each_3x(m, column, [&](const PickFacts3x& f) { return range.fails(count(f)); });
}

}  // namespace tesvik
