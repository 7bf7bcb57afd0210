// The shared page geometry: every control of a page has its place inside
// the page, no two overlap, and the sub-panels share their room.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "app/control_table.h"
#include "app/front_six/front6_page_table.h"
#include "app/layout/page_geometry.h"
#include "app/pages/page_tables.h"

namespace tesvik {
namespace {

// A fixed-pitch font of an 8 point size: a CJK character 11 pixels wide,
// any other 6, a pixel less each in the small font.
class FixedMeasure : public TextMeasure {
 public:
  int width(std::string_view text, TextStyle style) const override {
    int w = 0;
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if ((byte & 0xC0) != 0x80) w += (byte >= 0xE0 ? 11 : 6) - (style == TextStyle::Small ? 1 : 0);
    }
    return w;
  }
  int line_height() const override { return 14; }
};

const FixedMeasure kMeasure;

std::string name(ControlRef ref) {
  return std::string(control_array(ref.array).name) + "(" + std::to_string(ref.index) + ")";
}

// Items of two different sub-panels may share room: one shows at a time.
bool shown_together(int a, int b) { return a < 0 || b < 0 || a == b; }

TEST(PageGeometry, EveryControlStandsInsideItsPage) {
  for (int page = 0; page < 4; ++page) {
    const PageGeometry g = page_geometry(page, kMeasure);
    const Rect whole{0, 0, g.width, g.height};
    for (const PlacedControl& c : g.controls) {
      EXPECT_TRUE(control_exists(c.ref)) << name(c.ref);
      EXPECT_GT(c.rect.w, 0) << name(c.ref);
      EXPECT_GT(c.rect.h, 0) << name(c.ref);
      EXPECT_TRUE(whole.contains(c.rect)) << "page " << page << " " << name(c.ref);
    }
    for (const PlacedText& t : g.texts) EXPECT_TRUE(whole.contains(t.rect)) << page << " " << t.text;
  }
}

// Controls of one sub-panel are drawn together; those of different
// sub-panels share the same room, one shown at a time.
TEST(PageGeometry, NoTwoControlsOverlap) {
  for (int page = 0; page < 4; ++page) {
    const PageGeometry g = page_geometry(page, kMeasure);
    for (std::size_t i = 0; i < g.controls.size(); ++i)
      for (std::size_t j = i + 1; j < g.controls.size(); ++j) {
        const PlacedControl& a = g.controls[i];
        const PlacedControl& b = g.controls[j];
        if (!shown_together(a.sub_panel, b.sub_panel)) continue;
        EXPECT_FALSE(a.rect.overlaps(b.rect)) << "page " << page << " " << name(a.ref) << " " << name(b.ref);
      }
  }
}

TEST(PageGeometry, EveryControlIsPlacedOnce) {
  for (int page = 0; page < 4; ++page) {
    std::map<std::pair<int, int>, int> seen;
    for (const PlacedControl& c : page_geometry(page, kMeasure).controls) {
      const std::pair<int, int> key(static_cast<int>(c.ref.array), c.ref.index);
      EXPECT_EQ(++seen[key], 1) << page << " " << name(c.ref);
    }
  }
}

// A control of a panel lies inside that panel's frame, so a panel never
// spills over its neighbour.
TEST(PageGeometry, PanelsHoldTheirControlsAndDoNotOverlap) {
  for (int page = 0; page < 4; ++page) {
    const PageGeometry g = page_geometry(page, kMeasure);
    for (std::size_t i = 0; i < g.panels.size(); ++i)
      for (std::size_t j = i + 1; j < g.panels.size(); ++j) {
        if (!shown_together(g.panels[i].sub_panel, g.panels[j].sub_panel)) continue;
        EXPECT_FALSE(g.panels[i].frame.overlaps(g.panels[j].frame)) << page << " panels " << i << " " << j;
      }
    for (const PlacedControl& c : g.controls)
      for (const PlacedPanel& p : g.panels) {
        if (!shown_together(p.sub_panel, c.sub_panel) || !p.frame.overlaps(c.rect)) continue;
        EXPECT_TRUE(p.frame.contains(c.rect)) << page << " " << name(c.ref);
      }
  }
}

TEST(PageGeometry, EveryPanelButtonOfThePagesIsPlaced) {
  const PageGeometry six = page_geometry(3, kMeasure);
  for (const Block& p : q6_panels())
    for (const ButtonRow& r : p.rows)
      for (int k = r.first; k <= r.last; ++k) EXPECT_NE(six.find({Ctl::C_q6, k}), nullptr) << k;
  for (int k = 0; k < static_cast<int>(slot_count(Ctl::C_q6_gn)); ++k)
    EXPECT_NE(six.find({Ctl::C_q6_gn, k}), nullptr) << k;
  for (int k = 0; k < static_cast<int>(slot_count(Ctl::T_q6)); ++k) EXPECT_NE(six.find({Ctl::T_q6, k}), nullptr) << k;
  for (int k = 0; k < static_cast<int>(slot_count(Ctl::rc_q6)); ++k) EXPECT_NE(six.find({Ctl::rc_q6, k}), nullptr) << k;
  for (const PageTable& t : page_tables()) {
    const PageGeometry g = page_geometry(mode_info(t.mode).page, kMeasure);
    for (const Block& b : t.blocks)
      for (const ButtonRow& r : b.rows)
        for (int k = r.first; k <= r.last; ++k)
          EXPECT_NE(g.find({kConditionBlockArrays.buttons_of(r), k}), nullptr) << mode_info(t.mode).page << " " << k;
    EXPECT_NE(g.find({Ctl::T_duijiang, mode_info(t.mode).prize_box}), nullptr);
    EXPECT_NE(g.find({Ctl::C_jg_gn, mode_info(t.mode).first_function}), nullptr);
  }
}

TEST(PageGeometry, WiderTextsWidenTheirButtons) {
  class WideMeasure : public FixedMeasure {
    int width(std::string_view text, TextStyle style) const override { return 2 * FixedMeasure::width(text, style); }
  };
  const PageGeometry narrow = page_geometry(0, kMeasure);
  const PageGeometry wide = page_geometry(0, WideMeasure());
  const Block& block = *std::find_if(page_tables()[0].blocks.begin(), page_tables()[0].blocks.end(),
                                     [](const Block& b) { return !b.rows.empty() && b.rows[0].kind == RowKind::Kill; });
  const ControlRef first{Ctl::C_annv, block.rows.front().first};
  EXPECT_GT(wide.find(first)->rect.w, narrow.find(first)->rect.w);
}

// The browser's binding check (tests/web/binding_smoke.js) measures with
// the same fixed-pitch font and expects this rectangle.
TEST(PageGeometry, FrontThreeRunButtonStandsOnTheResultSide) {
  const PageGeometry g = page_geometry(0, kMeasure);
  const PlacedControl* run = g.find({Ctl::C_jg_gn, mode_info(Mode::Three).first_function});
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->rect, (Rect{1124, 309, 108, 24}));
  EXPECT_EQ(g.width, 1346);
}

TEST(PageGeometry, PrizeBoxesPressTheirCheck) {
  const PageGeometry six = page_geometry(3, kMeasure);
  ASSERT_EQ(six.enter_presses.size(), 1u);
  EXPECT_EQ(six.enter_presses[0].button.index, kQ6Prize);
  const PageGeometry three = page_geometry(0, kMeasure);
  ASSERT_EQ(three.enter_presses.size(), 1u);
  EXPECT_EQ(three.enter_presses[0].box.array, Ctl::T_duijiang);
}

}  // namespace
}  // namespace tesvik
