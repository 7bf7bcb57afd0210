#pragma once
// Compound lines: per place the numbers a line allows there. A pick counts
// the lines that allow each of its numbers at its place, by one AND of
// bit sets per place instead of a walk over the lines.

#include <array>
#include <bitset>
#include <cstddef>

#include "filter/pick_facts.h"

namespace tesvik {

inline constexpr std::size_t kMaxCompoundLines = 100;

template <int P>
class CompoundLines {
 public:
  std::size_t size() const { return size_; }
  bool full() const { return size_ == kMaxCompoundLines; }
  // Adds a line; allows(place, n) for place 0..P-1 and n 1..10. The caller
  // checks full() first.
  template <typename Allows>
  void add(Allows&& allows) {
    for (std::size_t p = 0; p < P; ++p)
      for (std::size_t n = 1; n <= 10; ++n) named_[p][n][size_] = allows(p, n);
    ++size_;
  }
  // The number of lines that allow every number of the pick at its place.
  int covering(const PickFact<P>& f) const {
    std::bitset<kMaxCompoundLines> all = named_[0][f.n[0]];
    for (std::size_t p = 1; p < P; ++p) all &= named_[p][f.n[p]];
    return static_cast<int>(all.count());
  }

 private:
  std::array<std::array<std::bitset<kMaxCompoundLines>, 11>, P> named_{};
  std::size_t size_ = 0;
};

}  // namespace tesvik
