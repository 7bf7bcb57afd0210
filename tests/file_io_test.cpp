// Files the page tools write and read: a write lands on a regular file only
// (a link's target, never a FIFO or device), keeps the file's permissions and
// leaves no temporary file; a read refuses anything but a regular file
// without waiting.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "support/file_io.h"

namespace tesvik {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tesvik-file-io-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string path(const std::string& name) const { return (dir / name).string(); }
  static std::string contents(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static mode_t bits(const std::string& p) {
    struct stat info {};
    ::stat(p.c_str(), &info);
    return info.st_mode & 07777;
  }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }

  fs::path dir;
};

TEST_F(FileIo, WritesFollowLinksAndKeepPermissions) {
  const mode_t old_mask = ::umask(027);
  EXPECT_TRUE(write_whole_file(path("new.txt"), "a"));
  EXPECT_EQ(bits(path("new.txt")), 0640u);
  ::umask(old_mask);

  std::ofstream(path("private.txt")) << "old";
  ::chmod(path("private.txt").c_str(), 0600);
  EXPECT_TRUE(write_whole_file(path("private.txt"), "new"));
  EXPECT_EQ(contents(path("private.txt")), "new");
  EXPECT_EQ(bits(path("private.txt")), 0600u);

  // A relative link, and a link to a link whose end does not exist yet.
  fs::create_symlink("private.txt", dir / "link");
  EXPECT_TRUE(write_whole_file(path("link"), "through"));
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
  EXPECT_EQ(contents(path("private.txt")), "through");
  fs::create_symlink(dir / "later.txt", dir / "dangling");
  fs::create_symlink("dangling", dir / "chain");
  EXPECT_TRUE(write_whole_file(path("chain"), "made"));
  EXPECT_TRUE(fs::is_symlink(dir / "chain") && fs::is_symlink(dir / "dangling"));
  EXPECT_EQ(contents(path("later.txt")), "made");
  // A loop of links is refused.
  fs::create_symlink("loop2", dir / "loop1");
  fs::create_symlink("loop1", dir / "loop2");
  EXPECT_FALSE(write_whole_file(path("loop1"), "x"));
  EXPECT_EQ(entries(), 8u);
}

TEST_F(FileIo, WritesRefuseWhatIsNotARegularFileAndLeaveNoTemporary) {
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
  fs::create_directory(dir / "folder");
  EXPECT_FALSE(write_whole_file(path("fifo"), "x"));
  EXPECT_FALSE(write_whole_file(path("folder"), "x"));
  EXPECT_FALSE(write_whole_file(path("missing/file"), "x"));
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  // A character device (only root may make one) stays what it was.
  if (::mknod(path("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    EXPECT_FALSE(write_whole_file(path("device"), "x"));
    EXPECT_TRUE(fs::is_character_file(dir / "device"));
    fs::create_symlink("device", dir / "to-device");
    EXPECT_FALSE(write_whole_file(path("to-device"), "x"));
    EXPECT_TRUE(fs::is_character_file(dir / "device"));
    fs::remove(dir / "device");
    fs::remove(dir / "to-device");
  }
  EXPECT_EQ(entries(), 2u);
  // An orphan of a killed write is replaced by the next write of that file.
  std::ofstream(path(".picks.txt.tesvik-tmp")) << "half";
  EXPECT_TRUE(write_whole_file(path("picks.txt"), "whole"));
  EXPECT_EQ(contents(path("picks.txt")), "whole");
  EXPECT_EQ(entries(), 3u);
}

TEST_F(FileIo, ReadsRefuseFifosAndDevicesAtOnce) {
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(std::get<FileProblem>(read_whole_file(path("fifo"), 100)), FileProblem::Unreadable);
  EXPECT_EQ(std::get<FileProblem>(read_whole_file("/dev/zero", 100)), FileProblem::Unreadable);
  EXPECT_EQ(std::get<FileProblem>(read_whole_file(dir.string(), 100)), FileProblem::Unreadable);
  EXPECT_EQ(std::get<FileProblem>(read_whole_file(path("missing"), 100)), FileProblem::Unreadable);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  std::ofstream(path("text")) << "12345";
  EXPECT_EQ(std::get<std::string>(read_whole_file(path("text"), 5)), "12345");
  EXPECT_EQ(std::get<FileProblem>(read_whole_file(path("text"), 4)), FileProblem::TooLarge);
}

}  // namespace
}  // namespace tesvik
