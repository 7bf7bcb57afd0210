// The page tables against the panel model: captions, index rules, and that
// every clear button has an action.

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <optional>
#include <set>

#include "app/app.h"
#include "app/control_table.h"
#include "app/front_six/front6_page_table.h"
#include "app/pages/page_tables.h"
#include "app/pages/panel_actions.h"
#include "recording_port.h"

namespace tesvik {
namespace {

struct Started {
  testing::RecordingPort port;
  App app{port};
  Started() { app.start_without_window(); }
};

TEST(PanelTables, EveryRowCaptionIsOnItsButton) {
  Started s;
  std::set<std::pair<int, int>> seen;  // (kind, index) used by some row
  for (const PageTable& page : page_tables()) {
    for (const Block& b : page.blocks) {
      for (const ButtonRow& r : b.rows) {
        ASSERT_EQ(static_cast<int>(r.captions.size()), r.size()) << b.title;
        const auto& buttons = r.kind == RowKind::Kill ? s.app.panel().annv : s.app.panel().annv_chu;
        for (int i = r.first; i <= r.last; ++i) {
          EXPECT_EQ(buttons.at(static_cast<std::size_t>(i)).caption, r.captions[static_cast<std::size_t>(i - r.first)]);
          EXPECT_TRUE(seen.insert({static_cast<int>(r.kind), i}).second) << "index used twice: " << i;
        }
      }
    }
  }
  // Every kill and keep button belongs to exactly one row.
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(static_cast<int>(slot_count(Ctl::C_annv)) +
                                                  static_cast<int>(slot_count(Ctl::C_annv_chu))));
}

TEST(PanelTables, CaptionsFollowTheIndexRules) {
  Started s;
  const auto& k = s.app.panel().annv;
  const auto& c = s.app.panel().annv_chu;
  EXPECT_EQ(k[0].caption, "01\r\n02");
  EXPECT_EQ(k[8].caption, "01\r\n10");
  EXPECT_EQ(k[9].caption, "02\r\n03");
  EXPECT_EQ(k[44].caption, "09\r\n10");
  EXPECT_EQ(k[145].caption, "大大大");
  EXPECT_EQ(k[152].caption, "小大大");
  EXPECT_EQ(k[160].caption, "偶奇奇");
  EXPECT_EQ(k[168].caption, "合质质");
  EXPECT_EQ(k[169].caption, "000");
  EXPECT_EQ(k[195].caption, "222");
  EXPECT_EQ(k[335].caption, "大大大大");
  EXPECT_EQ(k[336].caption, "大大小大");
  EXPECT_EQ(k[342].caption, "小小小大");
  EXPECT_EQ(k[343].caption, "大大大小");
  EXPECT_EQ(k[350].caption, "小小小小");
  EXPECT_EQ(k[351 + 4].caption, "偶奇奇奇");
  EXPECT_EQ(k[367 + 8].caption, "质质质合");
  for (int d1 = 0; d1 < 3; ++d1)
    for (int d2 = 0; d2 < 3; ++d2)
      for (int d3 = 0; d3 < 3; ++d3)
        for (int d4 = 0; d4 < 3; ++d4) {
          const std::string want{char('0' + d1), char('0' + d2), char('0' + d3), char('0' + d4)};
          EXPECT_EQ(k[static_cast<std::size_t>(383 + 27 * d1 + 9 * d2 + 3 * d3 + d4)].caption, want);
        }
  EXPECT_EQ(k[464].caption, "10");
  EXPECT_EQ(k[473].caption, "01");
  EXPECT_EQ(k[563].caption, "凸形");
  EXPECT_EQ(k[614].caption, "10");
  EXPECT_EQ(c[13].caption, "3");
  EXPECT_EQ(c[104 + 14].caption, "4");
  EXPECT_EQ(c[292].caption, "5");
  EXPECT_EQ(c[96].caption, "03");
  EXPECT_EQ(c[322].caption, "10");
}

TEST(PanelTables, EveryClearButtonHasAnActionAndCaption) {
  Started s;
  for (int k = 0; k < static_cast<int>(slot_count(Ctl::C_cls)); ++k) {
    const std::string& cap = s.app.panel().cls[static_cast<std::size_t>(k)].caption;
    EXPECT_TRUE(cap == "清" || cap == "全") << k;
    EXPECT_TRUE(page_of_clear(k).has_value()) << k;
    PanelState p = s.app.panel();
    EXPECT_NO_THROW(perform_clear(p, k)) << k;
  }
  EXPECT_EQ(page_of_clear(72), Mode::Three);
  EXPECT_EQ(page_of_clear(73), Mode::Four);
  EXPECT_EQ(page_of_clear(114), Mode::Five);
  EXPECT_EQ(s.app.panel().cls[8].caption, "全");
  EXPECT_EQ(s.app.panel().cls[104].caption, "全");
  EXPECT_EQ(s.app.panel().cls[113].caption, "清");
}

TEST(PanelTables, InitialOptionsAndFunctionButtons) {
  Started s;
  const PanelState& p = s.app.panel();
  for (int i = 0; i < static_cast<int>(slot_count(Ctl::C_n_xuan_1)); ++i) {
    const bool chosen = i == 0 || i == 2 || i == 7 || i == 9 || i == 4 || i == 11 || i == 14;
    EXPECT_EQ(p.n_xuan_1[static_cast<std::size_t>(i)].colour, chosen ? kKeep : kNeutral) << i;
  }
  for (int i = 0; i < static_cast<int>(slot_count(Ctl::C_jg_gn)); ++i)
    EXPECT_EQ(p.jg_gn[static_cast<std::size_t>(i)].colour, i % 5 == 0 && i <= 10 ? kKeep : kNeutral) << i;
  EXPECT_EQ(p.jg_gn[9].caption, "添加到方框内");
  EXPECT_EQ(p.jg_gn[4].caption, "添加到方框");
  EXPECT_EQ(p.q3_nei[0].colour, kKeep);
  EXPECT_EQ(p.q3_nei[6].colour, kKeep);
  EXPECT_EQ(p.q3_nei[8].caption, "定位杀组合");
  EXPECT_EQ(p.rc[51].text, "0");
  EXPECT_EQ(p.rc[0].items.size(), 7u);
  EXPECT_EQ(p.jg_rc[5].items.back(), "20");
  EXPECT_EQ(p.zhushu[2].label.caption, "0");
}

}  // namespace
}  // namespace tesvik

namespace tesvik {
namespace {

// Every page feeds columns 1..n once each with its base list last on the
// verdict; front six's conditions take the next free column. Every block
// has a routine and the progress values shown after them rise.
TEST(PanelTables, EachCountedColumnIsFedByExactlyOneBlock) {
  const std::map<Mode, int> columns = {{Mode::Three, 16}, {Mode::Four, 17}, {Mode::Five, 15}, {Mode::Six, 0}};
  for (const auto& [mode, count] : columns) {
    const std::span<const RunBlock> run = mode == Mode::Six ? q6_steps() : page_run(mode);
    std::vector<int> fed;
    int last_progress = -1;
    for (const RunBlock& b : run) {
      fed.push_back(b.feeds.column);
      EXPECT_NE(b.feeds.condition, nullptr) << b.feeds.name;
      if (b.feeds.progress < 0) continue;
      EXPECT_GT(b.feeds.progress, last_progress) << b.feeds.name;
      last_progress = b.feeds.progress;
    }
    std::vector<int> expected(static_cast<std::size_t>(count));
    std::iota(expected.begin(), expected.end(), 1);
    if (mode == Mode::Six) expected.assign(run.size(), 0);
    else expected.push_back(kVerdictColumn);
    EXPECT_EQ(fed, expected) << page_name(mode);
  }
}

// Every control that a run reads exists and belongs to the page that runs it.
TEST(PanelTables, RunsReadOnlyTheirOwnPagesControls) {
  const auto check = [](std::span<const RunBlock> run, Owner owner) {
    const auto own = [owner](ControlRef c) { return control_exists(c) && owner_of(c) == owner; };
    for (const RunBlock& b : run) {
      const BlockReads& r = b.reads;
      for (const ReadRow& row : r.rows)
        for (const ButtonRun& buttons : row.runs)
          for (int i = buttons.first; i <= buttons.last; ++i) EXPECT_TRUE(own({buttons.array, i})) << b.feeds.name;
      for (const ReadBox& box : r.boxes) EXPECT_TRUE(own(box.box)) << b.feeds.name;
      for (const std::optional<ControlRef>& c : {r.range, r.exclude, r.entries, r.listed})
        EXPECT_TRUE(!c || own(*c)) << b.feeds.name;
    }
  };
  for (Mode mode : kConditionModes) check(page_run(mode), Owner::ConditionPages);
  check(q6_steps(), Owner::FrontSix);
}

}  // namespace
}  // namespace tesvik
