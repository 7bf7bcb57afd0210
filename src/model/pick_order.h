#pragma once
// The order of the picks of every universe: ordered tuples of distinct
// numbers 1..10, lexicographic with place 1 outermost. Pick index 1 is the
// first tuple of this order.

#include <array>
#include <cstdint>
#include <span>

namespace tesvik {

inline constexpr int kMaxPickPlaces = 6;

namespace detail {

template <typename Take>
void enumerate_places(std::array<std::uint8_t, kMaxPickPlaces>& pick, int places, int p, unsigned used, Take& take) {
  if (p == places) {
    take(std::span<const std::uint8_t>(pick.data(), static_cast<std::size_t>(places)));
    return;
  }
  for (unsigned n = 1; n <= 10; ++n) {
    if (used & 1u << n) continue;
    pick[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(n);
    enumerate_places(pick, places, p + 1, used | 1u << n, take);
  }
}

}  // namespace detail

// Calls take(numbers) for every pick of `places` (1..6) places in pick order.
template <typename Take>
void for_each_pick(int places, Take&& take) {
  std::array<std::uint8_t, kMaxPickPlaces> pick{};
  detail::enumerate_places(pick, places, 0, 0, take);
}

}  // namespace tesvik
