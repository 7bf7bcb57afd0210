// Copy, complement copy and prize check of the front-three/four/five pages.

#include <gtest/gtest.h>

#include "app/app.h"
#include "recording_port.h"

namespace tesvik {
namespace {

using Events = std::vector<std::string>;

class CopyAndPrize : public ::testing::Test {
 protected:
  void SetUp() override { app.start_without_window(); }
  void click(Ctl a, int i) { app.click({a, i}); }
  // Front three keeping only the picks of the base text.
  void keep_only(std::string base) {
    app.set_text({Ctl::T_nei_txt_ip, 7}, std::move(base));
    click(Ctl::C_jg_gn, 0);
    port.events.clear();
  }
  void prize(int box, std::string text) {
    app.set_text({Ctl::T_duijiang, box}, std::move(text));
    click(Ctl::C_jg_gn, 13 + box);
  }

  testing::RecordingPort port;
  App app{port};
};

TEST_F(CopyAndPrize, CopyJoinsLinesWithTheSeparatorReadAtCopyTime) {
  keep_only("010203\r\n100908");
  click(Ctl::C_jg_gn, 1);
  EXPECT_EQ(port.events, (Events{"clipboard 01 02 03\r\n10 09 08", "tip 复制成功"}));
  click(Ctl::C_n_xuan_1, 6);
  click(Ctl::C_jg_gn, 1);
  EXPECT_EQ(port.clipboard, "010203\r\n100908");
  app.panel().n_xuan_1[4].colour = kKeep;
  app.panel().n_xuan_1[5].colour = kKeep;
  click(Ctl::C_jg_gn, 1);
  EXPECT_EQ(port.clipboard, "01,02,03\r\n10,09,08");
  EXPECT_EQ(app.panel().list_jg[0].rows[0], "01 02 03");  // the list keeps the form of its run
}

TEST_F(CopyAndPrize, ComplementCopy) {
  keep_only("");
  click(Ctl::C_jg_gn, 2);
  EXPECT_EQ(port.events, Events{"message 温馨提示 反选是0注，请重新设置后缩水"});
  port.events.clear();
  app.set_text({Ctl::Comb_jg_rc, 0}, "1");
  app.set_text({Ctl::Comb_jg_rc, 1}, "1");
  click(Ctl::C_jg_gn, 0);
  click(Ctl::C_jg_gn, 1);
  EXPECT_EQ(port.events, Events{"message 温馨提示 反选是0注，请重新设置后缩水"});
  port.events.clear();
  click(Ctl::C_jg_gn, 2);
  ASSERT_EQ(port.events.size(), 2u);
  EXPECT_EQ(port.events[1], "tip 反集复制成功");
  EXPECT_EQ(port.clipboard.size(), 720 * 8 + 719 * 2);
}

TEST_F(CopyAndPrize, CopyBeforeAnyRunTakesTheWholeUniverse) {
  click(Ctl::C_jg_gn, 11);
  EXPECT_EQ(port.clipboard.size(), 30240u * 14 + 30239 * 2);
  EXPECT_EQ(port.clipboard.substr(0, 16), "01 02 03 04 05\r\n");
  click(Ctl::C_jg_gn, 7);
  EXPECT_EQ(port.events.back(), "message 温馨提示 反选是0注，请重新设置后缩水");
}

TEST_F(CopyAndPrize, BusyClipboardIsRetriedUpToAHundredTimes) {
  keep_only("010203");
  port.clipboard_locks = 99;
  click(Ctl::C_jg_gn, 1);
  EXPECT_EQ(port.events, (Events{"clipboard 01 02 03", "tip 复制成功"}));
  port.events.clear();
  port.clipboard_locks = 100;
  port.clipboard_attempts = 0;
  click(Ctl::C_jg_gn, 1);
  EXPECT_EQ(port.events, Events{"message 错误提示 本次复制出现错误，请再次复制！"});
  EXPECT_EQ(port.clipboard_attempts, 100);
}

TEST_F(CopyAndPrize, PrizeCheckMessagesInOrder) {
  prize(1, "380");
  EXPECT_EQ(port.events.back(), "message 温馨提示 大底为空，请先过滤");
  prize(1, "10");
  EXPECT_EQ(port.events.back(), "message 温馨提示 输入奖号格式不对，请检查");
  keep_only("030810");
  EXPECT_EQ(app.panel().duijiang[1], "");  // a run empties the prize inputs
  prize(1, "3 8,0");
  EXPECT_EQ(port.events.back(), "message 温馨提示 恭喜，找到号码！");
  prize(1, "830");
  EXPECT_EQ(port.events.back(), "message 温馨提示 没有找到");
  prize(1, "112");
  EXPECT_EQ(port.events.back(), "message 温馨提示 没有找到");
  prize(1, "1105");
  EXPECT_EQ(port.events.back(), "message 温馨提示 输入奖号格式不对，请检查");
  prize(2, "1234");  // front four before its first run
  EXPECT_EQ(port.events.back(), "message 温馨提示 大底为空，请先过滤");
  click(Ctl::C_jg_gn, 10);
  prize(3, "09876");
  EXPECT_EQ(port.events.back(), "message 温馨提示 恭喜，找到号码！");
  click(Ctl::C_jg_gn, 3);  // a page clear resets the count the check reads
  prize(1, "380");
  EXPECT_EQ(port.events.back(), "message 温馨提示 大底为空，请先过滤");
}

}  // namespace
}  // namespace tesvik
