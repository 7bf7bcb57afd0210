#include "support/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

}  // namespace

std::variant<std::string, FileProblem> read_whole_file(const std::string& path, std::size_t limit) {
  Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat info {};
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
  std::string temporary = path + ".XXXXXX";
  Descriptor file{::mkstemp(temporary.data())};
  if (file.fd < 0) return false;
  const bool written = write_all(file.fd, bytes) && ::fchmod(file.fd, 0644) == 0 && ::fsync(file.fd) == 0;
  const bool closed = ::close(file.fd) == 0;
  file.fd = -1;
  if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace tesvik
