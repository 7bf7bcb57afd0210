#pragma once
// Compound lines: per place the numbers a line allows there. A pick counts
// the lines that allow each of its numbers at its place, by one AND of
// bit sets per place instead of a walk over the lines. The bits are counted
// in registers: the package's baseline processor has no popcount
// instruction, and the library's call for it costs more than the AND.

#include <array>
#include <cstddef>
#include <cstdint>

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
    const std::uint64_t bit = std::uint64_t{1} << (size_ % 64);
    for (std::size_t p = 0; p < P; ++p)
      for (std::size_t n = 1; n <= 10; ++n)
        if (allows(p, n)) named_[p][n][size_ / 64] |= bit;
    ++size_;
  }
  // The number of lines that allow every number of the pick at its place.
  int covering(const PickFact<P>& f) const {
    Lines all = named_[0][f.n[0]];
    for (std::size_t p = 1; p < P; ++p)
      for (std::size_t w = 0; w < kWords; ++w) all[w] &= named_[p][f.n[p]][w];
    int count = 0;
    for (const std::uint64_t word : all) count += bit_count(word);
    return count;
  }

 private:
  static constexpr std::size_t kWords = (kMaxCompoundLines + 63) / 64;
  using Lines = std::array<std::uint64_t, kWords>;  // bit i: line i

  static int bit_count(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
  }

  std::array<std::array<Lines, 11>, P> named_{};
  std::size_t size_ = 0;
};

}  // namespace tesvik
