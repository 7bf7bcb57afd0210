#include "controls/tolerance_selector.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "support/decimal.h"
#include "support/text.h"

namespace tesvik {

namespace {

// a and b of "a*b", each a leading number rounded to an integer; nullopt without "*".
std::optional<std::pair<int, int>> star_pair(std::string_view text) {
  const std::size_t star = text.find('*');
  if (star == std::string_view::npos) return std::nullopt;
  const std::string_view rest = text.substr(star + 1);
  return std::pair{range_bound(text.substr(0, star)), range_bound(rest.substr(0, rest.find('*')))};
}

std::string star_text(std::pair<int, int> ab) { return std::to_string(ab.first) + "*" + std::to_string(ab.second); }

// A number as decimal text: "3", "-2", "1.5".
std::string decimal_text(double v) {
  if (v == std::floor(v) && std::abs(v) < 1e15) return std::to_string(static_cast<long long>(v));
  return shortest_decimal(v);
}

}  // namespace

void ToleranceSelector::set_items(std::string_view text) {
  const auto ab = star_pair(text);
  if (!ab) return;
  items_text_ = star_text(*ab);
  items_.clear();
  for (long long i = ab->first; i <= ab->second; ++i) items_.push_back(std::to_string(i));
}

void ToleranceSelector::set_preselection(std::string_view text) {
  const auto ab = star_pair(text);
  if (!ab) return;
  preselection_text_ = star_text(*ab);
  choose(std::to_string(ab->first), std::to_string(ab->second));
}

void ToleranceSelector::choose(std::string lower, std::string upper) {
  lower_ = std::move(lower);
  upper_ = std::move(upper);
}

void ToleranceSelector::set_range(std::string_view text) {
  const std::size_t mark = text.find("<*>");
  if (mark == std::string_view::npos) return;
  const std::string_view rest = text.substr(mark + 3);
  choose(decimal_text(leading_number(text.substr(0, mark))),
         decimal_text(leading_number(rest.substr(0, rest.find("<*>")))));
}

ToleranceRange ToleranceSelector::allowed() const {
  const double lo = std::ceil(leading_number(lower_));
  const double hi = std::floor(leading_number(upper_));
  return {static_cast<int>(std::clamp(lo, 0.0, kLargestCount + 1.0)),
          static_cast<int>(std::clamp(hi, -1.0, static_cast<double>(kLargestCount)))};
}

}  // namespace tesvik
