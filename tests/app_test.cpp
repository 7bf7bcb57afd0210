// The main window's state over time: start-up, light sequence, page
// switch, adverts, links, close confirmation and empty runs.

#include <gtest/gtest.h>

#include "app/app.h"
#include "model/universe.h"
#include "recording_port.h"

namespace tesvik {
namespace {

using Events = std::vector<std::string>;

class AppTest : public ::testing::Test {
 protected:
  testing::RecordingPort port;
  App app{port};
};

TEST_F(AppTest, StartUpAndLightSequence) {
  app.create();
  EXPECT_EQ(app.frame().ding[3].colour, kKeep);
  app.advance_time(60);  // the start-up ran at 50 ms
  EXPECT_EQ(app.panel().annv[44].caption, "09\r\n10");
  EXPECT_EQ(app.title(), "Tesvik");
  EXPECT_EQ(app.timers().interval(TimerId::Caiji), 500);
  EXPECT_EQ(app.links()[1], app.links()[8]);
  EXPECT_FALSE(app.frame().overlay);
  app.advance_time(440);  // 500 ms: five light ticks
  EXPECT_EQ(app.light_count(), 5);
  EXPECT_EQ(app.frame().ding[1].colour, kKeep);
  app.click({Ctl::C_ding, 2});
  EXPECT_EQ(app.frame().page, 3);
  EXPECT_EQ(app.frame().ding[2].colour, kNeutral);
  app.advance_time(500);
  EXPECT_EQ(app.light_count(), 10);
  EXPECT_EQ(app.timers().interval(TimerId::Shan), 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(app.frame().ding[static_cast<std::size_t>(i)].colour, kNeutral);
  EXPECT_EQ(app.frame().ding[3].colour, kKeep);
  app.click({Ctl::C_ding, 2});
  EXPECT_EQ(app.frame().page, 2);
  EXPECT_EQ(app.frame().ding[2].colour, kKeep);
  EXPECT_EQ(app.frame().ding[3].colour, kNeutral);
  EXPECT_TRUE(app.frame().ding[2].enabled);
}

TEST_F(AppTest, AdvertHoverRestoresAfterOneSecond) {
  app.start_without_window();
  app.hover({Ctl::L_ad, 1});
  EXPECT_EQ(app.frame().ad[1].fore, kAdvertRed);
  EXPECT_TRUE(app.frame().ad[1].underline);
  app.advance_time(600);
  app.hover({Ctl::L_ad, 2});  // restarts the delay
  app.advance_time(600);
  EXPECT_EQ(app.frame().ad[1].fore, kAdvertRed);
  app.advance_time(400);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_EQ(app.frame().ad[static_cast<std::size_t>(i)].fore, kAdvertBlue);
    EXPECT_FALSE(app.frame().ad[static_cast<std::size_t>(i)].underline);
  }
  EXPECT_EQ(app.timers().interval(TimerId::YanseHy), 0);
}

TEST_F(AppTest, LinksOpenOnlyWebAddresses) {
  app.start_without_window();
  app.click({Ctl::C_ding_an, 1});
  EXPECT_EQ(port.events, Events{"open " + app.links()[1]});
  port.events.clear();
  app.click({Ctl::L_ad, 1});  // no advert link yet
  app.open_link("file:///etc/passwd");
  app.open_link("calc.exe");
  app.open_link("http://");
  app.open_link("http://x\r\nfile:///etc/passwd");
  port.browser_works = false;
  app.open_link("https://example.com/");
  EXPECT_EQ(port.events, Events(5, "message 提示 出现错误，未能打开下载页面"));
  port.events.clear();
  app.click({Ctl::C_ding_an, 8});  // network state is not "ng"
  EXPECT_TRUE(port.events.empty());
  EXPECT_TRUE(app.frame().ding_an[1].enabled);
}

TEST_F(AppTest, CloseConfirmation) {
  app.start_without_window();
  port.answers = {false};
  app.close_request();
  EXPECT_FALSE(app.ended());
  app.close_request();
  EXPECT_TRUE(app.ended());
  EXPECT_EQ(port.events,
            (Events{"question 温馨提示 是否要关闭软件？ -> no", "question 温馨提示 是否要关闭软件？ -> yes", "quit"}));
}

TEST_F(AppTest, HelpButtonsShowTheirSectionOrThePicture) {
  app.start_without_window();
  app.click({Ctl::C_shuoming, 0});
  app.click({Ctl::C_shuoming, 6});
  EXPECT_TRUE(app.panel().picture_panel);
  app.click({Ctl::C_shuoming, 60});
  EXPECT_FALSE(app.panel().picture_panel);
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_TRUE(port.events[0].starts_with("message 温馨提示 [**q3杀直选**]\r\n\r\n"));
}

TEST_F(AppTest, EmptyRunsKeepEveryPickWithinTheOverallRange) {
  app.start_without_window();
  const int run_button[] = {0, 5, 10};
  for (int places = 3; places <= 5; ++places) {
    const int list = places - 3;
    const std::size_t lower = static_cast<std::size_t>(2 * list);
    app.panel().duijiang = {"", "123", "1234", "12345"};
    app.click({Ctl::C_jg_gn, run_button[list]});
    EXPECT_EQ(app.engine().matrix(Mode(list)).kept_count(), universe_size(places));
    EXPECT_EQ(app.panel().zhushu[static_cast<std::size_t>(list)].label.caption, std::to_string(universe_size(places)));
    EXPECT_EQ(app.panel().list_jg[static_cast<std::size_t>(list)].rows.front(), universe(places).lines[1]);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(app.panel().duijiang[static_cast<std::size_t>(k)], "");
    EXPECT_FALSE(port.progress_visible);

    app.panel().jg_rc[lower].text = "1";
    app.panel().jg_rc[lower + 1].text = "1";
    app.click({Ctl::C_jg_gn, run_button[list]});
    EXPECT_EQ(app.engine().matrix(Mode(list)).kept_count(), 0);
    EXPECT_EQ(app.panel().zhushu[static_cast<std::size_t>(list)].label.caption, "0");

    app.panel().jg_rc[lower].text = "0";
    app.panel().jg_rc[lower + 1].text = "0.5abc";
    app.click({Ctl::C_jg_gn, run_button[list]});
    EXPECT_EQ(app.engine().matrix(Mode(list)).kept_count(), universe_size(places));

    app.panel().jg_rc[lower].text = "2";
    app.panel().jg_rc[lower + 1].text = "1";
    app.click({Ctl::C_jg_gn, run_button[list]});
    EXPECT_EQ(app.engine().matrix(Mode(list)).kept_count(), 0);
  }
  EXPECT_TRUE(port.events.empty());
}

TEST_F(AppTest, SeparatorIsReadWhenTheListIsFilled) {
  app.start_without_window();
  app.click({Ctl::C_n_xuan_1, 6});
  app.click({Ctl::C_jg_gn, 0});
  EXPECT_EQ(app.panel().list_jg[0].rows[0], "010203");
  app.panel().n_xuan_1[4].colour = kKeep;
  app.panel().n_xuan_1[5].colour = kKeep;
  app.click({Ctl::C_jg_gn, 0});
  EXPECT_EQ(app.panel().list_jg[0].rows[719], "10,09,08");
}

}  // namespace
}  // namespace tesvik
