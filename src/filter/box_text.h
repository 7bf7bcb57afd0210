#pragma once
// How conditions read the text boxes of the panel: cleaning a box to its
// allowed characters, and reading its blank-separated items and its lines.
// A cleaned box holds only ASCII, so its size is its number of characters.

#include <string>
#include <string_view>

namespace tesvik {

// Cleans a box in place: each character not in `allowed` becomes a blank;
// then every double blank is replaced by one blank in a single pass (three
// blanks become two); then leading and trailing blanks are removed. A text
// that is clean already is left as it is, without a copy.
void clean_box(std::string& text, std::string_view allowed);
// Whether clean_box would leave the text as it is.
bool is_clean(std::string_view text, std::string_view allowed);
// The text as clean_box leaves it.
std::string cleaned(std::string_view text, std::string_view allowed);

// The text with every character outside `allowed` deleted (blanks too,
// unless allowed).
std::string stripped(std::string_view text, std::string_view allowed);

// Calls take(item) for each blank-separated item of exactly `length`
// characters, at most `cap` times; returns how many items it took.
template <typename Take>
std::size_t for_each_item(std::string_view text, std::size_t length, std::size_t cap, Take&& take) {
  std::size_t taken = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (taken < cap) {
    const char* q = p;
    while (q < end && *q != ' ') ++q;
    if (static_cast<std::size_t>(q - p) == length) {
      take(std::string_view(p, length));
      ++taken;
    }
    if (q == end) break;
    p = q + 1;
  }
  return taken;
}

// Calls take(line) for each line of the text, split at CR LF.
template <typename Take>
void for_each_line(std::string_view text, Take&& take) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find("\r\n", start);
    take(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return;
    start = end + 2;
  }
}

}  // namespace tesvik
