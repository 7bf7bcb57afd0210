// The front-six positional patterns and compound lines against their plain
// evaluation, on random boxes with stray characters, wrong lengths,
// repeated items and random ranges (also past the largest count of 99).

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "controls/tolerance_selector.h"
#include "front6/conditions_6x.h"
#include "front6/universe_6x.h"
#include "literal_6x.h"

namespace tesvik {
namespace {

std::vector<int> marks_of(const ConditionMatrix& m, int column) {
  if (!m.column_used(column)) return {};
  std::vector<int> marks(static_cast<std::size_t>(m.picks()) + 1, 0);
  for (int i = 1; i <= m.picks(); ++i) marks[static_cast<std::size_t>(i)] = m.failed(column, i);
  return marks;
}

std::string random_text(std::mt19937& rng, std::string_view alphabet, int items, int min_length, int max_length,
                        std::string_view separators) {
  std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1), sep(0, separators.size() - 1);
  std::uniform_int_distribution<int> length(min_length, max_length);
  std::string text;
  for (int i = 0; i < items; ++i) {
    text += separators[sep(rng)];
    for (int k = length(rng); k > 0; --k) text += alphabet[letter(rng)];
  }
  return text;
}

// A range as the page's selector reads it, and the same bounds for the plain evaluation.
struct Range {
  int lo, hi;
  ToleranceRange allowed() const {
    ToleranceSelector s;
    s.choose(std::to_string(lo), std::to_string(hi));
    return s.allowed();
  }
};

// The marks of a condition on one box under the range.
std::vector<int> marks(ConditionFn condition, std::string text, const Range& range) {
  TextBox box(std::move(text));
  ConditionInput in;
  in.boxes.push_back(&box);
  in.range = range.allowed();
  ConditionMatrix m(kPicks6);
  condition(in, m, 1);
  return marks_of(m, 1);
}

Range random_range(std::mt19937& rng) {
  std::uniform_int_distribution<int> bound(0, 3), far(95, 130);
  const int lo = bound(rng);
  return rng() % 4 ? Range{lo, bound(rng)} : Range{lo, far(rng)};
}

TEST(FrontSixLiteral, PositionPatternsAgreeOnRandomBoxes) {
  std::mt19937 rng(61);
  for (int round = 0; round < 6; ++round) {
    // Narrow alphabets repeat patterns, so that counts pass 99; the last
    // round passes 255, where the program's counts stop.
    const std::string_view alphabet = round % 3 == 0 ? "1*" : round % 3 == 1 ? "0123456789**,x" : "12*";
    std::string box = random_text(rng, alphabet, 20 + 30 * round, 5, 7, "  \t");
    if (round == 4) box += " ****** ****** ******";
    if (round == 5)
      for (int k = 0; k < 300; ++k) box += " 1*****";
    const Range range = random_range(rng);
    EXPECT_EQ(marks(kill_position_pattern_6x, box, range), literal6::position_patterns(box, range.lo, range.hi))
        << "round " << round;
  }
}

TEST(FrontSixLiteral, CompoundLinesAgreeOnRandomBoxes) {
  std::mt19937 rng(62);
  for (int round = 0; round < 12; ++round) {
    std::string box;
    const int lines = round == 11 ? 101 : 1 + 8 * round;
    for (int l = 0; l < lines; ++l) {
      const int fields = 5 + static_cast<int>(rng() % 4);
      box += random_text(rng, "0123456789", fields, 0, 6, "/");
      box += rng() % 7 ? "\r\n" : rng() % 2 ? "\n" : "\r\n x,";
    }
    const Range range = random_range(rng);
    const std::vector<int> expected = literal6::compound_lines(box, range.lo, range.hi);
    if (expected == std::vector<int>{-1}) EXPECT_THROW(marks(kill_compound_6x, box, range), std::length_error);
    else EXPECT_EQ(marks(kill_compound_6x, box, range), expected) << "round " << round;
  }
}

}  // namespace
}  // namespace tesvik
