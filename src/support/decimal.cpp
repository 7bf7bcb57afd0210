#include "support/decimal.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include "support/text.h"

namespace tesvik {

namespace {

// Length of the run of digits at the start of text.
std::size_t digit_run(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && is_ascii_digit(text[n])) ++n;
  return n;
}

// True when text follows the grammar of read_decimal.
bool decimal_syntax(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const std::size_t whole = digit_run(text);
  text.remove_prefix(whole);
  std::size_t fraction = 0;
  if (text.starts_with('.')) {
    text.remove_prefix(1);
    fraction = digit_run(text);
    text.remove_prefix(fraction);
  }
  if (whole + fraction == 0) return false;
  if (text.empty()) return true;
  if (text.front() != 'e' && text.front() != 'E') return false;
  text.remove_prefix(1);
  if (text.starts_with('+') || text.starts_with('-')) text.remove_prefix(1);
  const std::size_t exponent = digit_run(text);
  return exponent > 0 && exponent == text.size();
}

// The digits and the decimal exponent of |v| (finite, not zero) rounded to
// `digits` significant digits: |v| ~ 0.D1 D2 ... x 10^(exponent + 1).
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits rounded_digits(double v, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, std::fabs(v));
  // "D<point>DDDe+XX"; the point is the locale's and may be any text.
  Digits out;
  const std::string_view text(buffer);
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (is_ascii_digit(c)) out.digits += c;
  out.exponent = std::atoi(buffer + e + 1);
  return out;
}

std::string scientific_text(const Digits& d) {
  std::string out(1, d.digits[0]);
  if (d.digits.size() > 1) out += "." + d.digits.substr(1);
  const int e = std::abs(d.exponent);
  out += d.exponent < 0 ? "e-" : "e+";
  if (e < 10) out += '0';
  return out + std::to_string(e);
}

// A whole number is written with all its digits, as printf's "%.0f" does
// ("123456789012344992", not "123456789012345000"): the same length.
std::string fixed_text(double v, const Digits& d) {
  const auto n = static_cast<int>(d.digits.size());
  if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  if (d.exponent >= n - 1) {
    char buffer[400];  // the largest double has 309 digits
    std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(v));
    return buffer;
  }
  const auto point = static_cast<std::size_t>(d.exponent + 1);
  return d.digits.substr(0, point) + "." + d.digits.substr(point);
}

}  // namespace

std::string shortest_decimal(double v) {
  if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
  const std::string sign = std::signbit(v) ? "-" : "";
  if (std::isinf(v)) return sign + "inf";
  if (v == 0) return sign + "0";
  // Seventeen significant digits always read back; the first count that
  // does is the shortest, and printf's rounding makes it the nearest.
  Digits d;
  for (int digits = 1; digits <= 17; ++digits) {
    d = rounded_digits(v, digits);
    if (read_decimal(scientific_text(d)) == std::fabs(v)) break;
  }
  const std::string fixed = fixed_text(v, d), scientific = scientific_text(d);
  return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

std::optional<double> read_decimal(std::string_view text) {
  if (!decimal_syntax(text)) return std::nullopt;
  // strtod reads the locale's decimal point, which need not be '.'.
  const std::string_view point = std::localeconv()->decimal_point;
  std::string local;
  for (char c : text) {
    if (c == '.') local += point;
    else local += c;
  }
  const double value = std::strtod(local.c_str(), nullptr);
  const bool nonzero_digits =
      text.substr(0, text.find_first_of("eE")).find_first_of("123456789") != std::string_view::npos;
  if (std::isinf(value) || (value == 0 && nonzero_digits)) return std::nullopt;
  return value;
}

}  // namespace tesvik
