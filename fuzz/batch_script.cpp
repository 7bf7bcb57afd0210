// The batch runner's script reader and every command it runs, on any bytes.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/batch/batch_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  tesvik::run_batch(script, out, err, tesvik::NoticeConfig{});
  return 0;
}
