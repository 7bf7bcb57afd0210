#include "model/run_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/universe.h"

namespace tesvik {
namespace {

// Numbers of a pick line such as "03 01 02".
std::vector<std::uint8_t> numbers(std::string_view line) {
  std::vector<std::uint8_t> n;
  for (std::size_t i = 0; i + 1 < line.size() + 1; i += 3)
    n.push_back(static_cast<std::uint8_t>(std::stoi(std::string(line.substr(i, 2)))));
  return n;
}

std::string_view run_class(std::string_view line) { return run_class_text(longest_run(numbers(line))); }
std::string_view slope(std::string_view line) { return kSlopeTexts[static_cast<std::size_t>(slope_of(numbers(line)))]; }
std::string_view shape(std::string_view line) { return kShapeTexts[static_cast<std::size_t>(shape_of(numbers(line)))]; }
std::string_view zigzag(std::string_view line) {
  return kZigzagTexts[static_cast<std::size_t>(zigzag_of(numbers(line)))];
}

TEST(RunClass, LongestRunRegardlessOfOrderWithoutWrapAround) {
  EXPECT_EQ(run_class("01 02 03"), "3连");
  EXPECT_EQ(run_class("03 01 02"), "3连");
  EXPECT_EQ(run_class("08 10 09"), "3连");
  EXPECT_EQ(run_class("01 02 05"), "2连");
  EXPECT_EQ(run_class("10 09 01"), "2连");
  EXPECT_EQ(run_class("01 03 05"), "不连");
  EXPECT_EQ(run_class("10 01 05"), "不连");  // no wrap-around from 10 to 1
  EXPECT_EQ(run_class("01 02 03 04"), "4连");
  EXPECT_EQ(run_class("10 08 07 09"), "4连");
  EXPECT_EQ(run_class("05 01 02 03"), "3连");
  EXPECT_EQ(run_class("01 02 04 05"), "2连");
  EXPECT_EQ(run_class("02 04 06 08"), "不连");
  EXPECT_EQ(run_class("10 08 06 09 07"), "5连");
  EXPECT_EQ(run_class("01 02 03 04 06"), "4连");
  EXPECT_EQ(run_class("01 02 03 07 08"), "3连");
  EXPECT_EQ(run_class("05 04 01 02 07"), "2连");
  EXPECT_EQ(run_class("09 07 05 03 01"), "不连");
  EXPECT_EQ(run_class("10 01 03 05 07"), "不连");
}

TEST(RunClass, CountsOverTheFrontThreeUniverse) {
  // Three consecutive values: 8 sets in 6 orders; exactly two consecutive
  // values with a third not touching them.
  int runs3 = 0, runs2 = 0;
  const Universe& u = universe(3);
  for (int i = 1; i <= u.size; ++i) {
    runs3 += run_class(u.lines[static_cast<std::size_t>(i)]) == "3连";
    runs2 += run_class(u.lines[static_cast<std::size_t>(i)]) == "2连";
  }
  EXPECT_EQ(runs3, 48);
  EXPECT_EQ(runs2, 336);
}

TEST(SlopeShape, ThreeFourAndFivePlaces) {
  EXPECT_EQ(slope("01 02 03"), "上山");
  EXPECT_EQ(slope("03 02 01"), "下山");
  EXPECT_EQ(shape("05 01 07"), "凹");
  EXPECT_EQ(shape("01 05 03"), "凸");
  EXPECT_EQ(slope("01 02 03 06"), "上山");
  EXPECT_EQ(slope("08 03 02 01"), "下山");
  EXPECT_EQ(slope("01 03 02 04"), "无");
  EXPECT_EQ(shape("03 01 02 07"), "凹");
  EXPECT_EQ(shape("05 04 02 09"), "凹");
  EXPECT_EQ(shape("04 06 08 01"), "凸");
  EXPECT_EQ(shape("02 09 05 01"), "凸");
  EXPECT_EQ(shape("01 05 02 04"), "无");  // D rises again
  EXPECT_EQ(shape("04 02 09 03"), "无");
  EXPECT_EQ(zigzag("01 05 02 04"), "正");
  EXPECT_EQ(zigzag("04 02 09 03"), "反");
  EXPECT_EQ(zigzag("03 01 02 07"), "无");
  EXPECT_EQ(slope("01 02 05 07 10"), "上山");
  EXPECT_EQ(slope("10 07 05 02 01"), "下山");
  EXPECT_EQ(slope("01 02 05 10 07"), "无");
  EXPECT_EQ(shape("01 05 09 06 04"), "凸");
  EXPECT_EQ(shape("08 03 01 02 07"), "凹");
  EXPECT_EQ(shape("01 05 03 04 02"), "无");
  EXPECT_EQ(shape("01 02 03 05 04"), "无");  // peak at D, not in the middle
  EXPECT_EQ(shape("05 01 02 03 04"), "无");  // valley at B of five
}

TEST(SlopeShape, ClassCountsOverWholeUniverses) {
  // Per set of numbers: one rising and one falling order, 5 of the 24 orders
  // of four numbers alternate each way, and of the 120 orders of five,
  // C(4,2) = 6 have the smallest (or largest) in the middle with monotone sides.
  int up = 0, down = 0, n_up = 0, n_down = 0, valley4 = 0;
  const Universe& u4 = universe(4);
  for (int i = 1; i <= u4.size; ++i) {
    const std::string& line = u4.lines[static_cast<std::size_t>(i)];
    up += slope(line) == "上山";
    down += slope(line) == "下山";
    n_up += zigzag(line) == "正";
    n_down += zigzag(line) == "反";
    valley4 += shape(line) == "凹";
  }
  EXPECT_EQ(up, 210);
  EXPECT_EQ(down, 210);
  EXPECT_EQ(n_up, 210 * 5);
  EXPECT_EQ(n_down, 210 * 5);
  EXPECT_EQ(valley4, 210 * 6);  // smallest at B (3 orders) or at C (3 orders)
  int valley = 0, peak = 0;
  const Universe& u5 = universe(5);
  for (int i = 1; i <= u5.size; ++i) {
    valley += shape(u5.lines[static_cast<std::size_t>(i)]) == "凹";
    peak += shape(u5.lines[static_cast<std::size_t>(i)]) == "凸";
  }
  EXPECT_EQ(valley, 252 * 6);
  EXPECT_EQ(peak, 252 * 6);
}

}  // namespace
}  // namespace tesvik
