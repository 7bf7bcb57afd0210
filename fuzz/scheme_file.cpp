// Any bytes as a scheme file of any page: read, and when they read as a
// scheme, loaded into the page, run, saved again and read back. A scheme
// the program writes must always read back as the same entries.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "app/front_six/front6_page_table.h"
#include "app/pages/mode_table.h"
#include "app/tools/page_scheme.h"
#include "app/tools/scheme_file.h"
#include "quiet_app.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesvik;
  static fuzz::QuietApp* quiet = new fuzz::QuietApp;
  fuzz::FuzzBytes bytes(data, size);
  const int page = bytes.pick(4);
  const Mode mode = static_cast<Mode>(page);
  const auto read = read_scheme(bytes.rest(), mode);
  const auto* entries = std::get_if<std::vector<SchemeEntry>>(&read);
  if (!entries) return 0;
  App& app = quiet->app;
  apply_scheme(app, mode, *entries);
  const bool six = page == static_cast<int>(kModeTable.size());
  app.click(six ? ControlRef{Ctl::C_q6_gn, kQ6Run}
                : ControlRef{Ctl::C_jg_gn, kModeTable[static_cast<std::size_t>(page)].first_function});
  const std::string saved = write_scheme(mode, page_scheme(app, mode));
  const auto again = read_scheme(saved, mode);
  if (!std::holds_alternative<std::vector<SchemeEntry>>(again)) std::abort();
  if (write_scheme(mode, std::get<std::vector<SchemeEntry>>(again)) != saved) std::abort();
  return 0;
}
