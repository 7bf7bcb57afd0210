// The front-six page's own actions: toggles and clears, clear all, the
// separator, pastes, compound lines, copies, the prize check, the failed run
// and the viewer's first draw.

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/front_six/front6_page_table.h"
#include "app/help_texts.h"
#include "recording_port.h"

namespace tesvik {
namespace {

using Events = std::vector<std::string>;

class Front6Page : public ::testing::Test {
 protected:
  void SetUp() override { app.start_without_window(); }
  Front6State& s() { return app.front6().state(); }
  Colour colour(int q6) { return s().q6.at(static_cast<std::size_t>(q6)).colour; }
  void click(Ctl a, int i) { app.click({a, i}); }
  void function(int gn) { click(Ctl::C_q6_gn, gn); }
  TextBox& box(int k) { return s().boxes.at(static_cast<std::size_t>(k)); }
  void paste(int gn, std::string text) {
    port.clipboard = std::move(text);
    function(gn);
  }
  // A run that keeps only the picks of the base text.
  void keep_only(std::string base) {
    paste(kQ6PasteBase, std::move(base));
    function(kQ6Run);
    port.events.clear();
  }
  void prize(std::string typed) {
    box(kQ6PrizeBox) = std::move(typed);
    function(kQ6Prize);
  }
  std::vector<Colour> copy_colours() {
    std::vector<Colour> c;
    for (int gn = 1; gn <= 5; ++gn) c.push_back(s().gn[static_cast<std::size_t>(gn)].colour);
    return c;
  }

  testing::RecordingPort port;
  App app{port};
};

TEST_F(Front6Page, TogglesTakeTheirGroupsColour) {
  for (const auto& [q6, on] : std::vector<std::pair<int, Colour>>{
           {0, kKill}, {100, kKill}, {101, kKeep}, {202, kKeep}, {233, kKeep}, {234, kKill}, {300, kKill}}) {
    click(Ctl::C_q6, q6);
    EXPECT_EQ(colour(q6), on) << q6;
    click(Ctl::C_q6, q6);
    EXPECT_EQ(colour(q6), kNeutral) << q6;
  }
  EXPECT_TRUE(s().q6[0].enabled);
}

TEST_F(Front6Page, ClearAndSelectAllButtonsActOnTheirRowsAndBoxes) {
  struct Row {
    int cls;
    std::vector<int> greyed;  // buttons turned on before and grey after
    std::vector<int> kept;    // buttons turned on before and still on after
  };
  const std::vector<Row> rows = {
      {12, {1, 10}, {11}},
      {13, {11, 15}, {16}},
      {14, {16, 40}, {15, 41}},
      {15, {41, 50}, {51}},
      {20, {91, 100}, {90}},
      {21, {209, 223}, {224}},
      {22, {224, 233, 240}, {223}},
      {29, {101, 110, 161, 167}, {111, 168}},
      {34, {151, 160, 196, 202}, {150}},
      {46, {291, 300}, {290}},
      {11, {241, 300}, {240}},
  };
  for (const Row& r : rows) {
    for (int q6 : r.greyed) click(Ctl::C_q6, q6);
    for (int q6 : r.kept) click(Ctl::C_q6, q6);
    click(Ctl::C_q6_cls, r.cls);
    for (int q6 : r.greyed) EXPECT_EQ(colour(q6), kNeutral) << r.cls << " " << q6;
    for (int q6 : r.kept) EXPECT_EQ(colour(q6), q6_on_colour(q6)) << r.cls << " " << q6;
    for (int q6 : r.kept) click(Ctl::C_q6, q6);
  }
  click(Ctl::C_q6_cls, 23);
  EXPECT_EQ(colour(101), kKeep);
  EXPECT_EQ(colour(110), kKeep);
  EXPECT_EQ(colour(161), kNeutral);  // the counts are no numbers
  click(Ctl::C_q6_cls, 40);
  EXPECT_EQ(colour(291), kKill);
  EXPECT_EQ(colour(300), kKill);

  box(3) = "1234";
  box(11) = "1/2/3/4/5/6";
  click(Ctl::C_q6_cls, 3);
  click(Ctl::C_q6_cls, 11);
  EXPECT_EQ(box(3), "");
  EXPECT_EQ(box(11), "");
  EXPECT_EQ(colour(300), kNeutral);
}

// The box of a pasted list shows what a run uses: it takes no edit, and a
// double click or its clear drops the list with the text.
TEST_F(Front6Page, PastedListBoxShowsTheListInUse) {
  paste(kQ6PasteKill, "01 02 03 04 05 06\r\n01 02 03 04 05 07");
  EXPECT_EQ(box(0), "010203040506\r\n010203040507");
  app.set_text({Ctl::T_q6, 0}, "01 02 03 04 05 08");
  app.type_text({Ctl::T_q6, 0}, "1");
  app.replace_text({Ctl::T_q6, 0}, 0, 2, "");
  EXPECT_EQ(box(0), "010203040506\r\n010203040507");
  EXPECT_EQ(port.events, Events(3, "tip 请用“粘”按钮粘贴号码"));
  port.events.clear();
  function(kQ6Run);
  EXPECT_EQ(s().count.label.caption, "151198");
  app.double_click({Ctl::T_q6, 0});
  EXPECT_EQ(box(0), "");
  function(kQ6Run);
  EXPECT_EQ(s().count.label.caption, "151200");
  paste(kQ6PasteKill, "01 02 03 04 05 06\r\n01 02 03 04 05 07");
  click(Ctl::C_q6_cls, 0);
  EXPECT_EQ(box(0), "粘贴您不要的大底号码");
  function(kQ6Run);
  EXPECT_EQ(s().count.label.caption, "151200");
  EXPECT_TRUE(port.events.empty());
}

TEST_F(Front6Page, PastesReadLinesOfAnyBreakAndRefuseNumbersAboveTen) {
  paste(kQ6PasteBase, "010203040506");  // one pick: too short to count as a list
  EXPECT_EQ(box(6), "");
  EXPECT_FALSE(s().pasted[1].in_use);
  paste(kQ6PasteBase, "  010203040506\n100908070605\r010203040507  ");
  EXPECT_EQ(box(6), "010203040506\r\n100908070605\r\n010203040507");
  function(kQ6Run);
  EXPECT_EQ(s().count.label.caption, "3");
  paste(kQ6PasteBase, "010203040506\r\n010203040511");
  EXPECT_EQ(port.events, Events{"message 提示 错误，你输入的号码有错误，请检查"});
  EXPECT_EQ(box(6), "");
  EXPECT_FALSE(s().pasted[1].in_use);
  port.events.clear();
  port.clipboard_locks = 5;  // another program holds the clipboard for a while
  paste(kQ6PasteKill, "000000000000\r\n010203040506");
  EXPECT_TRUE(s().pasted[0].in_use);
  EXPECT_TRUE(port.events.empty());
}

TEST_F(Front6Page, CompoundLinesComeFromFullGrids) {
  for (int r = 0; r < 5; ++r) click(Ctl::C_q6, 241 + 10 * r + r);
  function(kQ6AddCompound);
  EXPECT_EQ(box(11), "");  // the sixth row is empty
  click(Ctl::C_q6_cls, 40);
  click(Ctl::C_q6, 282);  // 02 of row five as well
  box(11) = "short\r\n1/2/3/4/5/6\r\nx1 2/3/4/5/6/7/8";
  function(kQ6AddCompound);
  EXPECT_EQ(box(11), "1/2/3/4/5/6\r\n12/3/4/5/6/7/8\r\n1/2/3/4/25/1234567890\r\n");
  for (int q6 = 241; q6 <= 300; ++q6) EXPECT_EQ(colour(q6), kNeutral) << q6;

  std::string many;
  for (int k = 0; k < 120; ++k) many += "1/2/3/4/5/" + std::to_string(k % 10) + "\r\n";
  box(11) = many;
  for (int q6 = 241; q6 <= 300; q6 += 10) click(Ctl::C_q6, q6);
  function(kQ6AddCompound);
  EXPECT_EQ(box(11), many.substr(0, 99 * 13) + "1/1/1/1/1/1\r\n");
}

TEST_F(Front6Page, CopiesTakeThirdsAndComplementsAndMarkTheLastCopyButton) {
  function(kQ6CopyAll);  // before any run: refused, but marked
  EXPECT_EQ(port.events, Events{"message 温馨提示 请先缩水后再复制"});
  EXPECT_EQ(copy_colours(), (std::vector<Colour>{kKeep, kNeutral, kNeutral, kNeutral, kNeutral}));
  keep_only(
      "010203040506\r\n010203040507\r\n010203040508\r\n010203040509\r\n010203040510\r\n"
      "010203040605\r\n010203040607\r\n010203040608\r\n010203040609\r\n010203040610");
  EXPECT_EQ(copy_colours(), std::vector<Colour>(5, kNeutral));  // a run greys them
  function(3);
  EXPECT_EQ(port.events,
            (Events{"clipboard 01 02 03 04 05 07\r\n01 02 03 04 05 10\r\n01 02 03 04 06 08", "tip 复制成功"}));
  EXPECT_EQ(copy_colours(), (std::vector<Colour>{kNeutral, kNeutral, kKeep, kNeutral, kNeutral}));
  function(2);
  EXPECT_EQ(port.clipboard, "01 02 03 04 05 06\r\n01 02 03 04 05 09\r\n01 02 03 04 06 07\r\n01 02 03 04 06 10");
  function(8);  // comma
  function(4);
  EXPECT_EQ(port.clipboard, "01,02,03,04,05,08\r\n01,02,03,04,06,05\r\n01,02,03,04,06,09");
  function(9);  // none
  function(kQ6CopyRemoved);
  EXPECT_EQ(port.events.back(), "tip 反选复制成功");
  EXPECT_EQ(port.clipboard.size(), 151190u * 14 - 2);
  EXPECT_EQ(port.clipboard.substr(0, 14), "010203040705\r\n");

  keep_only("010203040506\r\n010203040507");
  function(4);
  EXPECT_EQ(port.events, Events{"message 温馨提示 注数=0注"});
  EXPECT_EQ(copy_colours(), (std::vector<Colour>{kNeutral, kNeutral, kNeutral, kKeep, kNeutral}));
}

TEST_F(Front6Page, PrizeCheckReadsSixShorthandDigitsOfAKeptPick) {
  function(kQ6Prize);
  EXPECT_EQ(port.events, Events{"message 提示 请先缩水后再兑奖"});
  keep_only("01 02 10 08 05 03\r\n01 02 03 04 05 06");
  prize("1 2 0,8 5 3");
  EXPECT_EQ(box(kQ6PrizeBox), "120853");
  prize("123456");
  prize("123457");
  prize("12085");
  prize("112345");
  EXPECT_EQ(port.events,
            (Events{"message 提示 恭喜，找到奖号", "message 提示 恭喜，找到奖号", "message 提示 遗憾，没有找到奖号",
                    "message 提示 输入必须6位数字", "message 提示 遗憾，没有找到奖号"}));
  function(kQ6Run);
  EXPECT_EQ(box(kQ6PrizeBox), "");  // a run empties the prize box
}

TEST_F(Front6Page, AFailedRunLeavesTheLastResultAsItWas) {
  keep_only("010203040506\r\n010203040507");
  app.advance_time(ResultViewer::kFirstDrawMs);
  function(2);
  port.events.clear();
  click(Ctl::C_q6, 1);
  std::string lines;
  for (int k = 0; k < 101; ++k) lines += "1/2/3/4/5/6\r\n";
  box(kQ6CompoundBox) = lines;
  function(kQ6Run);
  EXPECT_EQ(port.events, Events{"message 提示 错误，你输入的条件有错误，请检查"});
  EXPECT_FALSE(app.frame().progress_visible);
  EXPECT_EQ(s().count.label.caption, "2");
  EXPECT_EQ(copy_colours()[1], kKeep);
  app.advance_time(ResultViewer::kFirstDrawMs);
  EXPECT_EQ(app.viewer().rows(), (std::vector<std::string>{"01 02 03 04 05 06", "01 02 03 04 05 07"}));
  port.events.clear();
  function(kQ6CopyAll);
  prize("123457");
  EXPECT_EQ(port.events, (Events{"clipboard 01 02 03 04 05 06\r\n01 02 03 04 05 07", "tip 复制成功",
                                 "message 提示 恭喜，找到奖号"}));
}

TEST_F(Front6Page, ClearAllEmptiesThePageAndCancelsTheViewersFirstDraw) {
  click(Ctl::C_q6, 5);
  box(3) = "1234";
  paste(kQ6PasteKill, "010203040506\r\n010203040507");
  app.selector_of({Ctl::rc_q6, 4})->choose("1", "3");
  function(9);
  function(kQ6Run);
  function(kQ6ClearAll);  // before the viewer's first draw
  app.advance_time(100);
  EXPECT_TRUE(app.viewer().rows().empty());
  EXPECT_EQ(app.viewer().max(), 0);
  EXPECT_EQ(s().count.label.caption, "0");
  EXPECT_EQ(colour(5), kNeutral);
  EXPECT_EQ(box(3), "");
  EXPECT_EQ(box(0), "粘贴您不要的大底号码");
  EXPECT_FALSE(s().pasted[0].in_use);
  EXPECT_EQ(s().selectors[4].range_text(), "0<*>0");
  EXPECT_EQ(s().gn[9].colour, kKeep);  // the separator stays
  port.events.clear();
  function(kQ6CopyAll);
  function(kQ6Prize);
  EXPECT_EQ(port.events, (Events{"message 温馨提示 请先缩水后再复制", "message 提示 请先缩水后再兑奖"}));
}

TEST_F(Front6Page, HelpButtonsShowTheirSectionsOrThePicture) {
  for (int k = 0; k < static_cast<int>(slot_count(Ctl::C_q6_shuoming)); ++k) {
    port.events.clear();
    click(Ctl::C_q6_shuoming, k);
    if (k == 11) {
      EXPECT_TRUE(app.panel().picture_panel);
      EXPECT_TRUE(port.events.empty());
      continue;
    }
    const HelpKey& key = q6_help_key(k);
    ASSERT_EQ(port.events.size(), 1u) << k;
    EXPECT_TRUE(port.events[0].starts_with("message 温馨提示 " + help_marker(key.section, key.key) + "\r\n")) << k;
  }
}

}  // namespace
}  // namespace tesvik
