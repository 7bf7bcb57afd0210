#include "filter/condition_matrix.h"

#include <algorithm>
#include <stdexcept>

namespace tesvik {

ConditionMatrix::ConditionMatrix(int picks) : picks_(picks), verdict_(static_cast<std::size_t>(picks) + 1, 0) {
  if (picks < 0) throw std::invalid_argument("negative pick count");
}

std::vector<std::uint8_t>& ConditionMatrix::slot(int column) {
  if (column == kVerdictColumn) return verdict_;
  if (column < 1 || column > kConditionColumns) throw std::out_of_range("condition column");
  return columns_[static_cast<std::size_t>(column)];
}

void ConditionMatrix::clear() {
  used_.reset();
  std::fill(verdict_.begin(), verdict_.end(), 0);
  std::fill(base_marks_.begin(), base_marks_.end(), 0);
}

std::vector<std::uint8_t>& ConditionMatrix::column(int column) {
  auto& c = slot(column);
  if (column != kVerdictColumn && !used_[static_cast<std::size_t>(column)]) {
    c.assign(static_cast<std::size_t>(picks_) + 1, 0);
    used_.set(static_cast<std::size_t>(column));
  }
  return c;
}

void ConditionMatrix::mark(int column, int pick) {
  if (pick < 1 || pick > picks_) throw std::out_of_range("pick index");
  this->column(column)[static_cast<std::size_t>(pick)] = 1;
}

bool ConditionMatrix::failed(int column, int pick) const {
  if (column < 1 || column > kVerdictColumn || pick < 0 || pick > picks_) return false;
  if (column != kVerdictColumn && !column_used(column)) return false;
  const auto& c = column == kVerdictColumn ? verdict_ : columns_[static_cast<std::size_t>(column)];
  return !c.empty() && c[static_cast<std::size_t>(pick)] != 0;
}

bool ConditionMatrix::column_used(int column) const {
  if (column < 1 || column > kConditionColumns) return false;
  return used_[static_cast<std::size_t>(column)];
}

int ConditionMatrix::kept_count() const {
  int n = 0;
  for (int i = 1; i <= picks_; ++i) n += verdict_[static_cast<std::size_t>(i)] == 0;
  return n;
}

}  // namespace tesvik
