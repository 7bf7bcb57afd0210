#pragma once
// How conditions read the text boxes of the panel: cleaning a box to its
// allowed characters, and reading its blank-separated items.

#include <string>
#include <string_view>
#include <vector>

namespace tesvik {

// Each character not in `allowed` becomes a blank; then every double blank
// is replaced by one blank in a single pass (three blanks become two); then
// leading and trailing blanks are removed.
std::string clean_box(std::string_view text, std::string_view allowed);

// The blank-separated items of exactly `length` characters, at most `cap`.
std::vector<std::string_view> items_of_length(std::string_view text, std::size_t length, std::size_t cap);

// Text split at CR LF.
std::vector<std::string_view> lines_of(std::string_view text);

}  // namespace tesvik
