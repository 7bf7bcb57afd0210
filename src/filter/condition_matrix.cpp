#include "filter/condition_matrix.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tesvik {

namespace {

constexpr std::size_t kRowAlignment = 64;

}  // namespace

ConditionMatrix::ConditionMatrix(int picks) : picks_(picks) {
  if (picks < 0) throw std::invalid_argument("negative pick count");
  stride_ = (length() + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
  const std::size_t rows = kRows;
  rows_per_block_ = stride_ * rows <= kLargePage ? rows : std::max<std::size_t>(1, kLargePage / stride_);
  blocks_.resize((rows + rows_per_block_ - 1) / rows_per_block_);
  std::memset(row(kVerdictRow), 0, length());
  std::memset(row(kBaseRow), 0, length());
}

ConditionMatrix::ConditionMatrix(const ConditionMatrix& other) : ConditionMatrix(other.picks_) {
  std::memcpy(row(kVerdictRow), other.row(kVerdictRow), length());
  std::memcpy(row(kBaseRow), other.row(kBaseRow), length());
  for (int c = 1; c <= kConditionColumns; ++c)
    if (other.column_used(c)) std::memcpy(column(c).data(), other.row(c + 1), length());
}

ConditionMatrix& ConditionMatrix::operator=(const ConditionMatrix& other) {
  if (this != &other) *this = ConditionMatrix(other);
  return *this;
}

std::uint8_t* ConditionMatrix::row(int r) {
  const std::size_t at = static_cast<std::size_t>(r);
  LargeBlock& block = blocks_[at / rows_per_block_];
  if (!block) block = allocate_large(stride_ * rows_per_block_);
  return block.get() + at % rows_per_block_ * stride_;
}

const std::uint8_t* ConditionMatrix::row(int r) const {
  // Only rows that exist are read: the verdict, the base marks and used columns.
  const std::size_t at = static_cast<std::size_t>(r);
  return blocks_[at / rows_per_block_].get() + at % rows_per_block_ * stride_;
}

std::size_t ConditionMatrix::checked(int pick) const {
  if (pick < 0 || pick > picks_) throw std::out_of_range("pick index");
  return static_cast<std::size_t>(pick);
}

void ConditionMatrix::clear() {
  used_.reset();
  std::memset(row(kVerdictRow), 0, length());
  std::memset(row(kBaseRow), 0, length());
}

std::span<std::uint8_t> ConditionMatrix::column(int column) {
  if (column == kVerdictColumn) return verdict();
  if (column < 1 || column > kConditionColumns) throw std::out_of_range("condition column");
  std::uint8_t* const data = row(column + 1);
  if (!used_[static_cast<std::size_t>(column)]) {
    std::memset(data, 0, length());
    used_.set(static_cast<std::size_t>(column));
  }
  return {data, length()};
}

std::span<std::uint8_t> ConditionMatrix::verdict() {
  ++verdict_writes_;
  return {row(kVerdictRow), length()};
}

std::span<const std::uint8_t> ConditionMatrix::verdict() const { return {row(kVerdictRow), length()}; }

std::span<std::uint8_t> ConditionMatrix::base_marks() { return {row(kBaseRow), length()}; }

void ConditionMatrix::mark(int column, int pick) {
  if (pick < 1 || pick > picks_) throw std::out_of_range("pick index");
  this->column(column)[static_cast<std::size_t>(pick)] = 1;
}

bool ConditionMatrix::failed(int column, int pick) const {
  if (column < 1 || column > kVerdictColumn || pick < 0 || pick > picks_) return false;
  if (column == kVerdictColumn) return verdict()[static_cast<std::size_t>(pick)] != 0;
  return column_used(column) && row(column + 1)[static_cast<std::size_t>(pick)] != 0;
}

bool ConditionMatrix::column_used(int column) const {
  if (column < 1 || column > kConditionColumns) return false;
  return used_[static_cast<std::size_t>(column)];
}

int ConditionMatrix::kept_count() const {
  const std::uint8_t* const v = row(kVerdictRow);
  int n = 0;
  for (std::size_t i = 1; i < length(); ++i) n += v[i] == 0;
  return n;
}

}  // namespace tesvik
