// Per-condition range bounds and the overall tolerance over condition columns.

#include <gtest/gtest.h>

#include "filter/tolerance.h"
#include "support/text.h"

namespace tesvik {
namespace {

TEST(Tolerance, BoundsAreLeadingNumbersRoundedHalfToEven) {
  EXPECT_EQ(range_bound(""), 0);
  EXPECT_EQ(range_bound("3"), 3);
  EXPECT_EQ(range_bound(" 4abc"), 4);
  EXPECT_EQ(range_bound("abc"), 0);
  EXPECT_EQ(range_bound("0.5"), 0);
  EXPECT_EQ(range_bound("1.5"), 2);
  EXPECT_EQ(range_bound("2.5"), 2);
  EXPECT_EQ(range_bound("2.51"), 3);
  EXPECT_EQ(range_bound("-1"), -1);
  EXPECT_EQ(range_bound("1e400"), 1000000000);
  EXPECT_EQ(range_bound("-1e400"), -1000000000);
  EXPECT_DOUBLE_EQ(leading_number("2e1x"), 20);
  EXPECT_DOUBLE_EQ(leading_number("7e"), 7);
  EXPECT_DOUBLE_EQ(leading_number(".5"), 0.5);
  EXPECT_DOUBLE_EQ(leading_number("-"), 0);
  EXPECT_TRUE((ToleranceRange{1, 2}.fails(0)));
  EXPECT_FALSE((ToleranceRange{1, 2}.fails(2)));
  EXPECT_TRUE((ToleranceRange{2, 1}.fails(1)));
}

class Overall : public ::testing::Test {
 protected:
  // Picks 1..6: pick i fails the first (i - 1) of three columns, pick 5 none
  // and pick 6 is removed by the base list.
  void SetUp() override {
    for (int i = 2; i <= 4; ++i)
      for (int c = 1; c < i; ++c) m.mark(c * 30, i);
    m.mark(kVerdictColumn, 6);
  }
  std::vector<int> kept_after(double lower, double upper) {
    ConditionMatrix copy = m;
    apply_overall_tolerance(copy, lower, upper);
    std::vector<int> kept;
    for (int i = 1; i <= copy.picks(); ++i)
      if (copy.kept(i)) kept.push_back(i);
    return kept;
  }
  ConditionMatrix m{6};
};

TEST_F(Overall, KeepsPicksWhoseFailureCountIsInRange) {
  EXPECT_EQ(kept_after(0, 0), (std::vector<int>{1, 5}));
  EXPECT_EQ(kept_after(1, 1), (std::vector<int>{2}));
  EXPECT_EQ(kept_after(0, 2), (std::vector<int>{1, 2, 3, 5}));
  EXPECT_EQ(kept_after(1.5, 3), (std::vector<int>{3, 4}));
  EXPECT_EQ(kept_after(2, 1), std::vector<int>{});
  EXPECT_EQ(kept_after(0, 20), (std::vector<int>{1, 2, 3, 4, 5}));  // the base list still holds
}

TEST_F(Overall, MarkingIsIdempotentAndIndicesAreChecked) {
  m.mark(30, 2);
  EXPECT_EQ(kept_after(1, 1), (std::vector<int>{2}));
  EXPECT_THROW(m.mark(0, 1), std::out_of_range);
  EXPECT_THROW(m.mark(102, 1), std::out_of_range);
  EXPECT_THROW(m.mark(1, 7), std::out_of_range);
  EXPECT_FALSE(m.failed(1, 99));
  EXPECT_FALSE(m.column_used(2));
}

}  // namespace
}  // namespace tesvik
