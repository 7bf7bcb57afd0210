// Any text typed or pasted into the prize box of any page, checked against
// a run that kept every pick: the first byte picks the page and whether the
// text is typed through the key filter or pasted.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/front_six/front6_page_table.h"
#include "app/pages/mode_table.h"
#include "quiet_app.h"

namespace {

using tesvik::Ctl;

// One application for all inputs: each page has run once with no
// condition, and each input only rewrites a prize box and checks it.
tesvik::fuzz::QuietApp& started() {
  static tesvik::fuzz::QuietApp* quiet = [] {
    auto* q = new tesvik::fuzz::QuietApp;
    for (const tesvik::ModeInfo& m : tesvik::kModeTable) q->app.click({Ctl::C_jg_gn, m.first_function});
    q->app.click({Ctl::C_q6_gn, tesvik::kQ6Run});
    return q;
  }();
  return *quiet;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tesvik::fuzz::FuzzBytes bytes(data, size);
  const int choice = bytes.pick(8);
  const int page = choice % 4;
  const bool typed = choice >= 4;
  const std::string text = bytes.rest();
  tesvik::App& app = started().app;
  const bool six = page == static_cast<int>(tesvik::kModeTable.size());
  const tesvik::ModeInfo* mode = six ? nullptr : &tesvik::kModeTable[static_cast<std::size_t>(page)];
  const tesvik::ControlRef box =
      six ? tesvik::ControlRef{Ctl::T_q6, tesvik::kQ6PrizeBox} : tesvik::ControlRef{Ctl::T_duijiang, mode->prize_box};
  app.set_text(box, typed ? std::string() : text);
  if (typed) app.type_text(box, text);
  app.click(six ? tesvik::ControlRef{Ctl::C_q6_gn, tesvik::kQ6Prize}
                : tesvik::ControlRef{Ctl::C_jg_gn, mode->prize_button});
  return 0;
}
