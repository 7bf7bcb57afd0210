#pragma once
// Result of one filter run: for every condition column 1..100 the picks that
// fail it, and the verdict column (removed picks). A column that no
// condition wrote holds no storage, so unset conditions cost nothing.

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

namespace tesvik {

inline constexpr int kConditionColumns = 100;
inline constexpr int kVerdictColumn = 101;

class ConditionMatrix {
 public:
  ConditionMatrix() = default;
  explicit ConditionMatrix(int picks);

  int picks() const { return picks_; }
  // Empties every column and the verdict for a new run over the same picks;
  // the columns keep their storage, so that a rerun allocates nothing.
  void clear();

  // Marks pick (1..picks) as failing column (1..100) or as removed (101).
  void mark(int column, int pick);
  // Whole column for a condition's pass: one byte per pick index 0..picks,
  // nonzero = fails. Allocated (or emptied) on first use.
  std::vector<std::uint8_t>& column(int column);
  bool failed(int column, int pick) const;
  bool column_used(int column) const;

  bool removed(int pick) const { return verdict_.at(static_cast<std::size_t>(pick)) != 0; }
  bool kept(int pick) const { return !removed(pick); }
  std::vector<std::uint8_t>& verdict() { return verdict_; }
  const std::vector<std::uint8_t>& verdict() const { return verdict_; }
  int kept_count() const;

  // The picks the base list removed, as the overall tolerance found them in
  // the verdict before counting the columns; all false before a run.
  std::vector<std::uint8_t>& base_marks() { return base_marks_; }
  bool outside_base(int pick) const {
    return pick >= 0 && static_cast<std::size_t>(pick) < base_marks_.size() &&
           base_marks_[static_cast<std::size_t>(pick)] != 0;
  }

 private:
  std::vector<std::uint8_t>& slot(int column);
  int picks_ = 0;
  std::array<std::vector<std::uint8_t>, kConditionColumns + 1> columns_;  // [0] unused
  std::bitset<kConditionColumns + 1> used_;                               // columns written since the last clear
  std::vector<std::uint8_t> verdict_;
  std::vector<std::uint8_t> base_marks_;
};

}  // namespace tesvik
