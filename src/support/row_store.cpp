#include "support/row_store.h"

#include <algorithm>
#include <stdexcept>

namespace tesvik {

namespace {

constexpr std::size_t kRowAlignment = 64;

}  // namespace

RowStore::RowStore(std::size_t rows, std::size_t length)
    : rows_(rows), length_(length), stride_((length + kRowAlignment - 1) / kRowAlignment * kRowAlignment) {
  if (stride_ == 0) stride_ = kRowAlignment;
  rows_per_block_ =
      stride_ * rows <= kLargePage ? std::max<std::size_t>(rows, 1) : std::max<std::size_t>(1, kLargePage / stride_);
  blocks_.resize((rows + rows_per_block_ - 1) / rows_per_block_);
}

std::uint8_t* RowStore::row(std::size_t r) {
  if (r >= rows_) throw std::out_of_range("row");
  LargeBlock& block = blocks_[r / rows_per_block_];
  if (!block) block = allocate_large(stride_ * rows_per_block_);
  return block.get() + r % rows_per_block_ * stride_;
}

const std::uint8_t* RowStore::row(std::size_t r) const {
  if (r >= rows_ || !blocks_[r / rows_per_block_]) throw std::out_of_range("row");
  return blocks_[r / rows_per_block_].get() + r % rows_per_block_ * stride_;
}

}  // namespace tesvik
