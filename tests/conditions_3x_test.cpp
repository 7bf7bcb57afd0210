// Front-three runs through the application where the panel's own actions
// take part: a compound line added by the buttons and the positional pair
// boxes that a run writes back cleaned. What each condition keeps is checked
// against brute force in conditions_3x_brute_test.cpp.

#include <gtest/gtest.h>

#include "app/app.h"
#include "recording_port.h"

namespace tesvik {
namespace {

class FrontThree : public ::testing::Test {
 protected:
  void SetUp() override { app.start_without_window(); }
  void box(int i, std::string text) { app.set_text({Ctl::T_nei_txt_ip, i}, std::move(text)); }
  std::size_t run() {
    app.click({Ctl::C_jg_gn, 0});
    return app.panel().list_jg[0].rows.size();
  }

  testing::RecordingPort port;
  App app{port};
};

TEST_F(FrontThree, CompoundLineAddedByTheButtonsIsRead) {
  for (int i : {115, 126, 137}) app.click({Ctl::C_annv, i});  // 01 / 02 / 03
  app.click({Ctl::C_q3_nei, 2});
  EXPECT_EQ(run(), 719u);
  app.set_text({Ctl::Comb_rc, 6}, "1");
  app.set_text({Ctl::Comb_rc, 7}, "1");
  EXPECT_EQ(run(), 1u);
  EXPECT_EQ(app.panel().list_jg[0].rows, std::vector<std::string>{"01 02 03"});
}

TEST_F(FrontThree, PositionalPairBoxesAreWrittenBackCleaned) {
  box(4, "12,,34   5a");
  EXPECT_EQ(run(), 720u - 8 - 8);
  EXPECT_EQ(app.panel().txt_ip[4], "12 34  5");  // one pass of double blanks only
  box(5, "x");
  run();
  EXPECT_EQ(app.panel().txt_ip[5], "");
}

}  // namespace
}  // namespace tesvik
