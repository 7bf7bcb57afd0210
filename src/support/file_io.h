#pragma once
// Whole files as the user's documents: read up to a size limit without ever
// blocking on a FIFO or a device, written so that a failed write leaves no
// partial file behind and replaces nothing but a regular file.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace tesvik {

enum class FileProblem {
  Unreadable,  // missing, not a regular file, no permission, a read error
  TooLarge,    // larger than the limit
};

// The whole regular file of at most `limit` bytes. Anything else (a FIFO, a
// device, a directory) is refused before it is opened for reading, and the
// open itself never waits.
std::variant<std::string, FileProblem> read_whole_file(const std::string& path, std::size_t limit);

// Writes bytes to the temporary file `.NAME.tesvik-tmp` beside the file and
// renames it over the file. A symbolic link is followed and its target
// written; a target that exists and is not a regular file is refused and left
// alone. An existing file keeps its permission bits, a new one gets them from
// the umask. False, with the temporary file removed, when any step fails; a
// temporary file orphaned by a killed write is replaced by the next write.
bool write_whole_file(const std::string& path, std::string_view bytes);

}  // namespace tesvik
