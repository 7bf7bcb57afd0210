#include "filter/tolerance.h"

#include <algorithm>
#include <cmath>

#include "support/text.h"

namespace tesvik {

int range_bound(std::string_view text) {
  const double v = std::nearbyint(leading_number(text));  // default rounding: halves to even
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -1e9, 1e9));
}

void apply_overall_tolerance(ConditionMatrix& matrix, double lower, double upper) {
  const auto n = static_cast<std::size_t>(matrix.picks()) + 1;
  std::vector<std::uint8_t> failures(n, 0);
  for (int c = 1; c <= kConditionColumns; ++c) {
    if (!matrix.column_used(c)) continue;
    const auto& col = matrix.column(c);
    for (std::size_t i = 0; i < n; ++i) failures[i] = static_cast<std::uint8_t>(failures[i] + (col[i] != 0));
  }
  auto& verdict = matrix.verdict();
  for (std::size_t i = 1; i < n; ++i) {
    if (verdict[i]) continue;
    const double e = failures[i];
    if (!(lower <= e && e <= upper)) verdict[i] = 1;
  }
}

}  // namespace tesvik
