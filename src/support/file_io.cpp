#include "support/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <vector>

namespace tesvik {

namespace {

// Closes the descriptor when it goes out of scope.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string directory_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
}

// The path that a write to `path` lands on: symbolic links followed, also
// one whose target does not exist yet. Nothing when the chain is too long
// (a loop) or a link cannot be read.
std::optional<std::string> write_target(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::vector<char> link(PATH_MAX + 1);
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return std::nullopt;
    std::string target(link.data(), static_cast<std::size_t>(n));
    path = target.front() == '/' ? std::move(target) : directory_of(path) + target;
  }
  return std::nullopt;
}

// `.NAME.tesvik-tmp` in the file's folder: one fixed name per target, so that
// an orphan left by a killed write is found and replaced.
std::string temporary_of(const std::string& path) {
  const std::string dir = directory_of(path);
  return dir + "." + path.substr(dir.size()) + ".tesvik-tmp";
}

}  // namespace

std::variant<std::string, FileProblem> read_whole_file(const std::string& path, std::size_t limit) {
  // A FIFO or device is refused before it is opened: opening either may wait
  // or have effects of its own.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return FileProblem::Unreadable;
  Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
  // The path may have been replaced since the look above.
  if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return FileProblem::Unreadable;
  if (static_cast<std::size_t>(info.st_size) > limit) return FileProblem::TooLarge;
  std::string bytes;
  std::vector<char> chunk(1 << 16);
  while (true) {
    const ssize_t n = ::read(file.fd, chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileProblem::Unreadable;
    if (n == 0) return bytes;
    // The file may grow while it is read.
    if (bytes.size() + static_cast<std::size_t>(n) > limit) return FileProblem::TooLarge;
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
}

bool write_whole_file(const std::string& path, std::string_view bytes) {
  const std::optional<std::string> target = write_target(path);
  if (!target || target->empty() || target->back() == '/') return false;
  struct stat existing {};
  const bool exists = ::stat(target->c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return false;
  if (!exists && errno != ENOENT) return false;

  const std::string temporary = temporary_of(*target);
  ::unlink(temporary.c_str());  // an orphan of an earlier, killed write
  // A new file's bits come from the umask through open; an existing file's
  // are copied once the bytes are in.
  Descriptor file{::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666)};
  if (file.fd < 0) return false;
  bool written = write_all(file.fd, bytes);
  if (written && exists) {
    // Ownership is kept where this user may give it; the bits always are.
    [[maybe_unused]] const int owned = ::fchown(file.fd, existing.st_uid, existing.st_gid);
    written = ::fchmod(file.fd, existing.st_mode & 07777) == 0;
  }
  written = written && ::fsync(file.fd) == 0;
  const bool closed = ::close(file.fd) == 0;
  file.fd = -1;
  if (written && closed && std::rename(temporary.c_str(), target->c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace tesvik
