// The batch runner's script reader and every command it runs, on any bytes.
// The fuzzer runs as whatever user started it, so the files that scripts
// write stay in a scratch folder: the target works there, and an input that
// would write a file anywhere else (a path with a folder, or an escape that
// could spell one) is skipped.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "app/batch/batch_runner.h"

namespace {

bool writes_outside(std::string_view script) {
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    const bool writes = line.starts_with("scheme-save") || line.starts_with("export");
    if (writes && line.find_first_of("/\\") != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/tesvik-fuzz-XXXXXX";
  if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (writes_outside(text)) return 0;
  std::istringstream script(text);
  std::ostringstream out, err;
  tesvik::run_batch(script, out, err, tesvik::NoticeConfig{});
  return 0;
}
