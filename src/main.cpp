#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/batch/batch_runner.h"
#include "app/net/qt_network.h"
#include "app/notice/notice_config.h"
#include "app/window/window_main.h"
#include "command_line_text.h"

namespace {

int usage_error(std::string_view problem) {
  std::cerr << "tesvik: " << problem << '\n' << tesvik::kUsageLine;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::optional<std::string> notice_server;
  if (!tesvik::take_notice_server_option(argc, argv, notice_server))
    return usage_error("--notice-server needs a value");
  const std::string_view first = argc >= 2 ? argv[1] : "";
  if (first == "--help" || first == "-h") return tesvik::print_help(std::cout) ? 0 : 1;
  if (first == "--version") return tesvik::print_version(std::cout) ? 0 : 1;
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
