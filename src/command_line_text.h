#pragma once
// The texts of the command line that both the starter and the program print.

#include <ostream>

#include "build_config.h"

namespace tesvik {

inline constexpr const char* kUsageLine =
    "usage: tesvik [--notice-server PRIMARY[,SECONDARY]] [--batch [FILE] | --screenshot DIR | --version | --help]\n";

inline constexpr const char* kOptions =
    "\n"
    "  --batch [FILE]          run the script FILE (standard input when - or absent) without a window\n"
    "  --screenshot DIR        write the four pages of the window to DIR/page-0.png .. page-3.png\n"
    "  --notice-server URLS    notice servers PRIMARY[,SECONDARY] (base URLs ending in /; empty: offline)\n"
    "  --version               print the version\n"
    "  --help                  print this help\n";

inline bool print_version(std::ostream& out) {
  out << "tesvik " << build_config::kVersion << '\n';
  return static_cast<bool>(out.flush());
}

inline bool print_help(std::ostream& out) {
  out << kUsageLine << kOptions;
  return static_cast<bool>(out.flush());
}

}  // namespace tesvik
