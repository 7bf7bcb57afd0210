#pragma once
// Floating-point numbers as decimal text and back, independent of the C
// locale and the same with every standard library (the browser build's
// lacks the floating-point std::to_chars and std::from_chars).

#include <optional>
#include <string>
#include <string_view>

namespace tesvik {

// The shortest text that reads back as v, written as std::to_chars(v)
// writes it: fixed ("1.5", "0.0001", "1234567890123456") unless the
// scientific form ("1e+20", "1.5e-05") is shorter; "inf", "-inf", "nan".
std::string shortest_decimal(double v);

// The whole text read as a number: an optional '-', digits with an optional
// fraction (".5" and "5." too) and an optional exponent ("e-3", "E+07").
// nullopt for anything else (blanks, '+', "inf", "nan", hexadecimal) and for
// a value too large or too small for a double.
std::optional<double> read_decimal(std::string_view text);

}  // namespace tesvik
