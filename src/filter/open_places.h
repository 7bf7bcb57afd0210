#pragma once
// Positional patterns counted per pick with one look-up. A key holds the
// places of a pattern in base 11, place 1 first: 0 for an open place ("*"),
// the number 1..10 for a fixed one. The table of a set of patterns gives,
// at the key of a pick's numbers, the number of patterns whose fixed places
// that pick matches.
//
// Few patterns with few open places are spread out one by one onto the keys
// they match. Many are counted under their own keys, and then every key
// takes the counts of the keys that leave one of its places open, place by
// place (a transform over the whole table, whose cost does not grow with
// the number of patterns).

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/number_text.h"
#include "support/large_block.h"

namespace tesvik {

constexpr std::size_t place_keys(int places) {
  std::size_t n = 1;
  for (int p = 0; p < places; ++p) n *= 11;
  return n;
}

// The key of a pattern or of a pick's numbers (each 0..10), place 1 first.
template <typename Numbers>
std::size_t place_key(const Numbers& numbers) {
  std::size_t key = 0;
  for (const auto n : numbers) key = 11 * key + static_cast<std::size_t>(n);
  return key;
}

// The key of a pattern text: "*" for an open place, a shorthand digit for a fixed one.
inline std::size_t pattern_key(std::string_view pattern) {
  std::size_t key = 0;
  for (char c : pattern) key = 11 * key + static_cast<std::size_t>(c == '*' ? 0 : number_of_digit(c));
  return key;
}

// Counts stop at the largest value of Count, so that a byte table serves
// where every count above some bound reads the same.
template <typename Count>
class PatternTable {
  static_assert(std::is_unsigned_v<Count>);

 public:
  static constexpr int kMaxPlaces = 6;

  explicit PatternTable(int places) : places_(std::clamp(places, 1, kMaxPlaces)), counts_(place_keys(places_)) {}

  // Adds a pattern. The keys fall anywhere in a table larger than the
  // processor's caches, so each count is fetched when its pattern is added
  // and made some patterns later: the fetches then overlap instead of
  // waiting one by one.
  void add(std::size_t key) {
    __builtin_prefetch(&counts_[key], 1);
    std::uint32_t& slot = ahead_[added_ % kAhead];
    if (added_ >= kAhead) count(slot);
    slot = static_cast<std::uint32_t>(key);
    ++added_;
  }

  // The table by the keys of the picks' numbers.
  LargeTable<Count> matches() && {
    count_added();
    if (spread_cost_ > counts_.size()) {
      transform();
      return std::move(counts_);
    }
    LargeTable<Count> table(counts_.size());
    for (const std::uint32_t key : keys_) spread(table, key, counts_[key]);
    return table;
  }

 private:
  static Count sum(Count a, unsigned b) {
    return static_cast<Count>(std::min<unsigned>(unsigned{a} + b, std::numeric_limits<Count>::max()));
  }

  // Counts the patterns still waiting in the look-ahead.
  void count_added() {
    for (std::size_t i = added_ > kAhead ? added_ - kAhead : 0; i < added_; ++i) count(ahead_[i % kAhead]);
    added_ = 0;
  }

  // Counts one pattern under its key. The distinct keys are kept for
  // spreading them one by one, until spreading would cost more than the
  // transform.
  void count(std::size_t key) {
    Count& c = counts_[key];
    if (c == 0 && spread_cost_ <= counts_.size()) {
      keys_.push_back(static_cast<std::uint32_t>(key));
      spread_cost_ += open_matches(key);
    }
    c = sum(c, 1);
  }

  // The number of keys of picks' numbers that a pattern key matches: 10 per open place.
  std::size_t open_matches(std::size_t key) const {
    std::size_t n = 1;
    for (int p = 0; p < places_; ++p, key /= 11)
      if (key % 11 == 0) n *= 10;
    return n;
  }

  // Adds `count` at every key that fills the open places of `key` with 1..10.
  void spread(LargeTable<Count>& table, std::size_t key, Count count) const {
    std::array<std::size_t, kMaxPlaces> weight{};  // of the open places
    std::array<int, kMaxPlaces> step{};            // how far each open place has gone past 1
    std::size_t opens = 0, w = 1;
    for (int p = 0; p < places_; ++p, w *= 11)
      if (key / w % 11 == 0) {
        weight[opens++] = w;
        key += w;  // every open place starts at 1
      }
    for (;;) {
      table[key] = sum(table[key], count);
      std::size_t p = 0;
      for (; p < opens && step[p] == 9; ++p) {
        key -= 9 * weight[p];
        step[p] = 0;
      }
      if (p == opens) return;
      ++step[p];
      key += weight[p];
    }
  }

  // Place by place, the keys with the place open add their counts to the
  // ten keys with it fixed. Most open blocks are empty (the patterns are few
  // against the keys), and those add nothing: a block is first checked for
  // a count, and the last place, whose blocks are single keys, goes apart.
  void transform() {
    const std::size_t keys = counts_.size();
    Count* const c = counts_.data();
    for (std::size_t high = 0; high < keys; high += 11)
      if (const Count any = c[high])
        for (std::size_t n = 1; n <= 10; ++n) c[high + n] = sum(c[high + n], any);
    for (std::size_t stride = 11; stride < keys; stride *= 11)
      for (std::size_t high = 0; high < keys; high += 11 * stride) {
        const Count* any = c + high;
        if (std::all_of(any, any + stride, [](Count k) { return k == 0; })) continue;
        for (std::size_t n = 1; n <= 10; ++n) {
          Count* fixed = c + high + n * stride;
          for (std::size_t low = 0; low < stride; ++low) fixed[low] = sum(fixed[low], any[low]);
        }
      }
  }

  static constexpr std::size_t kAhead = 16;

  int places_;
  LargeTable<Count> counts_;                   // by pattern key
  std::array<std::uint32_t, kAhead> ahead_{};  // the last patterns added, not counted yet
  std::size_t added_ = 0;                      // patterns added since the table was last counted
  std::vector<std::uint32_t> keys_;            // the distinct pattern keys, while spreading is cheaper
  std::size_t spread_cost_ = 0;                // keys that spreading them one by one writes
};

}  // namespace tesvik
