// The App's events on every control of every kind, as a page's script may
// send them without the batch runner's checks: clicks, double clicks,
// hovers, pastes, typing, edits far past the text and row selections, on
// every index including ones the array does not have. Nothing may crash or
// read out of bounds (the sanitizers watch), and the program keeps working.

#include <gtest/gtest.h>

#include <climits>

#include "app/app.h"
#include "app/control_table.h"
#include "recording_port.h"

namespace tesvik {
namespace {

// Every index an array has, and the ones just outside it.
std::vector<int> probed_indices(const ControlArray& a) {
  std::vector<int> out = {-1, INT_MIN, INT_MAX};
  if (!a.indexed()) return {0, -1, 1};
  for (const IndexRange& r : a.indices) {
    for (int i = r.first; i <= r.last; ++i) out.push_back(i);
    out.push_back(r.last + 1);
  }
  return out;
}

TEST(AppProbe, EveryEventOnEveryControlLeavesAWorkingProgram) {
  testing::RecordingPort port;
  App app{port};
  app.start_without_window();
  for (const ControlArray& a : control_arrays()) {
    for (const int index : probed_indices(a)) {
      const ControlRef c{a.ctl, index};
      SCOPED_TRACE(std::string(a.name) + " " + std::to_string(index));
      port.answers = {false, false};  // the close question and any other stay answered no
      app.hover(c);
      app.double_click(c);
      app.set_text(c, "1 2 3\r\n01/02/03");
      app.type_text(c, "7\xE4\xB8\x80");
      app.replace_text(c, 3, 1000, "x");
      app.replace_text(c, std::string::npos, 1, "y");
      app.select_row(c, 5);
      app.select_row(c, -7);
      if (a.ctl != Ctl::C1) app.click(c);  // C1 only takes the focus
      app.advance_time(700);
      ASSERT_FALSE(app.ended());
    }
  }
  app.scroll_viewer(INT_MIN);
  app.scroll_viewer(INT_MAX);
  // Still a working program: front three runs and counts.
  port.answers.clear();
  app.click({Ctl::C_ding, 0});
  app.click({Ctl::C_jg_gn, 3});
  app.click({Ctl::C_jg_gn, 0});
  EXPECT_EQ(app.kept_count(Mode::Three), 720);
  EXPECT_GT(port.events.size(), 100u);
}

}  // namespace
}  // namespace tesvik
