// The browser edition's batch runner, run by Node: `tesvik-batch.js --batch
// [FILE]` reads and writes the files of the machine it runs on. It has no
// network ports, so `network` runs as an offline build's does.

#include <iostream>
#include <string_view>

#include "app/batch/batch_runner.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::string_view first = argc >= 2 ? argv[1] : "";
  if (first != "--batch" || argc > 3) {
    std::cerr << "usage: tesvik-batch --batch [FILE]\n";
    return 2;
  }
  const tesvik::NoticeConfig offline;
  if (argc < 3 || std::string_view(argv[2]) == "-") return tesvik::run_batch(std::cin, std::cout, std::cerr, offline);
  return tesvik::run_batch_file(argv[2], std::cout, std::cerr, offline, {});
}
