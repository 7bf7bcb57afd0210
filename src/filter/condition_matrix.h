#pragma once
// Result of one filter run: for every condition column 1..100 the picks that
// fail it, and the verdict column (removed picks). A column that no
// condition wrote since the last clear is neither read nor zeroed, so unset
// conditions cost nothing.
//
// The columns are rows of one RowStore (row 0 the verdict, 1 the base
// marks, c + 1 column c), kept from run to run, so that a rerun allocates
// nothing and a first run touches few fresh pages.

#include <bitset>
#include <cstdint>
#include <span>

#include "support/row_store.h"

namespace tesvik {

inline constexpr int kConditionColumns = 100;
inline constexpr int kVerdictColumn = 101;

class ConditionMatrix {
 public:
  ConditionMatrix() : ConditionMatrix(0) {}
  explicit ConditionMatrix(int picks);
  ConditionMatrix(const ConditionMatrix& other);
  ConditionMatrix& operator=(const ConditionMatrix& other);
  ConditionMatrix(ConditionMatrix&&) noexcept = default;
  ConditionMatrix& operator=(ConditionMatrix&&) noexcept = default;

  int picks() const { return picks_; }
  // Empties every column and the verdict for a new run over the same picks.
  void clear();

  // Marks pick (1..picks) as failing column (1..100) or as removed (101).
  void mark(int column, int pick);
  // Whole column for a condition's pass: one byte per pick index 0..picks,
  // nonzero = fails. Zeroed on its first use since the last clear.
  std::span<std::uint8_t> column(int column);
  bool failed(int column, int pick) const;
  bool column_used(int column) const;

  bool removed(int pick) const { return verdict()[checked(pick)] != 0; }
  bool kept(int pick) const { return !removed(pick); }
  // The verdict column. Each call for writing is counted, so that a run can
  // tell the conditions that write it (the base lists) from the others.
  std::span<std::uint8_t> verdict();
  std::span<const std::uint8_t> verdict() const;
  std::uint64_t verdict_writes() const { return verdict_writes_; }
  int kept_count() const;

  // The picks the base list removed, as the overall tolerance found them in
  // the verdict before counting the columns; all false before a run.
  std::span<std::uint8_t> base_marks();
  bool outside_base(int pick) const {
    return pick >= 0 && pick <= picks_ && rows_.row(kBaseRow)[static_cast<std::size_t>(pick)] != 0;
  }

 private:
  static constexpr std::size_t kVerdictRow = 0;
  static constexpr std::size_t kBaseRow = 1;
  static constexpr std::size_t kRows = kConditionColumns + 2;

  std::size_t checked(int pick) const;
  std::size_t length() const { return static_cast<std::size_t>(picks_) + 1; }

  int picks_ = 0;
  RowStore rows_;
  std::bitset<kConditionColumns + 1> used_;  // columns written since the last clear
  std::uint64_t verdict_writes_ = 0;
};

}  // namespace tesvik
