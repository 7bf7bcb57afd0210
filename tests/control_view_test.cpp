// The one read of a control's state that the faces draw from.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/control_view.h"
#include "app/pages/page_tables.h"
#include "recording_port.h"

namespace tesvik {
namespace {

class ControlViewTest : public ::testing::Test {
 protected:
  void SetUp() override { app.start_without_window(); }
  testing::RecordingPort port;
  App app{port};
};

TEST_F(ControlViewTest, ButtonsShowTheirCaptionColourAndState) {
  const ControlRef run{Ctl::C_jg_gn, mode_info(Mode::Three).first_function};
  const auto view = control_view(app, run);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->kind, ControlKind::Button);
  EXPECT_EQ(view->caption, "开始缩水");
  EXPECT_EQ(view->colour, kKeep);  // the run button is drawn green
  EXPECT_TRUE(view->enabled);
  EXPECT_TRUE(view->visible);
  const Colour before = control_view(app, {Ctl::C_annv, 0})->colour;
  app.click({Ctl::C_annv, 0});
  const Colour after = control_view(app, {Ctl::C_annv, 0})->colour;
  EXPECT_NE(after, before);
  EXPECT_EQ(after, app.button_of({Ctl::C_annv, 0})->colour);
}

TEST_F(ControlViewTest, AControlThatIsNotThereHasNoView) {
  EXPECT_FALSE(control_view(app, {Ctl::C_q6, 205}));
  EXPECT_FALSE(control_view(app, {Ctl::C_annv, 9999}));
  EXPECT_TRUE(control_rows(app, {Ctl::C_annv, 0}, 0, 5).empty());
}

TEST_F(ControlViewTest, BoxesAndCombosShowTheirText) {
  app.set_text({Ctl::T_nei_txt_ip, 0}, "12");
  EXPECT_EQ(control_view(app, {Ctl::T_nei_txt_ip, 0})->text, "12");
  const auto combo = control_view(app, {Ctl::Comb_rc, 0});
  EXPECT_EQ(combo->kind, ControlKind::ComboBox);
  EXPECT_EQ(combo->items.size(), app.combo_of({Ctl::Comb_rc, 0})->items.size());
  EXPECT_FALSE(combo->items.empty());
}

// A run fills the result list: its revision moves and its rows read by range.
TEST_F(ControlViewTest, ListRowsReadByRangeWithTheirRevision) {
  const ControlRef list{Ctl::List_jg, mode_info(Mode::Three).result_list};
  const std::uint64_t before = control_view(app, list)->revision;
  app.click({Ctl::C_jg_gn, mode_info(Mode::Three).first_function});
  const auto view = control_view(app, list);
  EXPECT_GT(view->revision, before);
  ASSERT_EQ(view->rows, 720);
  const auto rows = control_rows(app, list, 718, 5);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], app.list_of(list)->rows.back());
  EXPECT_TRUE(control_rows(app, list, 720, 1).empty());
  EXPECT_TRUE(control_rows(app, list, -1, 1).empty());
}

TEST_F(ControlViewTest, TheViewerShowsItsRowsAndScrollRange) {
  app.click({Ctl::C_ding, 3});
  app.click({Ctl::C_q6_gn, 0});
  app.advance_time(ResultViewer::kFirstDrawMs);
  const ControlRef viewer{Ctl::ucf_q6show, 0};
  const auto view = control_view(app, viewer);
  EXPECT_EQ(view->kind, ControlKind::ResultViewer);
  EXPECT_EQ(view->rows, ResultViewer::kRows);
  EXPECT_EQ(view->selected, app.viewer().value());
  EXPECT_EQ(view->scroll_max, app.viewer().max());
  EXPECT_GT(view->scroll_max, 0);
  EXPECT_EQ(control_rows(app, viewer, 0, 100).size(), app.viewer().rows().size());
}

}  // namespace
}  // namespace tesvik
