// Any text in any condition box of any page, read by that page's run: the
// first byte picks the page, the second the box, the rest is the text. The
// text is also pasted (front six) or added as a compound line where the page
// has such a button.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/control_table.h"
#include "app/front_six/front6_page_table.h"
#include "app/pages/page_tables.h"
#include "quiet_app.h"

namespace {

using tesvik::Ctl;

int slots(Ctl array) { return static_cast<int>(tesvik::slot_count(array)); }

tesvik::ControlRef condition_page_box(int n) {
  for (Ctl array : {Ctl::T_nei_txt_ip, Ctl::Comb_rc}) {
    if (n < slots(array)) return {array, n};
    n -= slots(array);
  }
  return {Ctl::Comb_jg_rc, n};
}

// The button that adds a compound line on the page, where it has one.
std::optional<tesvik::ControlRef> add_compound(const tesvik::PageTable& page) {
  for (const tesvik::Block& b : page.blocks) {
    if (b.add_button >= 0) return tesvik::ControlRef{Ctl::C_jg_gn, b.add_button};
    if (b.compound_list) return tesvik::ControlRef{Ctl::C_q3_nei, tesvik::kCompoundAdd};
  }
  return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tesvik::fuzz::FuzzBytes bytes(data, size);
  const int page = bytes.pick(4);
  const int box = bytes.pick(slots(Ctl::T_nei_txt_ip) + slots(Ctl::Comb_rc) + slots(Ctl::Comb_jg_rc));
  const std::string text = bytes.rest();
  tesvik::fuzz::QuietApp quiet;
  tesvik::App& app = quiet.app;
  app.click({Ctl::C_ding, page});
  if (page < static_cast<int>(tesvik::page_tables().size())) {
    const tesvik::PageTable& table = tesvik::page_tables()[static_cast<std::size_t>(page)];
    app.set_text(condition_page_box(box), text);
    if (const auto add = add_compound(table)) app.click(*add);
    app.click({Ctl::C_jg_gn, tesvik::mode_info(table.mode).first_function});
  } else {
    app.set_text({Ctl::T_q6, box % slots(Ctl::T_q6)}, text);
    quiet.port.put_clipboard(text);
    app.click({Ctl::C_q6_gn, tesvik::kQ6PasteKill});
    app.click({Ctl::C_q6_gn, tesvik::kQ6PasteBase});
    app.click({Ctl::C_q6_gn, tesvik::kQ6AddCompound});
    app.click({Ctl::C_q6_gn, tesvik::kQ6Run});
  }
  return 0;
}
