// The locale-free decimal conversions against the standard library's
// std::to_chars and std::from_chars, which the native build has.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "support/decimal.h"

namespace tesvik {
namespace {

std::string to_chars_text(double v) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, end);
}

TEST(Decimal, ShortestFormsAsToCharsWritesThem) {
  for (double v : {1.5, -2.25, 0.1, 0.0001, 0.00015, 0.000015, 1e15, 1.5e16, 1e20, 123456789012345000.0,
                   1234567890123456.0, 1e-300, 5e-324, std::numeric_limits<double>::max(), 1.0 / 3, 2.0 / 3, 9.995})
    EXPECT_EQ(shortest_decimal(v), to_chars_text(v)) << v;
  EXPECT_EQ(shortest_decimal(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(shortest_decimal(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(shortest_decimal(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(Decimal, RandomValuesOfEveryScaleMatchToChars) {
  std::mt19937_64 random(25);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 5000; ++i) {
    const double v = mantissa(random) * std::pow(10.0, exponent(random));
    const std::string text = shortest_decimal(v);
    ASSERT_EQ(text, to_chars_text(v)) << i;
    ASSERT_EQ(read_decimal(text), v) << text;
  }
}

TEST(Decimal, ReadsWholeNumbersOnly) {
  EXPECT_EQ(read_decimal("20200328"), 20200328.0);
  EXPECT_EQ(read_decimal("2.02e7"), 20200000.0);
  EXPECT_EQ(read_decimal("-.5"), -0.5);
  EXPECT_EQ(read_decimal("5."), 5.0);
  EXPECT_EQ(read_decimal("1E+2"), 100.0);
  EXPECT_EQ(read_decimal("0e999"), 0.0);
  for (const char* bad :
       {"", "-", ".", "+1", " 1", "1 ", "1e", "1e+", "e5", "1.2.3", "inf", "nan", "0x10", "--1", "1e999", "1e-999"})
    EXPECT_EQ(read_decimal(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace tesvik
