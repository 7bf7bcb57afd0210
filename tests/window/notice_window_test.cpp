// The network start-up in the real window, against servers on 127.0.0.1:
// the window keeps working while a server is silent, and shows what the
// notice file says once it arrives. These tests wait in real time, bounded
// by the time-outs they set.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

#include "../http_test_server.h"
#include "../recording_port.h"
#include "app/net/qt_network.h"
#include "app/window/main_window.h"

namespace tesvik {
namespace {

class NoticeWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    config.settings_file = dir.filePath("settings.ini").toStdString();
    config.lock_file = dir.filePath("tesvik.lock").toStdString();
  }
  // Shows the started window and runs the network start-up against config.
  void start() {
    network.emplace(QtNetworkPorts::Wait::Async, config);
    network->after_answer([this] { window.sync(); });
    window.app().attach_network(*network, config);
    window.show();
    window.app().start_without_window();
    window.app().run_network();
    window.sync();
  }
  // Runs the event loop until done() or the limit; the longest pass it saw.
  qint64 run_until(const std::function<bool()>& done, qint64 limit_ms) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    while (!done() && clock.elapsed() < limit_ms) {
      QTest::qWait(5);
      longest = std::max(longest, clock.elapsed() - last);
      last = clock.elapsed();
    }
    return longest;
  }
  template <typename W = QPushButton>
  W* widget(Ctl array, int index) {
    return qobject_cast<W*>(window.bindings().widget({array, index}));
  }

  QTemporaryDir dir;
  NoticeConfig config;
  testing::RecordingPort port;
  std::optional<QtNetworkPorts> network;  // made by start(); goes after the window that holds it
  MainWindow window{port};
};

TEST_F(NoticeWindow, ClicksAreHandledWhileTheServerIsSilent) {
  testing::TestServer silent;
  silent.answer("/pk10.txt", {200, "", true});
  constexpr int kTimeout = 2000;
  config.primary = silent.base();
  config.secondary = testing::refusing_base();
  config.fetch_timeout_ms = kTimeout;
  QElapsedTimer clock;
  clock.start();
  start();
  EXPECT_EQ(widget(Ctl::C_ding_an, 8)->text(), "服务器A");

  bool clicked_while_waiting = false;
  QTimer::singleShot(10, &window, [&] {
    QTest::mouseClick(widget(Ctl::C_ding, 0), Qt::LeftButton);
    clicked_while_waiting = window.app().network_state().empty();
  });
  const qint64 longest_pass = run_until([&] { return window.app().network_state() == "ng"; }, 10 * kTimeout);
  const qint64 elapsed = clock.elapsed();

  EXPECT_TRUE(clicked_while_waiting);
  EXPECT_EQ(window.app().frame().page, 0);
  // A request that blocked the window would show as one pass of the whole time-out.
  EXPECT_LT(longest_pass, kTimeout / 2);
  EXPECT_GE(elapsed, kTimeout * 9 / 10);
  EXPECT_EQ(window.app().network_state(), "ng");
  EXPECT_EQ(widget(Ctl::C_ding_an, 8)->text(), "联网失败");
  ASSERT_EQ(port.events.size(), 2u);
  EXPECT_EQ(port.events[0].rfind("message 提示 联网失败", 0), 0u);
  EXPECT_EQ(port.events[1].rfind("open http", 0), 0u);
  std::printf(
      "[ timing ] silent primary, refused secondary: 联网失败 after %lld ms (time-out %d ms), "
      "longest event-loop pass %lld ms\n",
      static_cast<long long>(elapsed), kTimeout, static_cast<long long>(longest_pass));
}

TEST_F(NoticeWindow, TheNoticeShowsOnTheWindow) {
  testing::TestServer server;
  server.answer("/pk10.txt",
                "[ok][biaoti]窗口[biaoti][yincang]5[yincang][name1]规则[*]http://r.test/[name1]"
                "[ad2]<b>粗</b>[*]http://ad.test/[ad2][news]今日<i>新闻</i>[news]");
  server.answer("/ip.asp", "");
  config.primary = server.base();
  start();
  run_until([&] { return server.requests.size() == 2; }, 20000);
  EXPECT_EQ(window.windowTitle(), "窗口");
  EXPECT_EQ(widget(Ctl::C_ding_an, 1)->text(), "规则");
  EXPECT_TRUE(widget(Ctl::C_ding_an, 5)->isHidden());
  EXPECT_FALSE(widget(Ctl::C_ding_an, 4)->isHidden());
  EXPECT_EQ(widget(Ctl::C_ding_an, 8)->text(), "联网成功");
  // Texts from the server show as they are, never as markup.
  auto* advert = widget<QLabel>(Ctl::L_ad, 2);
  EXPECT_EQ(advert->text(), "<b>粗</b>");
  EXPECT_EQ(advert->textFormat(), Qt::PlainText);
  auto* news = window.findChild<QLabel*>("news");
  ASSERT_NE(news, nullptr);
  EXPECT_EQ(news->text(), "今日<i>新闻</i>");
  EXPECT_EQ(news->textFormat(), Qt::PlainText);
}

}  // namespace
}  // namespace tesvik
