#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/batch/batch_runner.h"
#include "app/net/qt_network.h"
#include "app/notice/notice_config.h"
#include "app/window/window_main.h"
#include "build_config.h"

namespace {

constexpr const char* kUsageLine =
    "usage: tesvik [--notice-server PRIMARY[,SECONDARY]] [--batch [FILE] | --screenshot DIR | --version | --help]\n";

constexpr const char* kOptions =
    "\n"
    "  --batch [FILE]          run the script FILE (standard input when - or absent) without a window\n"
    "  --screenshot DIR        write the four pages of the window to DIR/page-0.png .. page-3.png\n"
    "  --notice-server URLS    notice servers PRIMARY[,SECONDARY] (base URLs ending in /; empty: offline)\n"
    "  --version               print the version\n"
    "  --help                  print this help\n";

int usage_error(std::string_view problem) {
  std::cerr << "tesvik: " << problem << '\n' << kUsageLine;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::optional<std::string> notice_server;
  if (!tesvik::take_notice_server_option(argc, argv, notice_server))
    return usage_error("--notice-server needs a value");
  const std::string_view first = argc >= 2 ? argv[1] : "";
  if (first == "--help" || first == "-h") {
    std::cout << kUsageLine << kOptions;
    return std::cout.flush() ? 0 : 1;
  }
  if (first == "--version") {
    std::cout << "tesvik " << tesvik::build_config::kVersion << '\n';
    return std::cout.flush() ? 0 : 1;
  }
  const tesvik::NoticeConfig notice = tesvik::notice_config(notice_server);
  if (first == "--batch") {
    if (argc > 3) return usage_error("--batch takes one FILE");
    if (argc < 3 || std::string_view(argv[2]) == "-")
      return tesvik::run_batch(std::cin, std::cout, std::cerr, notice, tesvik::blocking_network_ports);
    return tesvik::run_batch_file(argv[2], std::cout, std::cerr, notice, tesvik::blocking_network_ports);
  }
  if (first == "--screenshot") {
    if (argc != 3) return usage_error("--screenshot takes one DIR");
    return tesvik::take_screenshots(argc, argv, argv[2]);
  }
  if (argc >= 2) return usage_error("unknown option " + std::string(first));
  return tesvik::run_window(argc, argv, notice);
}
