// The network start-up inside the App with scripted ports: answers that
// arrive later, or while the user is in the middle of something.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "build_config.h"
#include "recording_port.h"

namespace tesvik {
namespace {

using Events = std::vector<std::string>;

// Holds every request until the test answers it.
struct HeldPorts : NetworkPorts {
  std::string stored_id;
  std::vector<HttpRequest> sent;
  std::vector<std::function<void(std::string)>> waiting;

  bool another_instance_running() override { return false; }
  std::string read_install_id() override { return stored_id; }
  bool save_install_id(std::string_view id) override {
    stored_id = id;
    return true;
  }
  void fetch(const HttpRequest& request, std::function<void(std::string)> done) override {
    sent.push_back(request);
    waiting.push_back(std::move(done));
  }
  void answer(const std::string& body) {
    auto done = std::move(waiting.front());
    waiting.erase(waiting.begin());
    done(body);
  }
};

// A port whose question box lets a network answer arrive while it waits,
// as the window's event loop would.
struct BusyPort : testing::RecordingPort {
  std::function<void()> while_asking;
  bool question(std::string_view title, std::string_view text) override {
    if (while_asking) std::exchange(while_asking, nullptr)();
    return RecordingPort::question(title, text);
  }
};

class NoticeClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    config.primary = "http://a.test/";
    config.secondary = "http://b.test/";
    app.attach_network(ports, config);
    app.start_without_window();
  }

  NoticeConfig config;

  BusyPort port;
  HeldPorts ports;
  App app{port};
};

TEST_F(NoticeClientTest, RunsOnTheFirstCaijiTickAndShowsWhichServerItWaitsFor) {
  App fresh(port);
  fresh.attach_network(ports, config);
  fresh.create();
  fresh.advance_time(549);
  EXPECT_TRUE(ports.sent.empty());
  fresh.advance_time(1);  // start-up at 50 ms armed Timer_caiji for 500 ms
  ASSERT_EQ(ports.sent.size(), 1u);
  EXPECT_EQ(ports.sent[0].url, "http://a.test/pk10.txt");
  EXPECT_EQ(fresh.timers().interval(TimerId::Caiji), 0);
  EXPECT_EQ(fresh.frame().ding_an[8].caption, "服务器A");
  fresh.advance_time(5000);
  EXPECT_EQ(ports.sent.size(), 1u);  // once per start
  ports.answer("");
  EXPECT_EQ(fresh.frame().ding_an[8].caption, "服务器B");
  EXPECT_EQ(ports.sent.back().url, "http://b.test/pk10.txt");
  ports.answer("[ok][biaoti]T[biaoti]");
  EXPECT_EQ(fresh.title(), "T");
  EXPECT_EQ(fresh.frame().ding_an[8].caption, "联网成功");
  // The report goes to the server that answered, with the identifier made meanwhile.
  ASSERT_EQ(ports.sent.size(), 3u);
  EXPECT_EQ(ports.sent[2].url, "http://b.test/ip.asp");
  EXPECT_EQ(ports.sent[2].body, "id=" + ports.stored_id);
  EXPECT_EQ(ports.sent[2].timeout_ms, 25000);
}

TEST_F(NoticeClientTest, TheUserWorksWhileTheNoticeLoads) {
  app.run_network();
  app.click({Ctl::C_annv, 49});  // kill 05 on the front-three page
  app.click({Ctl::C_jg_gn, 0});
  EXPECT_EQ(app.network_state(), "");
  ports.answer("[ok][biaoti]T[biaoti][yincang]1[yincang]");
  EXPECT_EQ(app.panel().annv[49].colour, kKill);
  EXPECT_EQ(app.panel().list_jg[0].rows.size(), 504u);
  EXPECT_FALSE(app.frame().ding_an[1].visible);
}

TEST_F(NoticeClientTest, AnAnswerDuringAQuestionWaitsUntilItIsAnswered) {
  app.run_network();
  ports.answer("");
  port.answers = {false};
  port.while_asking = [&] { ports.answer(""); };  // the secondary fails while the box is open
  app.close_request();
  EXPECT_EQ(port.events,
            (Events{"question 温馨提示 是否要关闭软件？ -> no",
                    "message 提示 联网失败，请按以下方法处理就能使用：\r\n路由器与电脑同时关机一分钟后再重启。\r\n"
                    "【重点】路由器同时拔掉电源与网线一分钟\r\n-----\r\n如按上面的方法处理还不能用，那就24小时后再使用",
                    "open " + std::string(build_config::kShareLink)}));
  EXPECT_EQ(app.network_state(), "ng");
}

TEST_F(NoticeClientTest, AnAnswerAfterTheProgramEndedChangesNothing) {
  app.run_network();
  port.while_asking = [&] { ports.answer("[ok][biaoti]T[biaoti]"); };
  app.close_request();
  EXPECT_EQ(port.events, (Events{"question 温馨提示 是否要关闭软件？ -> yes", "quit"}));
  EXPECT_EQ(app.network_state(), "");
  EXPECT_EQ(ports.sent.size(), 1u);
}

TEST(NoticeClientWithoutPorts, WorksOfflineAndSilently) {
  testing::RecordingPort port;
  App app(port);
  app.start_without_window();
  app.run_network();
  EXPECT_EQ(app.frame().ding_an[8].caption, "离线");
  EXPECT_EQ(app.frame().ding_an[8].colour, kNeutral);
  EXPECT_EQ(app.network_state(), "");
  EXPECT_TRUE(port.events.empty());
}

}  // namespace
}  // namespace tesvik
