#include "filter/clean_items.h"

namespace tesvik {

CleanItems::CleanItems(std::string_view text, std::string_view allowed) : text_(text) {
  for (const char c : allowed)
    if (static_cast<unsigned char>(c) < 128 && c != ' ') in_item_[static_cast<unsigned char>(c)] = true;
}

bool CleanItems::shorter_than(std::size_t n) const {
  // Between two items, a run of b characters that clean to blanks leaves
  // (b + 1) / 2 blanks (of each pair one is dropped); a run at either end
  // leaves none. A UTF-8 sequence is one character: a continuation byte
  // after a byte of 128 or above belongs to the character before it.
  std::size_t size = 0;
  std::size_t blanks = 0;  // characters since the last item character
  bool after_high = false;
  for (const char c : text_) {
    const auto byte = static_cast<unsigned char>(c);
    if (in_item(c)) {
      if (size > 0) size += (blanks + 1) / 2;
      blanks = 0;
      if (++size >= n) return false;
    } else if (!(after_high && (byte & 0xC0) == 0x80)) {
      ++blanks;
    }
    after_high = byte >= 128;
  }
  return size < n;
}

}  // namespace tesvik
