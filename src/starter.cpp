// `tesvik`: answers --version and --help at once and starts the program
// (tesvik-app) for everything else. The program links Qt, whose libraries
// resolve every symbol when they load; a start that only prints a line need
// not pay for that.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "command_line_text.h"

namespace {

// The folder of this executable, with its trailing '/'; empty when unknown.
std::string own_folder() {
  std::string path(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view only = argc == 2 ? argv[1] : "";
  if (only == "--version") return tesvik::print_version(std::cout) ? 0 : 1;
  if (only == "--help" || only == "-h") return tesvik::print_help(std::cout) ? 0 : 1;
  // The program lies beside the starter in a build tree, and in the
  // libexec folder of an installation. It gets the arguments as they came.
  const std::string folder = own_folder();
  if (!folder.empty())
    for (const std::string& program : {folder + "tesvik-app", folder + TESVIK_APP_FROM_BIN "/tesvik-app"})
      execv(program.c_str(), argv);
  std::cerr << "tesvik: cannot start tesvik-app: " << std::strerror(errno) << '\n';
  return 127;
}
