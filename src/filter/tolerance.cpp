#include "filter/tolerance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "support/text.h"

namespace tesvik {

int range_bound(std::string_view text) {
  const double v = std::nearbyint(leading_number(text));  // default rounding: halves to even
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -1e9, 1e9));
}

void apply_overall_tolerance(ConditionMatrix& matrix, double lower, double upper) {
  // While the columns are counted, each verdict byte holds 128 for a pick the
  // base list removed plus the number of columns it fails (at most 100).
  constexpr std::uint8_t kRemoved = 128;
  static_assert(kConditionColumns < kRemoved);
  std::array<bool, kRemoved> allowed{};  // by number of failed columns
  for (int k = 0; k < kRemoved; ++k) allowed[static_cast<std::size_t>(k)] = lower <= k && k <= upper;
  // Plain pointers, so that the byte stores are not taken to change the vectors.
  std::uint8_t* const verdict = matrix.verdict().data();
  const std::size_t n = matrix.verdict().size();
  std::copy(verdict, verdict + n, matrix.base_marks().data());
  for (std::size_t i = 0; i < n; ++i) verdict[i] = verdict[i] ? kRemoved : 0;
  for (int c = 1; c <= kConditionColumns; ++c) {
    if (!matrix.column_used(c)) continue;
    const std::uint8_t* const col = matrix.column(c).data();
    for (std::size_t i = 0; i < n; ++i) verdict[i] = static_cast<std::uint8_t>(verdict[i] + (col[i] != 0));
  }
  for (std::size_t i = 0; i < n; ++i) verdict[i] = verdict[i] >= kRemoved || !allowed[verdict[i]];
  verdict[0] = 0;  // no pick
}

}  // namespace tesvik
