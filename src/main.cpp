#include <fstream>
#include <iostream>
#include <string_view>

#include "app/batch/batch_runner.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc >= 2 && std::string_view(argv[1]) == "--batch") {
    if (argc < 3 || std::string_view(argv[2]) == "-") return tesvik::run_batch(std::cin, std::cout, std::cerr);
    std::ifstream file(argv[2], std::ios::binary);
    if (!file) {
      std::cerr << "cannot open " << argv[2] << "\n";
      return 2;
    }
    return tesvik::run_batch(file, std::cout, std::cerr);
  }
  std::cerr << "tesvik: the window is not built yet; run a script with --batch FILE\n";
  return 1;
}
