#include "model/universe.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/number_text.h"

namespace tesvik {
namespace {

std::string_view line(int places, int index) { return universe(places).lines.at(static_cast<std::size_t>(index)); }

TEST(Universe, SizesAndEnumerationOrder) {
  EXPECT_EQ(universe(3).size, 720);
  EXPECT_EQ(universe(4).size, 5040);
  EXPECT_EQ(universe(5).size, 30240);
  EXPECT_EQ(line(3, 1), "01 02 03");
  EXPECT_EQ(line(3, 2), "01 02 04");
  EXPECT_EQ(line(3, 9), "01 03 02");
  EXPECT_EQ(line(3, 720), "10 09 08");
  EXPECT_EQ(line(4, 1), "01 02 03 04");
  EXPECT_EQ(line(4, 2), "01 02 03 05");
  EXPECT_EQ(line(4, 9), "01 02 04 05");
  EXPECT_EQ(line(4, 5040), "10 09 08 07");
  EXPECT_EQ(line(5, 1), "01 02 03 04 05");
  EXPECT_EQ(line(5, 2), "01 02 03 04 06");
  EXPECT_EQ(line(5, 9), "01 02 03 05 07");
  EXPECT_EQ(line(5, 30240), "10 09 08 07 06");
  EXPECT_THROW(build_universe(2), std::invalid_argument);
  EXPECT_THROW(universe(6), std::invalid_argument);
}

TEST(Universe, EveryRowHoldsDistinctNumbersMatchingItsLine) {
  for (int k = 3; k <= 5; ++k) {
    const Universe& u = universe(k);
    ASSERT_EQ(u.lines.size(), static_cast<std::size_t>(u.size) + 1);
    ASSERT_EQ(u.numbers.size(), u.lines.size());
    EXPECT_EQ(u.lines[0], "");
    for (int i = 1; i <= u.size; ++i) {
      const std::string& text = u.lines[static_cast<std::size_t>(i)];
      unsigned seen = 0;
      std::string expected;
      for (int p = 1; p <= k; ++p) {
        const int n = u.number(i, p);
        ASSERT_TRUE(n >= 1 && n <= 10 && !(seen & (1u << n))) << text;
        seen |= 1u << n;
        if (p > 1) expected += ' ';
        expected += two_digit(n);
      }
      ASSERT_EQ(text, expected);
      ASSERT_EQ(text.size(), static_cast<std::size_t>(3 * k - 1));
      // Two-digit texts sort like the numbers: ascending lines mean
      // lexicographic order without duplicates.
      if (i > 1) {
        ASSERT_LT(u.lines[static_cast<std::size_t>(i - 1)], text);
      }
    }
  }
}

TEST(Universe, PickCodesAndTheirLookup) {
  const Universe& u4 = universe(4);
  const Universe& u5 = universe(5);
  EXPECT_EQ(u4.codes[1], 11234u);
  EXPECT_EQ(u4.codes[5040], 10987u);
  EXPECT_EQ(u5.codes[30240], 109876u);
  EXPECT_EQ(line(4, u4.pick_of_code(11230)), "01 02 03 10");
  for (const Universe* u : {&u4, &u5}) {
    std::size_t picks = 0;
    for (std::int32_t index : u->index_of_code) picks += index != 0;
    EXPECT_EQ(picks, static_cast<std::size_t>(u->size));
    for (int i = 1; i <= u->size; ++i) ASSERT_EQ(u->pick_of_code(u->codes[static_cast<std::size_t>(i)]), i);
  }
  // Repeated digits, the wrong number of digits and anything out of range.
  for (std::int64_t code : {11123LL, 10000LL, 9999LL, 20000LL, 112345LL, -11234LL}) EXPECT_EQ(u4.pick_of_code(code), 0);
  EXPECT_EQ(u4.pick_of_code(INT64_MAX), 0);
  EXPECT_EQ(u4.pick_of_code(INT64_MIN), 0);
  EXPECT_EQ(u5.pick_of_code(11234), 0);
  EXPECT_EQ(u5.pick_of_code(112344), 0);
  EXPECT_EQ(line(3, universe(3).pick_of_code(1123)), "01 02 03");
  const int repeated[] = {1, 1, 2}, valid[] = {10, 1, 5}, out_of_range[] = {11, 1, 2};
  EXPECT_EQ(universe(3).pick_of_numbers(repeated), 0);
  EXPECT_EQ(line(3, universe(3).pick_of_numbers(valid)), "10 01 05");
  EXPECT_EQ(universe(3).pick_of_numbers(out_of_range), 0);
}

TEST(NumberText, TwoDigitShorthandAndSeparators) {
  EXPECT_EQ(two_digit(1), "01");
  EXPECT_EQ(two_digit(10), "10");
  EXPECT_EQ(two_digit(0), "");
  EXPECT_EQ(two_digit(11), "");
  EXPECT_EQ(shorthand_digit(9), '9');
  EXPECT_EQ(shorthand_digit(10), '0');
  EXPECT_EQ(shorthand_digit(0), '\0');
  EXPECT_EQ(shorthand_digit(11), '\0');
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(number_of_digit(shorthand_digit(n)), n);
  for (char c : {'a', ' ', '\0', static_cast<char>(0xB5)}) EXPECT_EQ(number_of_digit(c), 0);
  EXPECT_EQ(line_with_separator("01 02 03", ","), "01,02,03");
  EXPECT_EQ(line_with_separator("01 02 03", ""), "010203");
}

}  // namespace
}  // namespace tesvik
