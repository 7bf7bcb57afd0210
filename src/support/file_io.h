#pragma once
// Whole files as the user's documents: read up to a size limit, written so
// that a failed write leaves no partial file behind.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace tesvik {

enum class FileProblem {
  Unreadable,  // missing, a directory, no permission, a read error
  TooLarge,    // larger than the limit
};

// The whole file of at most `limit` bytes.
std::variant<std::string, FileProblem> read_whole_file(const std::string& path, std::size_t limit);

// Writes bytes to a temporary file beside `path` and renames it over
// `path`; false, with the temporary file removed, when any step fails.
bool write_whole_file(const std::string& path, std::string_view bytes);

}  // namespace tesvik
