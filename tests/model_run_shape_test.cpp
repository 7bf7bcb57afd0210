#include "model/run_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "model/universe.h"

namespace tesvik {
namespace {

// Pick index of a pick line in the universe of the line's length; 0 if absent.
int index_of(std::string_view line) {
  const Universe& u = universe(static_cast<int>((line.size() + 1) / 3));
  const auto it = std::find(u.lines.begin() + 1, u.lines.end(), line);
  return it == u.lines.end() ? 0 : static_cast<int>(it - u.lines.begin());
}

TEST(RunClass, FrontThreeByLongestRunRegardlessOfOrder) {
  EXPECT_EQ(run_class_3x("01 02 03"), "3连");
  EXPECT_EQ(run_class_3x("03 01 02"), "3连");
  EXPECT_EQ(run_class_3x("08 10 09"), "3连");
  EXPECT_EQ(run_class_3x("01 02 05"), "2连");
  EXPECT_EQ(run_class_3x("10 09 01"), "2连");
  EXPECT_EQ(run_class_3x("01 03 05"), "不连");
  EXPECT_EQ(run_class_3x("10 01 05"), "不连");  // no wrap-around from 10 to 1
  EXPECT_EQ(run_class_3x(""), "不连");

  // 8 three-runs; 56 sets with exactly one adjacent pair; 6 orders each.
  int runs3 = 0, runs2 = 0;
  for (const std::string& line : universe(3).lines) {
    runs3 += run_class_3x(line) == "3连";
    runs2 += run_class_3x(line) == "2连";
  }
  EXPECT_EQ(runs3, 8 * 6);
  EXPECT_EQ(runs2, 56 * 6);
}

TEST(RunClass, FrontFourFromLenientText) {
  EXPECT_EQ(run_class_4x("01 02 03 04", "连"), "4连");
  EXPECT_EQ(run_class_4x("10 08 07 09", "连"), "4连");
  EXPECT_EQ(run_class_4x("05 01 02 03", "连"), "3连");
  EXPECT_EQ(run_class_4x("01 02 04 05", "连"), "2连");
  EXPECT_EQ(run_class_4x("02 04 06 08", "连"), "不连");
  EXPECT_EQ(run_class_4x("01 02 03 04", "山"), "");
  EXPECT_EQ(run_class_4x("01 02 03 04", ""), "");
  // Wrong length, non-digits, values above 10 and empty pieces are skipped;
  // a repeated number fills its slot once.
  EXPECT_EQ(run_class_4x("01 0a 02", "连"), "2连");
  EXPECT_EQ(run_class_4x("01  02 03 ", "连"), "3连");
  EXPECT_EQ(run_class_4x("01  2 03", "连"), "不连");
  EXPECT_EQ(run_class_4x("11 12 13 -1", "连"), "不连");
  EXPECT_EQ(run_class_4x("010203", "连"), "不连");
  EXPECT_EQ(run_class_4x("08 09 1/", "连"), "2连");  // "1/" must not take slot 9
  EXPECT_EQ(run_class_4x("09 10 0:", "连"), "2连");
  EXPECT_EQ(run_class_4x("03 03 04", "连"), "2连");
  EXPECT_EQ(run_class_4x("", "连"), "不连");
}

TEST(RunClass, FrontFiveByLongestRunOfPresentNumbers) {
  EXPECT_EQ(run_class_5x(index_of("10 08 06 09 07")), "5连");
  EXPECT_EQ(run_class_5x(index_of("01 02 03 04 06")), "4连");
  EXPECT_EQ(run_class_5x(index_of("01 02 03 07 08")), "3连");   // 1110001100
  EXPECT_EQ(run_class_5x(index_of("05 04 01 02 07")), "2连");   // 1101100000
  EXPECT_EQ(run_class_5x(index_of("09 07 05 03 01")), "不连");  // 1010101010
  EXPECT_EQ(run_class_5x(index_of("10 01 03 05 07")), "不连");
  EXPECT_EQ(run_class_5x(1), "5连");
  EXPECT_EQ(run_class_5x(30240), "5连");
  for (int outside : {0, -1, 30241, INT_MIN, INT_MAX}) EXPECT_EQ(run_class_5x(outside), "不连");
}

TEST(SlopeShape, FrontFour) {
  EXPECT_EQ(slope_shape_4x(index_of("01 02 03 06"), "山"), "上山");
  EXPECT_EQ(slope_shape_4x(index_of("08 03 02 01"), "山"), "下山");
  EXPECT_EQ(slope_shape_4x(index_of("01 03 02 04"), "山"), "无");
  EXPECT_EQ(slope_shape_4x(index_of("03 01 02 07"), "凹"), "凹");
  EXPECT_EQ(slope_shape_4x(index_of("05 04 02 09"), "凹"), "凹");
  EXPECT_EQ(slope_shape_4x(index_of("04 06 08 01"), "凹"), "凸");
  EXPECT_EQ(slope_shape_4x(index_of("02 09 05 01"), "凹"), "凸");
  EXPECT_EQ(slope_shape_4x(index_of("01 05 02 04"), "凹"), "无");  // D rises again
  EXPECT_EQ(slope_shape_4x(index_of("04 02 09 03"), "凹"), "无");
  EXPECT_EQ(slope_shape_4x(index_of("01 05 02 04"), "N"), "正");
  EXPECT_EQ(slope_shape_4x(index_of("04 02 09 03"), "N"), "反");
  EXPECT_EQ(slope_shape_4x(index_of("03 01 02 07"), "N"), "无");
  EXPECT_EQ(slope_shape_4x(index_of("01 02 03 06"), "形"), "无");
  for (int outside : {0, -7, 5041, INT_MAX}) EXPECT_EQ(slope_shape_4x(outside, "山"), "无");
}

TEST(SlopeShape, FrontFive) {
  EXPECT_EQ(slope_shape_5x(index_of("01 02 05 07 10"), "山"), "上山");
  EXPECT_EQ(slope_shape_5x(index_of("10 07 05 02 01"), "山"), "下山");
  EXPECT_EQ(slope_shape_5x(index_of("01 02 05 10 07"), "山"), "无");
  EXPECT_EQ(slope_shape_5x(index_of("01 05 09 06 04"), "形"), "凸");
  EXPECT_EQ(slope_shape_5x(index_of("08 03 01 02 07"), "形"), "凹");
  EXPECT_EQ(slope_shape_5x(index_of("01 05 03 04 02"), "形"), "无");
  EXPECT_EQ(slope_shape_5x(index_of("01 02 03 05 04"), "形"), "无");  // peak at D
  EXPECT_EQ(slope_shape_5x(index_of("08 03 01 02 07"), "凹"), "无");
  for (int outside : {0, 30241, INT_MIN}) EXPECT_EQ(slope_shape_5x(outside, "形"), "无");
}

TEST(SlopeShape, ClassCountsOverWholeUniverses) {
  // Per set of numbers: one rising and one falling order, 5 of the 24 orders
  // of four numbers alternate each way, and of the 120 orders of five,
  // C(4,2) = 6 have the smallest (or largest) in the middle with monotone sides.
  int up = 0, down = 0, n_up = 0, n_down = 0;
  for (int i = 1; i <= universe(4).size; ++i) {
    up += slope_shape_4x(i, "山") == "上山";
    down += slope_shape_4x(i, "山") == "下山";
    n_up += slope_shape_4x(i, "N") == "正";
    n_down += slope_shape_4x(i, "N") == "反";
  }
  EXPECT_EQ(up, 210);
  EXPECT_EQ(down, 210);
  EXPECT_EQ(n_up, 210 * 5);
  EXPECT_EQ(n_down, 210 * 5);
  int valley = 0, peak = 0;
  for (int i = 1; i <= universe(5).size; ++i) {
    valley += slope_shape_5x(i, "形") == "凹";
    peak += slope_shape_5x(i, "形") == "凸";
  }
  EXPECT_EQ(valley, 252 * 6);
  EXPECT_EQ(peak, 252 * 6);
}

}  // namespace
}  // namespace tesvik
