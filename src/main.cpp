#include <fstream>
#include <iostream>
#include <string_view>

#include "app/batch/batch_runner.h"
#include "app/window/window_main.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::string_view first = argc >= 2 ? argv[1] : "";
  if (first == "--batch") {
    if (argc < 3 || std::string_view(argv[2]) == "-") return tesvik::run_batch(std::cin, std::cout, std::cerr);
    std::ifstream file(argv[2], std::ios::binary);
    if (!file) {
      std::cerr << "cannot open " << argv[2] << "\n";
      return 2;
    }
    return tesvik::run_batch(file, std::cout, std::cerr);
  }
  if (first == "--screenshot") {
    if (argc < 3) {
      std::cerr << "usage: tesvik --screenshot DIR\n";
      return 2;
    }
    return tesvik::take_screenshots(argc, argv, argv[2]);
  }
  return tesvik::run_window(argc, argv);
}
