// Conditions on the forms and classes of a pick, one rule over its P places.

#include <array>
#include <string>
#include <vector>

#include "filter/conditions.h"
#include "filter/instantiate.h"
#include "filter/named_rows.h"
#include "filter/pick_facts.h"
#include "filter/selection.h"
#include "support/text.h"

namespace tesvik {

namespace {

// hit[k]: the list contains texts[k].
template <std::size_t N>
std::array<bool, N> text_hits(std::string_view list, const std::array<std::string_view, N>& texts) {
  std::array<bool, N> hit{};
  for (std::size_t k = 0; k < N; ++k) hit[k] = contains(list, texts[k]);
  return hit;
}

}  // namespace

// The block's rows are the size, parity, prime and route patterns, in that
// order; a pick counts one for every form whose list names its pattern.
template <int P>
void kill_form(ConditionInput& in, ConditionMatrix& m, int column) {
  mark_named_rows<P>(
      in, m, column, kForms, [](std::size_t form) -> const auto& { return pattern_texts(Form(form), P); },
      [](const PickFact<P>& f, std::size_t form) { return f.pattern[form]; });
}

// A pick is removed when its run, slope, shape or zigzag class is among the
// selected captions. A class text only occurs in the caption of its own
// class, and "无" in none, so each group is tested only when selected.
template <int P>
void special_shape(ConditionInput& in, ConditionMatrix& m, int column) {
  const std::string list = in.dotted(0);
  if (character_count(list) <= 1) return;
  std::array<bool, P + 1> run{};
  for (int k = 1; k <= P; ++k) run[static_cast<std::size_t>(k)] = contains(list, run_class_text(k));
  const auto slope = text_hits(list, kSlopeTexts);
  const auto shape = text_hits(list, kShapeTexts);
  const auto zigzag = text_hits(list, kZigzagTexts);
  mark_each<P>(m, column, [&](const PickFact<P>& f) {
    return run[f.longest_run] || slope[static_cast<std::size_t>(f.slope)] || shape[static_cast<std::size_t>(f.shape)] ||
           zigzag[static_cast<std::size_t>(f.zigzag)];
  });
}

TESVIK_INSTANTIATE_CONDITION(kill_form)
TESVIK_INSTANTIATE_CONDITION(special_shape)
TESVIK_INSTANTIATE_FRONT_SIX(special_shape)

}  // namespace tesvik
