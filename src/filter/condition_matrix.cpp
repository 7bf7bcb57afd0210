#include "filter/condition_matrix.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tesvik {

ConditionMatrix::ConditionMatrix(int picks) : picks_(picks) {
  if (picks < 0) throw std::invalid_argument("negative pick count");
  rows_ = RowStore(kRows, length());
  std::memset(rows_.row(kVerdictRow), 0, length());
  std::memset(rows_.row(kBaseRow), 0, length());
}

ConditionMatrix::ConditionMatrix(const ConditionMatrix& other) : ConditionMatrix(other.picks_) {
  std::memcpy(rows_.row(kVerdictRow), other.rows_.row(kVerdictRow), length());
  std::memcpy(rows_.row(kBaseRow), other.rows_.row(kBaseRow), length());
  for (int c = 1; c <= kConditionColumns; ++c)
    if (other.column_used(c)) std::memcpy(column(c).data(), other.rows_.row(static_cast<std::size_t>(c) + 1), length());
}

ConditionMatrix& ConditionMatrix::operator=(const ConditionMatrix& other) {
  if (this != &other) *this = ConditionMatrix(other);
  return *this;
}

std::size_t ConditionMatrix::checked(int pick) const {
  if (pick < 0 || pick > picks_) throw std::out_of_range("pick index");
  return static_cast<std::size_t>(pick);
}

void ConditionMatrix::clear() {
  used_.reset();
  std::memset(rows_.row(kVerdictRow), 0, length());
  std::memset(rows_.row(kBaseRow), 0, length());
}

std::span<std::uint8_t> ConditionMatrix::column(int column) {
  if (column == kVerdictColumn) return verdict();
  if (column < 1 || column > kConditionColumns) throw std::out_of_range("condition column");
  std::uint8_t* const data = rows_.row(static_cast<std::size_t>(column) + 1);
  if (!used_[static_cast<std::size_t>(column)]) {
    std::memset(data, 0, length());
    used_.set(static_cast<std::size_t>(column));
  }
  return {data, length()};
}

std::span<std::uint8_t> ConditionMatrix::verdict() {
  ++verdict_writes_;
  return {rows_.row(kVerdictRow), length()};
}

std::span<const std::uint8_t> ConditionMatrix::verdict() const { return {rows_.row(kVerdictRow), length()}; }

std::span<std::uint8_t> ConditionMatrix::base_marks() { return {rows_.row(kBaseRow), length()}; }

void ConditionMatrix::mark(int column, int pick) {
  if (pick < 1 || pick > picks_) throw std::out_of_range("pick index");
  this->column(column)[static_cast<std::size_t>(pick)] = 1;
}

bool ConditionMatrix::failed(int column, int pick) const {
  if (column < 1 || column > kVerdictColumn || pick < 0 || pick > picks_) return false;
  if (column == kVerdictColumn) return verdict()[static_cast<std::size_t>(pick)] != 0;
  return column_used(column) && rows_.row(static_cast<std::size_t>(column) + 1)[static_cast<std::size_t>(pick)] != 0;
}

bool ConditionMatrix::column_used(int column) const {
  if (column < 1 || column > kConditionColumns) return false;
  return used_[static_cast<std::size_t>(column)];
}

int ConditionMatrix::kept_count() const {
  const std::uint8_t* const v = rows_.row(kVerdictRow);
  int n = 0;
  for (std::size_t i = 1; i < length(); ++i) n += v[i] == 0;
  return n;
}

}  // namespace tesvik
