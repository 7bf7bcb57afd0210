// The front-five positional patterns and digit form boxes against their
// plain evaluation, on random boxes with stray characters, wrong lengths
// and random ranges.

#include <gtest/gtest.h>

#include <random>

#include "filter/conditions.h"
#include "literal_5x.h"

namespace tesvik {
namespace {

std::string random_box(std::mt19937& rng, std::string_view alphabet, int items) {
  std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(3, 6), blanks(1, 3);
  std::string text;
  for (int i = 0; i < items; ++i) {
    text += std::string(static_cast<std::size_t>(blanks(rng)), ' ');
    for (int k = length(rng); k > 0; --k) text += alphabet[letter(rng)];
  }
  return text;
}

std::vector<int> marks_of(const ConditionMatrix& m, int column) {
  if (!m.column_used(column)) return {};
  std::vector<int> marks(static_cast<std::size_t>(m.picks()) + 1, 0);
  for (int i = 1; i <= m.picks(); ++i) marks[static_cast<std::size_t>(i)] = m.failed(column, i);
  return marks;
}

ToleranceRange random_range(std::mt19937& rng) {
  std::uniform_int_distribution<int> bound(0, 3);
  return {bound(rng), bound(rng)};
}

TEST(FrontFiveLiteral, PositionPatternsAgreeOnRandomBoxes) {
  std::mt19937 rng(10);
  for (int round = 0; round < 12; ++round) {
    std::string expected_box = random_box(rng, round % 3 ? "0123456789*****x," : "12**", 1 + round * 3);
    TextBox box(expected_box);
    ConditionInput in;
    in.boxes.push_back(&box);
    in.writes_back = true;  // as the page does: the box takes its cleaned text
    in.range = random_range(rng);
    ConditionMatrix m(picks_of(Mode::Five));
    kill_position_pattern_5x(in, m, 10);
    EXPECT_EQ(marks_of(m, 10), literal::position_patterns(expected_box, in.range)) << "round " << round;
    EXPECT_EQ(box.text(), expected_box);
  }
}

TEST(FrontFiveLiteral, FormBoxesAgreeOnRandomBoxes) {
  std::mt19937 rng(11);
  for (int round = 0; round < 10; ++round) {
    std::array<std::string, 4> expected = {random_box(rng, "01a", round), random_box(rng, "01", round % 4),
                                           random_box(rng, "10 ", 2 * round), random_box(rng, "0123", round)};
    std::array<TextBox, 4> boxes;
    ConditionInput in;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
      boxes[b] = expected[b];
      in.boxes.push_back(&boxes[b]);
    }
    in.writes_back = true;
    in.range = random_range(rng);
    ConditionMatrix m(picks_of(Mode::Five));
    kill_form_boxes_5x(in, m, 11);
    EXPECT_EQ(marks_of(m, 11), literal::form_boxes(expected, in.range)) << "round " << round;
    for (std::size_t b = 0; b < boxes.size(); ++b) EXPECT_EQ(boxes[b].text(), expected[b]);
  }
}

}  // namespace
}  // namespace tesvik
