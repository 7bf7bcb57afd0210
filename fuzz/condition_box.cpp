// Any text in any condition box of any page, read by that page's run: the
// first byte picks the page, the second the box, the rest is the text. The
// text is also pasted (front six) or added as a compound line where the page
// has such a button.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/front_six/front6_page_table.h"
#include "app/pages/mode_table.h"
#include "quiet_app.h"

namespace {

using tesvik::Ctl;

constexpr int kConditionBoxes = 35;  // T_nei_txt_ip 0..34
constexpr int kRangeBoxes = 52;      // Comb_rc 0..51
constexpr int kTotalBoxes = 6;       // Comb_jg_rc 0..5
constexpr int kAddCompound3x = 2;    // C_q3_nei: front three's compound line

tesvik::ControlRef condition_page_box(int n) {
  if (n < kConditionBoxes) return {Ctl::T_nei_txt_ip, n};
  n -= kConditionBoxes;
  if (n < kRangeBoxes) return {Ctl::Comb_rc, n};
  return {Ctl::Comb_jg_rc, n - kRangeBoxes};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tesvik::fuzz::FuzzBytes bytes(data, size);
  const int page = bytes.pick(4);
  const int box = bytes.pick(kConditionBoxes + kRangeBoxes + kTotalBoxes);
  const std::string text = bytes.rest();
  tesvik::fuzz::QuietApp quiet;
  tesvik::App& app = quiet.app;
  app.click({Ctl::C_ding, page});
  if (page < static_cast<int>(tesvik::kModeTable.size())) {
    const tesvik::ModeInfo& mode = tesvik::kModeTable[static_cast<std::size_t>(page)];
    app.set_text(condition_page_box(box), text);
    if (mode.add_compound >= 0) app.click({Ctl::C_jg_gn, mode.add_compound});
    else app.click({Ctl::C_q3_nei, kAddCompound3x});
    app.click({Ctl::C_jg_gn, mode.first_function});
  } else {
    app.set_text({Ctl::T_q6, box % tesvik::kQ6Boxes}, text);
    quiet.port.put_clipboard(text);
    app.click({Ctl::C_q6_gn, tesvik::kQ6PasteKill});
    app.click({Ctl::C_q6_gn, tesvik::kQ6PasteBase});
    app.click({Ctl::C_q6_gn, tesvik::kQ6AddCompound});
    app.click({Ctl::C_q6_gn, tesvik::kQ6Run});
  }
  return 0;
}
