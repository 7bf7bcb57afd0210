// The run loop: steps write fixed or next free columns, and a step whose
// input is unchanged since the last run takes its kept column instead of
// running again.

#include "filter/run_steps.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tesvik {
namespace {

// Conditions that count their calls. `fail_every` fails every pick whose
// index is a multiple of the box's length; an empty box makes no pass.
int calls = 0;

void fail_every(ConditionInput& in, ConditionMatrix& m, int column) {
  ++calls;
  const std::size_t n = in.boxes.at(0)->size();
  if (n == 0) return;
  const auto col = m.column(column);
  for (std::size_t i = n; i < col.size(); i += n) col[i] = 1;
}

void remove_first(ConditionInput&, ConditionMatrix& m, int) {
  ++calls;
  m.verdict()[1] = 1;
}

void refuse(ConditionInput& in, ConditionMatrix& m, int column) {
  ++calls;
  if (in.range.upper > 0) throw std::runtime_error("refused");
  m.column(column)[2] = 1;
}

class RunStepsTest : public ::testing::Test {
 protected:
  RunStepsTest() : m(12) { calls = 0; }

  std::vector<int> run() {
    std::vector<RunStep> steps;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      RunStep step{fail_every, {}, 0, static_cast<int>(i)};
      step.input.boxes.push_back(&boxes[i]);
      steps.push_back(step);
    }
    progress.clear();
    return run_steps(m, steps, memory, [&](int p) { progress.push_back(p); });
  }
  std::vector<int> failing(int column) const {
    std::vector<int> picks;
    for (int i = 1; i <= m.picks(); ++i)
      if (m.failed(column, i)) picks.push_back(i);
    return picks;
  }

  ConditionMatrix m;
  StepMemory memory;
  std::vector<TextBox> boxes{TextBox("abc"), TextBox(""), TextBox("abcde")};
  std::vector<int> progress;
};

TEST_F(RunStepsTest, ActiveStepsTakeTheNextFreeColumnsAndUnchangedOnesAreKept) {
  EXPECT_EQ(run(), (std::vector<int>{0, 2}));  // the empty box makes no pass and holds no column
  EXPECT_EQ(failing(1), (std::vector<int>{3, 6, 9, 12}));
  EXPECT_EQ(failing(2), (std::vector<int>{5, 10}));
  EXPECT_EQ(progress, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(calls, 3);

  EXPECT_EQ(run(), (std::vector<int>{0, 2}));
  EXPECT_EQ(calls, 3);  // nothing changed: every column is taken from the last run
  EXPECT_EQ(failing(1), (std::vector<int>{3, 6, 9, 12}));
  EXPECT_EQ(failing(2), (std::vector<int>{5, 10}));
  EXPECT_EQ(progress, (std::vector<int>{0, 1, 2}));

  boxes[1] = "abcdef";  // the empty step becomes active and moves the last one on
  EXPECT_EQ(run(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(failing(2), (std::vector<int>{6, 12}));
  EXPECT_EQ(failing(3), (std::vector<int>{5, 10}));

  boxes[0].edit([](std::string& t) { t.pop_back(); });  // a key taken back is a change too
  EXPECT_EQ(run(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(calls, 5);
  EXPECT_EQ(failing(1), (std::vector<int>{2, 4, 6, 8, 10, 12}));
}

TEST_F(RunStepsTest, ButtonsRangesAndListsArePartOfTheInput) {
  const std::vector<std::uint8_t> listed(13, 0);
  std::vector<std::uint8_t> other = listed;
  other[4] = 1;
  TextBox box("ab");
  const auto once = [&](ConditionInput in) {
    in.boxes = {&box};
    std::vector<RunStep> steps{{fail_every, std::move(in), 5, -1}};
    run_steps(m, steps, memory, [](int) {});
    return calls;
  };
  ConditionInput in;
  in.rows.push_back({"row", {{"01", false}, {"02", true}}});
  in.listed = &listed;
  EXPECT_EQ(once(in), 1);
  EXPECT_EQ(once(in), 1);
  EXPECT_TRUE(m.column_used(5));  // a fixed column, kept as well
  in.rows[0].buttons[0].selected = true;
  EXPECT_EQ(once(in), 2);
  in.range = {0, 1};
  EXPECT_EQ(once(in), 3);
  in.exclude = true;
  EXPECT_EQ(once(in), 4);
  in.listed = &other;
  EXPECT_EQ(once(in), 5);
  const std::vector<std::string> entries{"01/02/03"};
  in.entries = &entries;
  EXPECT_EQ(once(in), 6);
  EXPECT_EQ(once(in), 6);
}

TEST_F(RunStepsTest, VerdictWritersRunEveryTimeAndFailuresKeepNothing) {
  TextBox box("x");
  std::vector<RunStep> steps{{remove_first, {}, 0, -1}, {refuse, {}, 0, -1}};
  steps[0].input.boxes = {&box};
  const auto once = [&] { return run_steps(m, steps, memory, [](int) {}); };
  EXPECT_EQ(once(), (std::vector<int>{1}));
  EXPECT_TRUE(m.removed(1));
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(once(), (std::vector<int>{1}));
  EXPECT_TRUE(m.removed(1));  // the base list wrote the verdict again after the clear
  EXPECT_EQ(calls, 3);
  steps[1].input.range = {0, 1};
  EXPECT_THROW(once(), std::runtime_error);
  EXPECT_EQ(calls, 5);
  EXPECT_THROW(once(), std::runtime_error);  // a step that failed is not taken as kept
  EXPECT_EQ(calls, 7);
}

TEST(ConditionMatrixStorage, RowsAcrossBlocksStayApartAndCopiesAreDeep) {
  ConditionMatrix m(151200);
  for (int c = 1; c <= kConditionColumns; ++c) m.mark(c, c * 1000);
  m.mark(kVerdictColumn, 7);
  ConditionMatrix copy = m;
  m.clear();
  EXPECT_FALSE(m.removed(7));
  EXPECT_FALSE(m.column_used(1));
  EXPECT_EQ(m.column(40)[40000], 0);  // a column is empty again at its first use after a clear
  EXPECT_TRUE(copy.removed(7));
  for (int c = 1; c <= kConditionColumns; ++c) {
    EXPECT_TRUE(copy.failed(c, c * 1000)) << c;
    EXPECT_FALSE(copy.failed(c, c * 1000 + 1)) << c;
  }
  EXPECT_EQ(copy.kept_count(), 151199);
  EXPECT_THROW((void)copy.removed(151201), std::out_of_range);
  ConditionMatrix moved = std::move(copy);
  EXPECT_TRUE(moved.removed(7));
  EXPECT_THROW((void)copy.verdict(), std::out_of_range);  // NOLINT(bugprone-use-after-move): left without rows
}

}  // namespace
}  // namespace tesvik
