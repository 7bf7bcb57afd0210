// Clicks on the condition panel: toggles, option groups, clears, page
// clears and compound lines.

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/pages/page_tables.h"
#include "app/pages/panel_actions.h"
#include "recording_port.h"

namespace tesvik {
namespace {

class PanelActions : public ::testing::Test {
 protected:
  void SetUp() override { app.start_without_window(); }
  void click(Ctl a, int i) { app.click({a, i}); }
  Colour kill(int i) const { return app.panel().annv[static_cast<std::size_t>(i)].colour; }
  Colour keep(int i) const { return app.panel().annv_chu[static_cast<std::size_t>(i)].colour; }
  Colour option(int i) const { return app.panel().n_xuan_1[static_cast<std::size_t>(i)].colour; }
  TextBox& box(int i) { return app.panel().txt_ip[static_cast<std::size_t>(i)]; }
  std::string& range(int i) { return app.panel().rc[static_cast<std::size_t>(i)].text; }

  testing::RecordingPort port;
  App app{port};
};

TEST_F(PanelActions, KillAndKeepToggles) {
  click(Ctl::C_annv, 49);
  EXPECT_EQ(kill(49), kKill);
  click(Ctl::C_annv, 49);
  EXPECT_EQ(kill(49), kNeutral);
  click(Ctl::C_annv_chu, 17);
  EXPECT_EQ(keep(17), kKeep);
  click(Ctl::C_annv_chu, 17);
  EXPECT_EQ(keep(17), kNeutral);
}

TEST_F(PanelActions, DifferenceRowTakesTheColourOfItsMode) {
  click(Ctl::C_n_xuan_1, 1);
  EXPECT_EQ(option(1), kExclude);
  EXPECT_EQ(option(0), kNeutral);
  click(Ctl::C_annv_chu, 70);
  EXPECT_EQ(keep(70), kExclude);
  click(Ctl::C_n_xuan_1, 0);
  EXPECT_EQ(option(0), kKeep);
  EXPECT_EQ(option(1), kNeutral);
  EXPECT_EQ(keep(70), kNeutral);
  click(Ctl::C_annv_chu, 70);
  EXPECT_EQ(keep(70), kKeep);
  // A red button toggled under keep mode turns green rather than off.
  click(Ctl::C_n_xuan_1, 3);
  click(Ctl::C_annv_chu, 80);
  EXPECT_EQ(keep(80), kExclude);
  app.panel().n_xuan_1[3].colour = kNeutral;
  app.panel().n_xuan_1[2].colour = kKeep;
  click(Ctl::C_annv_chu, 80);
  EXPECT_EQ(keep(80), kKeep);
}

TEST_F(PanelActions, RowsOutsideTheModeRowsIgnoreTheModes) {
  for (int pair : {1, 3, 8, 10}) click(Ctl::C_n_xuan_1, pair);
  for (int i : {17, 18, 19, 67, 88, 178, 199}) {
    click(Ctl::C_annv_chu, i);
    EXPECT_EQ(keep(i), kKeep) << i;
  }
  click(Ctl::C_n_xuan_1, 2);  // front-three sum back to keep; front four stays exclude
  click(Ctl::C_annv_chu, 85);
  EXPECT_EQ(keep(85), kKeep);
  click(Ctl::C_annv_chu, 185);
  EXPECT_EQ(keep(185), kExclude);
  click(Ctl::C_annv_chu, 195);
  EXPECT_EQ(keep(195), kExclude);
}

TEST_F(PanelActions, ChosenOptionStaysChosenAndClearsItsRowAgain) {
  click(Ctl::C_annv_chu, 72);
  click(Ctl::C_n_xuan_1, 0);
  EXPECT_EQ(option(0), kKeep);
  EXPECT_EQ(keep(72), kNeutral);
  click(Ctl::C_n_xuan_1, 16);
  EXPECT_EQ(option(16), kKeep);
  EXPECT_EQ(option(14), kNeutral);
  EXPECT_EQ(option(15), kNeutral);
  EXPECT_EQ(option(4), kKeep);  // other pages keep their separator
}

TEST_F(PanelActions, BlockAndRowClears) {
  for (int i = 0; i < 45; ++i) click(Ctl::C_annv, i);
  range(0) = "2";
  range(1) = "3";
  click(Ctl::C_cls, 1);
  for (int i = 0; i < 45; ++i) EXPECT_EQ(kill(i), kNeutral);
  EXPECT_EQ(range(0), "0");
  EXPECT_EQ(range(1), "0");

  click(Ctl::C_annv_chu, 104);
  click(Ctl::C_annv_chu, 163);
  click(Ctl::C_annv_chu, 164);
  click(Ctl::C_annv_chu, 178);
  range(24) = "1";
  click(Ctl::C_cls, 52);
  EXPECT_EQ(keep(104), kKeep);
  EXPECT_EQ(keep(163), kKeep);
  EXPECT_EQ(keep(164), kNeutral);
  EXPECT_EQ(keep(178), kNeutral);
  EXPECT_EQ(range(24), "0");

  click(Ctl::C_cls, 17);  // "全" of a compound row: kill colour
  for (int i = 115; i <= 124; ++i) EXPECT_EQ(kill(i), kKill);
  click(Ctl::C_cls, 8);  // "全" of a dan row: keep colour, numbers and counts
  for (int i = 0; i <= 13; ++i) EXPECT_EQ(keep(i), kKeep);
  range(4) = "1";
  click(Ctl::C_cls, 9);
  for (int i = 0; i <= 13; ++i) EXPECT_EQ(keep(i), kNeutral);
  EXPECT_EQ(range(4), "1");  // row clears leave the tolerance pair alone

  click(Ctl::C_n_xuan_1, 1);
  click(Ctl::C_annv_chu, 70);
  click(Ctl::C_cls, 27);
  EXPECT_EQ(keep(70), kNeutral);
  EXPECT_EQ(option(0), kKeep);
  EXPECT_EQ(option(1), kNeutral);

  box(29) = "1010";
  box(30) = "0101";
  range(46) = "2";
  click(Ctl::C_cls, 97);
  EXPECT_EQ(box(29), "");
  EXPECT_EQ(box(30), "0101");
  EXPECT_EQ(range(46), "2");
}

// Sets every condition of a page, clears it and expects the initial panel.
TEST_F(PanelActions, PageClearRestoresThePageAndNothingElse) {
  const PanelState initial = app.panel();
  for (int places = 3; places <= 5; ++places) {
    const PageTable& page = page_table(Mode(places - 3));
    app.panel().txt_ip[7] = "010203";  // front-three base box
    app.panel().duijiang = {"", "123", "1234", "12345"};
    for (const Block& b : page.blocks) {
      for (const ButtonRow& r : b.rows)
        for (int i = r.first; i <= r.last; ++i) click(kConditionBlockArrays.buttons_of(r), i);
      for (const TextField& f : b.boxes) box(f.box) = "01 02";
      if (b.range >= 0) range(b.range) = range(b.range + 1) = "3";
      if (b.mode_keep >= 0) click(Ctl::C_n_xuan_1, b.mode_exclude);
    }
    box(page.result.base.box) = "01 02 03";
    app.panel().jg_rc[static_cast<std::size_t>(page.result.total_lower)].text = "4";
    app.panel().list_jg[static_cast<std::size_t>(mode_info(page.mode).result_list)].rows = {"01 02 03"};
    app.panel().zhushu[static_cast<std::size_t>(mode_info(page.mode).result_list)].show(1);
    if (places == 3) app.panel().list_nei.rows = {"01/02/03"};

    click(Ctl::C_jg_gn, mode_info(page.mode).first_function + 3);

    const PanelState& p = app.panel();
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(p.duijiang[static_cast<std::size_t>(k)], "");
    EXPECT_EQ(p.txt_ip[7], places == 3 ? "" : "010203") << places;
    for (std::size_t i = 0; i < p.annv.size(); ++i) EXPECT_EQ(p.annv[i].colour, initial.annv[i].colour) << i;
    for (std::size_t i = 0; i < p.annv_chu.size(); ++i)
      EXPECT_EQ(p.annv_chu[i].colour, initial.annv_chu[i].colour) << i;
    for (std::size_t i = 0; i < p.n_xuan_1.size(); ++i)
      EXPECT_EQ(p.n_xuan_1[i].colour, initial.n_xuan_1[i].colour) << i;
    for (int i = 0; i < static_cast<int>(slot_count(Ctl::T_nei_txt_ip)); ++i) {
      if (i == 7) continue;
      EXPECT_EQ(p.txt_ip[static_cast<std::size_t>(i)], "") << places << " box " << i;
    }
    for (std::size_t i = 0; i < p.rc.size(); ++i) EXPECT_EQ(p.rc[i].text, "0") << i;
    for (std::size_t i = 0; i < p.jg_rc.size(); ++i) EXPECT_EQ(p.jg_rc[i].text, "0") << i;
    EXPECT_TRUE(p.list_jg[static_cast<std::size_t>(mode_info(page.mode).result_list)].rows.empty());
    EXPECT_EQ(p.zhushu[static_cast<std::size_t>(mode_info(page.mode).result_list)].label.caption, "0");
    EXPECT_TRUE(p.list_nei.rows.empty());
  }
}

TEST_F(PanelActions, PageClearLeavesOtherPages) {
  click(Ctl::C_annv, 45);
  click(Ctl::C_annv_chu, 0);
  range(0) = "1";
  box(0) = "01 02 03";
  app.panel().list_nei.rows = {"01/02/03"};
  app.panel().zhushu[0].show(720);
  click(Ctl::C_jg_gn, 8);
  click(Ctl::C_jg_gn, 13);
  EXPECT_EQ(kill(45), kKill);
  EXPECT_EQ(keep(0), kKeep);
  EXPECT_EQ(range(0), "1");
  EXPECT_EQ(box(0), "01 02 03");
  EXPECT_EQ(app.panel().list_nei.rows.size(), 1u);
  EXPECT_EQ(app.panel().zhushu[0].label.caption, "720");
}

TEST_F(PanelActions, CompoundLinesOfFrontFourAndFive) {
  for (int i : {295, 297, 299, 305, 315}) click(Ctl::C_annv, i);
  click(Ctl::C_jg_gn, 4);  // fourth row empty: nothing happens
  EXPECT_EQ(box(11), "");
  EXPECT_EQ(kill(295), kKill);
  click(Ctl::C_annv, 334);
  box(11) = "  ";
  click(Ctl::C_jg_gn, 4);
  EXPECT_EQ(box(11), "01.03.05./01./01./10.");
  for (int i = 295; i <= 334; ++i) EXPECT_EQ(kill(i), kNeutral);
  for (int i : {296, 306, 316, 326}) click(Ctl::C_annv, i);
  box(11).edit([](std::string& text) { text += "  "; });
  click(Ctl::C_jg_gn, 4);
  EXPECT_EQ(box(11), "01.03.05./01./01./10.\r\n02./02./02./02.");

  for (int r = 0; r < 5; ++r) click(Ctl::C_annv, 565 + 10 * r + r);
  click(Ctl::C_jg_gn, 9);
  EXPECT_EQ(box(33), "01./02./03./04./05.");
  EXPECT_TRUE(port.events.empty());
}

TEST_F(PanelActions, SubPanelSwitches) {
  click(Ctl::C_q3_nei, 1);
  EXPECT_EQ(app.panel().q3_sub_panel, 1);
  EXPECT_EQ(app.panel().q3_nei[1].colour, kKeep);
  EXPECT_EQ(app.panel().q3_nei[0].colour, kNeutral);
  click(Ctl::C_q3_nei, 8);
  EXPECT_EQ(app.panel().q4_sub_panel, 2);
  EXPECT_EQ(app.panel().q3_nei[8].colour, kKeep);
  EXPECT_EQ(app.panel().q3_nei[6].colour, kNeutral);
  EXPECT_EQ(app.panel().q3_nei[1].colour, kKeep);
}

TEST_F(PanelActions, CompoundListOfFrontThree) {
  for (int i : {115, 116, 127, 129}) click(Ctl::C_annv, i);
  click(Ctl::C_q3_nei, 2);  // third place empty
  EXPECT_TRUE(app.panel().list_nei.rows.empty());
  click(Ctl::C_annv, 141);
  click(Ctl::C_q3_nei, 2);
  click(Ctl::C_q3_nei, 2);
  ASSERT_EQ(app.panel().list_nei.rows.size(), 2u);
  EXPECT_EQ(app.panel().list_nei.rows[0], "01 02/03 05/07");
  EXPECT_EQ(kill(115), kKill);
  click(Ctl::C_q3_nei, 3);  // nothing selected
  EXPECT_EQ(app.panel().list_nei.rows.size(), 2u);
  app.select_row({Ctl::List_nei, 0}, 1);
  click(Ctl::C_q3_nei, 3);
  EXPECT_EQ(app.panel().list_nei.rows.size(), 1u);
  click(Ctl::C_q3_nei, 4);
  EXPECT_TRUE(app.panel().list_nei.rows.empty());
}

TEST_F(PanelActions, DoubleClickEmptiesConditionBoxesOnly) {
  box(5) = "12 34";
  app.double_click({Ctl::T_nei_txt_ip, 5});
  EXPECT_EQ(box(5), "");
  app.panel().duijiang[1] = "123";
  app.double_click({Ctl::T_duijiang, 1});
  EXPECT_EQ(app.panel().duijiang[1], "123");
}

TEST_F(PanelActions, PrizeBoxKeyFilter) {
  app.type_text({Ctl::T_duijiang, 1}, "3a8,0 1");
  EXPECT_EQ(app.panel().duijiang[1], "380");
  app.type_text({Ctl::T_duijiang, 1}, "\b.");
  EXPECT_EQ(app.panel().duijiang[1], "38.");
  app.type_text({Ctl::T_duijiang, 3}, "1234567");
  EXPECT_EQ(app.panel().duijiang[3], "12345");
  app.type_text({Ctl::T_nei_txt_ip, 0}, "01 02 03\r\n04 05 06\n07");
  EXPECT_EQ(box(0), "01 02 03\r\n04 05 06\r\n07");
  app.set_text({Ctl::T_duijiang, 2}, "3-8-0-1-2");
  EXPECT_EQ(app.panel().duijiang[2], "3-8-0-1-2");
  // Backspace takes whole characters; a box full of pasted dots refuses digits.
  app.set_text({Ctl::T_duijiang, 1}, "1\xF0\x9F\x98\x80\xE4\xB8\xAD");
  app.type_text({Ctl::T_duijiang, 1}, "\b\b2");
  EXPECT_EQ(app.panel().duijiang[1], "12");
  app.set_text({Ctl::T_duijiang, 1}, std::string(100'000, '.'));
  app.type_text({Ctl::T_duijiang, 1}, "1\b");
  EXPECT_EQ(app.panel().duijiang[1], std::string(99'999, '.'));
}

}  // namespace
}  // namespace tesvik
