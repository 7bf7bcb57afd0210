// Any bytes as the past draws of a history check, against a run of each
// page that kept some picks and removed others, so that both the kept and
// the failed conditions of a draw are looked up.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/front_six/front6_page_table.h"
#include "app/pages/mode_table.h"
#include "quiet_app.h"

namespace {

using tesvik::Ctl;

// The kill-number buttons of front three, four and five that the golden
// scripts use (05, 05 and 10), one a page.
constexpr int kKillButton[] = {49, 203, 464};

// Each page has run with one number killed, so that draws land on both
// sides of the run.
tesvik::fuzz::QuietApp& started() {
  static tesvik::fuzz::QuietApp* quiet = [] {
    auto* q = new tesvik::fuzz::QuietApp;
    tesvik::App& app = q->app;
    for (std::size_t page = 0; page < tesvik::kModeTable.size(); ++page) {
      app.click({Ctl::C_ding, static_cast<int>(page)});
      app.click({Ctl::C_annv, kKillButton[page]});
      app.click({Ctl::C_jg_gn, tesvik::kModeTable[page].first_function});
    }
    app.click({Ctl::C_q6, 5});
    app.click({Ctl::C_q6_gn, tesvik::kQ6Run});
    return q;
  }();
  return *quiet;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tesvik::fuzz::FuzzBytes bytes(data, size);
  const auto mode = static_cast<tesvik::Mode>(bytes.pick(4));
  started().app.check_history(mode, bytes.rest());
  return 0;
}
