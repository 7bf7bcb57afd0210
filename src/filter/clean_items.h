#pragma once
// The items of a box as clean_box would leave its text, read from the text
// as typed in one pass, without making the cleaned copy. Cleaning turns
// each character outside `allowed` into a blank and otherwise only drops
// blanks, so the items of the cleaned text are exactly the runs of allowed
// characters other than the blank in the text as typed.

#include <array>
#include <cstddef>
#include <string_view>

namespace tesvik {

class CleanItems {
 public:
  CleanItems(std::string_view text, std::string_view allowed);

  // Whether the cleaned text has fewer than n characters; reads the text
  // only as far as it takes to tell.
  bool shorter_than(std::size_t n) const;

  // Calls take(item) for each blank-separated item of exactly `length`
  // characters of the cleaned text, at most `cap` times; returns how many
  // it took. `length` is at least 1: the empty items between the blanks
  // that cleaning leaves paired are never taken.
  template <typename Take>
  std::size_t for_each(std::size_t length, std::size_t cap, Take&& take) const {
    std::size_t taken = 0;
    const char* p = text_.data();
    const char* const end = p + text_.size();
    while (taken < cap) {
      while (p < end && !in_item(*p)) ++p;
      if (p == end) break;
      const char* q = p + 1;
      while (q < end && in_item(*q)) ++q;
      if (static_cast<std::size_t>(q - p) == length) {
        take(std::string_view(p, length));
        ++taken;
      }
      p = q;
    }
    return taken;
  }

 private:
  bool in_item(char c) const { return in_item_[static_cast<unsigned char>(c)]; }

  std::string_view text_;
  std::array<bool, 256> in_item_{};  // allowed ASCII other than the blank
};

}  // namespace tesvik
