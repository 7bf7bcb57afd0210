// The kill list of front four read from text as typed: commas count as
// blanks and blank runs as one, both for the parts of a line and for the
// length from which the list counts as given (more than seven characters).

#include <gtest/gtest.h>

#include "app/app.h"
#include "recording_port.h"

namespace tesvik {
namespace {

class KillList4x : public ::testing::Test {
 protected:
  void SetUp() override { app.start_without_window(); }
  std::string kept_with(std::string list) {
    app.set_text({Ctl::T_nei_txt_ip, 8}, std::move(list));
    app.click({Ctl::C_jg_gn, 5});
    return app.panel().zhushu[1].label.caption;
  }

  testing::RecordingPort port;
  App app{port};
};

TEST_F(KillList4x, BlankRunsAndCommasReadAsOneBlank) {
  EXPECT_EQ(kept_with("1,,2,,3,,4"), "5040");                                  // "1 2 3 4": seven characters, not given
  EXPECT_EQ(kept_with("1,,2,,3,,10"), "5039");                                 // "1 2 3 10": eight
  EXPECT_EQ(kept_with("1 ,2  3,, 10"), "5039");                                // mixed runs
  EXPECT_EQ(kept_with("01 02 03 04\r\n  05  06 07 08 \r\n09,10,01"), "5038");  // the short line names none
  EXPECT_EQ(kept_with("一二三四五六七八"), "5040");                            // eight characters, no line of numbers
  EXPECT_EQ(kept_with("一 1 2 3 4"), "5040");  // a part that is no number spoils its line
}

}  // namespace
}  // namespace tesvik
