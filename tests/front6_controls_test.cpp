// The tolerance selector and the result viewer of the front-six page as models.

#include <gtest/gtest.h>

#include "controls/result_viewer.h"
#include "controls/tolerance_selector.h"
#include "front6/universe_6x.h"

namespace tesvik {
namespace {

std::vector<int> allowed_counts(const ToleranceSelector& s) {
  std::vector<int> counts;
  for (int k = 0; k < 1000; ++k)
    if (!s.allowed().fails(k)) counts.push_back(k);
  return counts;
}

TEST(ToleranceSelector, ItemsAndPreselectionFromTheirStarTexts) {
  ToleranceSelector s;
  s.set_items("0*6");
  EXPECT_EQ(s.items(), (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6"}));
  s.set_items("0*20");
  EXPECT_EQ(s.items().size(), 21u);
  s.set_items("3*1");
  EXPECT_TRUE(s.items().empty());
  EXPECT_EQ(s.items_text(), "3*1");
  s.set_items(" 2.4*6x");
  EXPECT_EQ(s.items_text(), "2*6");
  s.set_items("5*");
  EXPECT_EQ(s.items_text(), "5*0");
  s.set_items("7");  // no star: ignored
  EXPECT_EQ(s.items_text(), "5*0");
  s.set_preselection("0*0");
  EXPECT_EQ(s.range_text(), "0<*>0");
  EXPECT_EQ(s.preselection_text(), "0*0");
}

TEST(ToleranceSelector, AllowedCountsFollowTheListsUpTo99) {
  ToleranceSelector s;
  s.set_range("1<*>3");
  EXPECT_EQ(s.range_text(), "1<*>3");
  EXPECT_EQ(allowed_counts(s), (std::vector<int>{1, 2, 3}));
  s.choose("2", "1");
  EXPECT_TRUE(allowed_counts(s).empty());
  s.choose("0", "120");
  EXPECT_EQ(allowed_counts(s).size(), 100u);
  EXPECT_EQ(allowed_counts(s).back(), 99);
  s.choose("x", "0.5");  // lenient: a text that is no number reads 0
  EXPECT_EQ(allowed_counts(s), std::vector<int>{0});
  s.choose("0.5", "2");
  EXPECT_EQ(allowed_counts(s), (std::vector<int>{1, 2}));
  s.set_range("-1<*>1e3");
  EXPECT_EQ(s.range_text(), "-1<*>1000");
  EXPECT_EQ(allowed_counts(s).size(), 100u);
  s.set_range("4-5");  // no "<*>": ignored
  EXPECT_EQ(s.range_text(), "-1<*>1000");
}

class Viewer : public ::testing::Test {
 protected:
  // Keeps the first `kept` picks.
  void show(int kept) {
    std::vector<std::uint8_t> removal(kPicks6 + 1, 1);
    for (int i = 1; i <= kept; ++i) removal[static_cast<std::size_t>(i)] = 0;
    viewer.set_data(removal, kept, 2);
  }
  int timer = 0;
  ResultViewer viewer{[this](int ms) { timer = ms; }};
};

TEST_F(Viewer, FirstDrawComesOnItsTimerWithTheScrollRange) {
  show(16);
  EXPECT_EQ(timer, ResultViewer::kFirstDrawMs);
  EXPECT_TRUE(viewer.rows().empty());
  viewer.first_draw();
  EXPECT_EQ(timer, 0);
  EXPECT_EQ(viewer.max(), 1);
  ASSERT_EQ(viewer.rows().size(), 15u);
  EXPECT_EQ(viewer.rows()[0], "01,02,03,04,05,06");
  viewer.scroll(7);
  EXPECT_EQ(viewer.value(), 1);
  EXPECT_EQ(viewer.rows()[0], line_6x(2, ","));
  EXPECT_EQ(viewer.rows()[14], line_6x(16, ","));
  show(15);
  viewer.first_draw();
  EXPECT_EQ(viewer.max(), 0);
  EXPECT_EQ(viewer.value(), 0);
  EXPECT_EQ(viewer.rows().size(), 15u);
  show(0);
  viewer.first_draw();
  EXPECT_TRUE(viewer.rows().empty());
}

TEST_F(Viewer, ClearEmptiesTheAreaAndTheRange) {
  show(151200);
  viewer.first_draw();
  viewer.scroll(-4);
  EXPECT_EQ(viewer.value(), 0);
  viewer.scroll(200000);
  EXPECT_EQ(viewer.value(), 151185);
  EXPECT_EQ(viewer.rows().back(), "10,09,08,07,06,05");
  viewer.clear();
  EXPECT_TRUE(viewer.rows().empty());
  EXPECT_EQ(viewer.max(), 0);
  viewer.scroll(3);  // a bar without range has no thumb
  EXPECT_TRUE(viewer.rows().empty());
}

}  // namespace
}  // namespace tesvik
