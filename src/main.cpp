#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/batch/batch_runner.h"
#include "app/notice_config.h"
#include "app/window/window_main.h"

namespace {

constexpr const char* kUsage =
    "usage: tesvik [--notice-server PRIMARY[,SECONDARY]] [--batch [FILE] | --screenshot DIR | --help]\n"
    "\n"
    "  --batch [FILE]       run the script FILE (standard input when FILE is - or absent) without a window\n"
    "  --screenshot DIR     write the four pages of the window to DIR/page-0.png .. page-3.png\n"
    "  --notice-server PRIMARY[,SECONDARY]\n"
    "                       base URLs (ending in /) of the notice servers that the start-up reads\n"
    "                       pk10.txt from and reports ip.asp to; an empty value works offline.\n"
    "                       Without it TESVIK_NOTICE_SERVER (same form) is read, else the build's.\n"
    "  --help               this text\n";

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::optional<std::string> notice_server;
  if (!tesvik::take_notice_server_option(argc, argv, notice_server)) {
    std::cerr << "--notice-server needs a value\n" << kUsage;
    return 2;
  }
  const tesvik::NoticeConfig notice = tesvik::notice_config(notice_server);
  const std::string_view first = argc >= 2 ? argv[1] : "";
  if (first == "--help" || first == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (first == "--batch") {
    if (argc < 3 || std::string_view(argv[2]) == "-") return tesvik::run_batch(std::cin, std::cout, std::cerr, notice);
    std::ifstream file(argv[2], std::ios::binary);
    if (!file) {
      std::cerr << "cannot open " << argv[2] << "\n";
      return 2;
    }
    return tesvik::run_batch(file, std::cout, std::cerr, notice);
  }
  if (first == "--screenshot") {
    if (argc < 3) {
      std::cerr << "usage: tesvik --screenshot DIR\n";
      return 2;
    }
    return tesvik::take_screenshots(argc, argv, argv[2]);
  }
  return tesvik::run_window(argc, argv, notice);
}
