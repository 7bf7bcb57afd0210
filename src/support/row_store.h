#pragma once
// A table of byte rows of one length (a row per condition column, say),
// taken in large blocks as its rows are first used and kept while the table
// lives: a block holds as many rows as fit in 2 MB, so that a table of the
// front-six picks touches one fresh 2 MB page per thirteen rows instead of
// hundreds of 4 KB pages (see large_block.h). A row's bytes are undefined
// until written.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "support/large_block.h"

namespace tesvik {

class RowStore {
 public:
  RowStore() = default;
  RowStore(std::size_t rows, std::size_t length);
  // A store moved from is left with no rows.
  RowStore(RowStore&& other) noexcept { *this = std::move(other); }
  RowStore& operator=(RowStore&& other) noexcept {
    if (this == &other) return *this;
    rows_ = std::exchange(other.rows_, 0);
    length_ = std::exchange(other.length_, 0);
    stride_ = std::exchange(other.stride_, 0);
    rows_per_block_ = std::exchange(other.rows_per_block_, 1);
    blocks_ = std::move(other.blocks_);
    other.blocks_.clear();
    return *this;
  }

  std::size_t rows() const { return rows_; }
  std::size_t length() const { return length_; }
  // Row r (< rows()); its block is allocated on first use.
  std::uint8_t* row(std::size_t r);
  // Row r of a block already allocated (a row written before).
  const std::uint8_t* row(std::size_t r) const;

 private:
  std::size_t rows_ = 0;
  std::size_t length_ = 0;
  std::size_t stride_ = 0;  // bytes from one row to the next
  std::size_t rows_per_block_ = 1;
  std::vector<LargeBlock> blocks_;  // block b holds rows b * rows_per_block_ on; null until used
};

}  // namespace tesvik
