// Front-three runs through the application: each condition alone, with its
// own range, and combined under the overall tolerance.

#include <gtest/gtest.h>

#include "app/app.h"
#include "recording_port.h"

namespace tesvik {
namespace {

class FrontThree : public ::testing::Test {
 protected:
  void SetUp() override { app.start_without_window(); }
  void kill(std::initializer_list<int> buttons) {
    for (int i : buttons) app.click({Ctl::C_annv, i});
  }
  void keep(std::initializer_list<int> buttons) {
    for (int i : buttons) app.click({Ctl::C_annv_chu, i});
  }
  void box(int i, std::string text) { app.set_text({Ctl::T_nei_txt_ip, i}, std::move(text)); }
  void range(int lower, std::string lo, std::string hi) {
    app.set_text({Ctl::Comb_rc, lower}, std::move(lo));
    app.set_text({Ctl::Comb_rc, lower + 1}, std::move(hi));
  }
  void overall(std::string lo, std::string hi) {
    app.set_text({Ctl::Comb_jg_rc, 0}, std::move(lo));
    app.set_text({Ctl::Comb_jg_rc, 1}, std::move(hi));
  }
  int run() {
    app.click({Ctl::C_jg_gn, 0});
    return app.engine().matrix(Mode::Three).kept_count();
  }
  void clear() { app.click({Ctl::C_jg_gn, 3}); }
  const std::vector<std::string>& kept() const { return app.panel().list_jg[0].rows; }

  testing::RecordingPort port;
  App app{port};
};

TEST_F(FrontThree, KillExactReadsPickLinesAnywhereInTheText) {
  box(0, "01 02 03");
  EXPECT_EQ(run(), 719);
  box(0, "01,02,03");
  EXPECT_EQ(run(), 719);
  box(0, "010203");
  EXPECT_EQ(run(), 720);
  box(0, "101 02 03\r\n04   05 ,06");  // runs of blanks and commas read as one blank
  EXPECT_EQ(run(), 718);
  box(0, "01 02 03 04");  // two picks: 01 02 03 and 02 03 04
  EXPECT_EQ(run(), 718);
  box(0, "01 01 02 ");  // longer than five characters, but no pick
  EXPECT_EQ(run(), 720);
}

TEST_F(FrontThree, BaseListIntersectsWithTheConditions) {
  box(7, "010203");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(kept(), std::vector<std::string>{"01 02 03"});
  box(7, " 01，02, 03\r\n0405 06 ");
  EXPECT_EQ(run(), 2);
  box(7, "01020");  // fewer than six characters: ignored
  EXPECT_EQ(run(), 720);
  box(7, "010203\r\n040506");
  kill({45});  // 通杀码 01
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(kept(), std::vector<std::string>{"04 05 06"});
  overall("1", "1");  // outside the base stays removed whatever the range
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(kept(), std::vector<std::string>{"01 02 03"});
  overall("0", "20");
  EXPECT_EQ(run(), 2);
}

TEST_F(FrontThree, KillNumbersSpansAndSums) {
  kill({49});  // 05
  EXPECT_EQ(run(), 504);
  overall("1", "1");
  EXPECT_EQ(run(), 216);  // exactly the picks the condition removes
  clear();
  kill({55});  // span 2
  EXPECT_EQ(run(), 672);
  kill({55, 62});  // span 9 instead
  EXPECT_EQ(run(), 720 - 8 * 6);
  clear();
  kill({63, 84});  // sums 6 and 27
  EXPECT_EQ(run(), 708);
}

TEST_F(FrontThree, KillPairsWithTheirRange) {
  kill({0});  // 01 02
  EXPECT_EQ(run(), 672);
  range(0, "1", "2");
  EXPECT_EQ(run(), 48);
  for (const std::string& line : kept()) EXPECT_TRUE(line.find("01") != std::string::npos && line.find("02") != std::string::npos);
  kill({1, 9});  // 01 03 and 02 03: picks of exactly 01 02 03 hold all three pairs
  range(0, "3", "3");
  EXPECT_EQ(run(), 6);
}

TEST_F(FrontThree, PositionalKillAndDanGroups) {
  kill({85, 96});  // 01 first, 02 second
  EXPECT_EQ(run(), 720 - 72 - 72 + 8);
  range(2, "2", "3");
  EXPECT_EQ(run(), 8);
  clear();
  keep({0, 1});  // row 1: 01 02, no count: at least one of them
  EXPECT_EQ(run(), 384);
  keep({12});  // count 2
  EXPECT_EQ(run(), 48);
  keep({14 + 2, 14 + 10});  // row 2: 03 with count 0
  EXPECT_EQ(run(), 48 - 6);
  range(4, "1", "1");  // exactly one row missed
  EXPECT_EQ(run(), 6 + (504 - 42));  // both but 03, or neither row but without 03
}

TEST_F(FrontThree, CompoundListAndPositionalPairs) {
  kill({115, 126, 137});
  app.click({Ctl::C_q3_nei, 2});
  EXPECT_EQ(run(), 719);
  range(6, "1", "1");
  EXPECT_EQ(run(), 1);
  clear();
  box(1, "12");
  EXPECT_EQ(run(), 8);
  box(1, "125");  // names 12 and 25
  EXPECT_EQ(run(), 16);
  box(1, "12");
  box(2, "13 14");
  range(8, "0", "1");  // may miss one of the two boxes
  EXPECT_EQ(run(), 8 + 16 - 2);
  clear();
  box(4, "12,,34   5a");
  EXPECT_EQ(run(), 720 - 8 - 8);
  EXPECT_EQ(app.panel().txt_ip[4], "12 34  5");  // cleaned box is written back
  box(5, "x");
  run();
  EXPECT_EQ(app.panel().txt_ip[5], "");
}

TEST_F(FrontThree, FormsAndCounts) {
  kill({145});  // 大大大
  EXPECT_EQ(run(), 660);
  kill({145, 169});  // route 000 instead
  EXPECT_EQ(run(), 714);
  kill({149, 161});  // and 小小小, 质质质
  range(12, "0", "0");
  const int both = run();
  EXPECT_EQ(both, 720 - (60 + 60 + 6 - 24));  // small and prime share 01 02 03 05
  clear();
  keep({56});  // no odd number
  EXPECT_EQ(run(), 60);
  keep({56, 59, 60});  // three odd ones and no big one: 01 03 05
  EXPECT_EQ(run(), 6);
  keep({60, 63});  // three big ones: only 07 and 09 are odd and big
  EXPECT_EQ(run(), 0);
}

TEST_F(FrontThree, PairDigitsInBothModes) {
  keep({77});  // difference 9
  EXPECT_EQ(run(), 48);
  app.click({Ctl::C_n_xuan_1, 1});
  EXPECT_EQ(app.panel().annv_chu[77].colour, kNeutral);
  keep({77});
  EXPECT_EQ(run(), 672);
  app.click({Ctl::C_cls, 27});
  for (int digit : {0, 3, 7}) {
    app.click({Ctl::C_n_xuan_1, 2});
    keep({78 + digit});
    const int keep_mode = run();
    app.click({Ctl::C_n_xuan_1, 3});
    keep({78 + digit});
    EXPECT_EQ(keep_mode + run(), 720) << digit;
  }
}

TEST_F(FrontThree, SmallestLargestAndShapes) {
  keep({95, 96});  // smallest 08, largest 03
  EXPECT_EQ(run(), 0);
  clear();
  keep({88});  // smallest 01
  EXPECT_EQ(run(), 216);
  keep({103});  // and largest 10
  EXPECT_EQ(run(), 48);
  clear();
  kill({201});  // 凸型
  EXPECT_EQ(run(), 480);
  for (const std::string& l : kept()) EXPECT_FALSE(l.substr(3, 2) > l.substr(0, 2) && l.substr(3, 2) > l.substr(6, 2)) << l;
  kill({198, 199});  // 3连 and 上山 as well
  EXPECT_EQ(run(), 480 - 120 - (48 - 16 - 8));  // 上山 and the 3连 picks neither 凸 nor 上山
  clear();
  kill({196, 197, 198});  // every run class
  EXPECT_EQ(run(), 0);
}

TEST_F(FrontThree, EveryConditionTogetherCountsOncePerColumn) {
  box(0, "10 09 08");
  kill({44, 45, 55, 84, 85, 160, 196});
  keep({0, 60, 68, 88});
  box(3, "23");
  overall("0", "16");
  EXPECT_EQ(run(), 720);
  overall("17", "20");
  EXPECT_EQ(run(), 0);
}

}  // namespace
}  // namespace tesvik
