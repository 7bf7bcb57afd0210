#include "front6/conditions_6x.h"

#include <limits>
#include <string>
#include <vector>

#include "filter/box_reading.h"
#include "filter/form_boxes.h"
#include "filter/open_places.h"
#include "front6/compound_6x.h"
#include "front6/universe_6x.h"
#include "model/number_text.h"

namespace tesvik {

namespace {

constexpr std::size_t kMaxPatterns = 100000;

// The key of a pattern of six places as pattern_key gives it, read by table
// without a branch per character: '*', like any character that is no
// digit, reads 0, and the two halves are summed apart.
std::size_t pattern_key_6x(std::string_view pattern) {
  const auto n = [&](std::size_t i) -> std::size_t { return kDigitNumbers[static_cast<unsigned char>(pattern[i])]; };
  return ((n(0) * 11 + n(1)) * 11 + n(2)) * (11 * 11 * 11) + (n(3) * 11 + n(4)) * 11 + n(5);
}

}  // namespace

void kill_listed_6x(ConditionInput& in, ConditionMatrix& m, int column) {
  if (!in.listed) return;
  const auto col = m.column(column);
  const auto& listed = *in.listed;
  for (std::size_t i = 1; i < listed.size(); ++i)
    if (listed[i]) col[i] = 1;
}

void base_listed_6x(ConditionInput& in, ConditionMatrix& m, int) {
  if (!in.listed) return;
  const auto verdict = m.verdict();
  const auto& listed = *in.listed;
  for (std::size_t i = 1; i < listed.size(); ++i)
    if (!listed[i]) verdict[i] = 1;
}

void kill_position_pattern_6x(ConditionInput& in, ConditionMatrix& m, int column) {
  // matches[key]: the patterns that a pick with the numbers of `key` matches.
  // A pick fails every range at 100 matches or more, so the counts are bytes
  // that stop at 255. Empty when the box makes no pass.
  const auto& matches = read_clean_items(in, 0, "0123456789*", [](const CleanItems& box) {
    if (box.shorter_than(kPlaces6)) return LargeTable<std::uint8_t>{};
    PatternTable<std::uint8_t> patterns(kPlaces6);
    std::size_t taken = 0;
    box.for_each(kPlaces6, std::numeric_limits<std::size_t>::max(), [&](std::string_view pattern) {
      const std::size_t key = pattern_key_6x(pattern);  // 0 for "******", which is no pattern
      if (taken == kMaxPatterns || key == 0) return;
      patterns.add(key);
      ++taken;
    });
    if (taken == 0) return LargeTable<std::uint8_t>{};
    return std::move(patterns).matches();
  });
  if (matches.empty()) return;
  mark_outside<kPlaces6>(m, column, in.range, [&](const PickFact<kPlaces6>& f) { return matches[place_key(f.n)]; });
}

void kill_form_boxes_6x(ConditionInput& in, ConditionMatrix& m, int column) {
  mark_form_boxes<kPlaces6>(in, m, column, std::numeric_limits<std::size_t>::max());
}

void kill_compound_6x(ConditionInput& in, ConditionMatrix& m, int column) {
  const auto& lines = read_box(in, 0, [](std::string_view box) { return read_compounds_6x(box); });
  if (!lines) return;
  mark_outside<kPlaces6>(m, column, in.range, [&](const PickFact<kPlaces6>& f) { return lines->covering(f); });
}

}  // namespace tesvik
