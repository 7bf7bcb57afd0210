// The network start-up through the batch runner against HTTP servers that
// the tests start on 127.0.0.1: what the notice file does, failing and
// silent servers, body limits and code pages, the single-instance lock and
// the install identifier.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "app/batch/batch_runner.h"
#include "app/net/qt_network.h"
#include "build_config.h"
#include "http_test_server.h"
#include "support/http_exchange.h"

namespace tesvik {
namespace {

using testing::refusing_base;
using testing::TestServer;

struct Result {
  int status;
  std::string out;
};

class NoticeServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "tesvik_tests";
    static char* argv[] = {name, nullptr};
    static auto* application = new QCoreApplication(argc, argv);  // for the life of the tests
    (void)application;
  }

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    config.primary = primary.base();
    config.secondary = secondary.base();
    config.settings_file = dir.filePath("settings.ini").toStdString();
    config.lock_file = dir.filePath("tesvik.lock").toStdString();
    // Answers arrive within milliseconds; the generous time-outs only
    // matter on a starved machine. The silent-server tests set short ones.
    config.fetch_timeout_ms = 20000;
    config.report_timeout_ms = 20000;
    primary.answer("/ip.asp", "");
    secondary.answer("/ip.asp", "");
  }

  Result run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = run_batch(in, out, err, config, blocking_network_ports);
    EXPECT_EQ(err.str(), "");
    return {status, out.str()};
  }
  // Runs the sequence with this notice file on the primary server.
  Result notice(const QByteArray& file, const std::string& then = "") {
    primary.answer("/pk10.txt", file);
    return run("network\n" + then);
  }
  std::string stored_id() {
    return QSettings(dir.filePath("settings.ini"), QSettings::IniFormat).value("Startup/key").toString().toStdString();
  }
  void store_id(const QString& id) {
    QSettings s(dir.filePath("settings.ini"), QSettings::IniFormat);
    s.setValue("Startup/key", id);
  }
  std::vector<QByteArray> paths(const TestServer& s) {
    std::vector<QByteArray> out;
    for (const auto& r : s.requests) out.push_back(r.method + " " + r.path);
    return out;
  }

  QTemporaryDir dir;
  TestServer primary, secondary;
  NoticeConfig config;
};

using Paths = std::vector<QByteArray>;
const std::string kFailure =
    "message \"提示\" \"联网失败，请按以下方法处理就能使用：\\r\\n路由器与电脑同时关机一分钟后再重启。\\r\\n"
    "【重点】路由器同时拔掉电源与网线一分钟\\r\\n-----\\r\\n如按上面的方法处理还不能用，那就24小时后再使用\"\n";

TEST_F(NoticeServer, OkAloneChangesNothingButTheStateAndReportsTheIdentifier) {
  const Result r = notice("[ok]", "print network\nprint Fmain\nprint C_ding_an 8\nprint L_ad 1\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "network state=\"ok\"\nFmain caption=\"Tesvik\"\n"
            "C_ding_an 8 colour=65280 caption=\"联网成功\" enabled=1 visible=1\n"
            "L_ad 1 caption=\"底部广告\" forecolour=16711680 underline=0 visible=1\n");
  ASSERT_EQ(paths(primary), (Paths{"GET /pk10.txt", "POST /ip.asp"}));
  EXPECT_TRUE(secondary.requests.empty());
  // The body goes with the GET too; only the POST names its form type.
  EXPECT_EQ(primary.requests[0].body, "id=");
  EXPECT_EQ(primary.requests[0].content_type, "");
  EXPECT_EQ(primary.requests[1].content_type, "application/x-www-form-urlencoded");
  EXPECT_EQ(primary.requests[1].body, "id=" + QByteArray::fromStdString(stored_id()));
}

TEST_F(NoticeServer, TitleRunsToItsSecondMarkerOrToTheEnd) {
  EXPECT_EQ(notice("[ok][biaoti]Title[biaoti] rest", "print Fmain\n").out,
            "title \"Title\"\nFmain caption=\"Title\"\n");
  EXPECT_EQ(notice("[ok][biaoti]Title\r\nrest", "print Fmain\n").out,
            "title \"Title\\r\\nrest\"\nFmain caption=\"Title\\r\\nrest\"\n");
}

TEST_F(NoticeServer, HiddenButtonsAreNamedByTheirDigits) {
  const std::string print = "print C_ding_an 1\nprint C_ding_an 3\nprint C_ding_an 5\nprint C_ding_an 8\n";
  std::string out = notice("[ok][yincang]35[yincang]", print).out;
  EXPECT_NE(out.find("C_ding_an 1 colour=14737632 caption=\"北京赛车PK10游戏规则\" enabled=1 visible=1"),
            std::string::npos);
  EXPECT_NE(out.find("C_ding_an 3 colour=14737632 caption=\"前四做号技巧\" enabled=1 visible=0"), std::string::npos);
  EXPECT_NE(out.find("C_ding_an 5 colour=14737632 caption=\"更多牛逼软件\" enabled=1 visible=0"), std::string::npos);
  EXPECT_NE(out.find("C_ding_an 8 colour=65280 caption=\"联网成功\" enabled=1 visible=1"), std::string::npos);
  for (const char* none : {"[ok][yincang]0[yincang]", "[ok][yincang]9[yincang]"})
    EXPECT_EQ(notice(none, print).out.find("visible=0"), std::string::npos) << none;
}

TEST_F(NoticeServer, EntriesSetCaptionsAndLinksInTheirOrder) {
  const Result r = notice(
      "[news]Hello[news][ok][name2]Rules[*]http://a.test/x[*]y[name2][name7]Chat[*]http://chat.test/[name7]"
      "[ad1]Buy[*]http://ad.test/1[ad1][tuichu_url]http://bye.test/[tuichu_url]",
      "print C_ding_an 2\nclick C_ding_an 2\nclick L_ad 1\nprint L_ad 1\nclose\n");
  EXPECT_EQ(r.out,
            "C_ding_an 2 colour=14737632 caption=\"Rules\" enabled=1 visible=1\n"
            "open \"http://a.test/x[*]y\"\nopen \"http://ad.test/1\"\n"
            "L_ad 1 caption=\"Buy\" forecolour=16711680 underline=0 visible=1\n"
            "question \"温馨提示\" \"是否要关闭软件？\" -> yes\nopen \"http://bye.test/\"\nquit\n");
}

TEST_F(NoticeServer, LinksOtherThanWebAddressesAreNotOpened) {
  const Result r =
      notice("[ok][ad2]Local[*]file:///etc/passwd[ad2][tuichu_url]calc.exe[tuichu_url]", "click L_ad 2\nclose\n");
  const std::string refused = "message \"提示\" \"出现错误，未能打开下载页面\"\n";
  EXPECT_EQ(r.out, refused + "question \"温馨提示\" \"是否要关闭软件？\" -> yes\n" + refused + "quit\n");
}

TEST_F(NoticeServer, AMalformedEntryEndsTheStepKeepingWhatCameBefore) {
  const Result r = notice(
      "[ok][biaoti]T[biaoti][name1]One[*]http://one.test/[name1][name2]no separator[name2]"
      "[tuichu_url]http://bye.test/[tuichu_url]",
      "print C_ding_an 1\nprint C_ding_an 2\nprint network\nclose\n");
  EXPECT_EQ(r.out,
            "title \"T\"\nC_ding_an 1 colour=14737632 caption=\"One\" enabled=1 visible=1\n"
            "C_ding_an 2 colour=14737632 caption=\"前三做号技巧\" enabled=1 visible=1\n"
            "network state=\"ok\"\nquestion \"温馨提示\" \"是否要关闭软件？\" -> yes\nquit\n");
  EXPECT_EQ(paths(primary).back(), "POST /ip.asp");  // the sequence goes on after the step
}

TEST_F(NoticeServer, VersionGate) {
  const std::string upgraded = "message \"温馨提示\" \"软件已升级，请下载最新版后再使用\"\n";
  EXPECT_EQ(notice("[ok][banben]20200327[banben][shengji]http://new.test/[shengji]", "print network\n").out,
            "network state=\"ok\"\n");
  EXPECT_EQ(notice("[ok][shengji]http://new.test/[shengji][banben]20200328[banben]", "print network\n").out,
            upgraded + "open \"http://new.test/\"\nquit\n");
  EXPECT_EQ(paths(primary).back(), "GET /pk10.txt");  // no report after the end
  EXPECT_EQ(notice("[ok][banben] 2.1e7\r\n[banben]", "print network\n").out, upgraded + "quit\n");  // no [shengji]
  EXPECT_EQ(notice("[ok][biaoti]T[biaoti][banben]soon[banben]", "print Fmain\n").out,
            "title \"T\"\nFmain caption=\"T\"\n");
}

TEST_F(NoticeServer, PrimaryWithoutOkOrWithAnErrorStatusGivesWayToTheSecondary) {
  secondary.answer("/pk10.txt", "[ok][biaoti]B[biaoti]");
  for (const TestServer::Answer& bad :
       {TestServer::Answer{200, "<html>busy</html>"}, TestServer::Answer{404, "[ok]"}}) {
    primary.requests.clear();
    secondary.requests.clear();
    primary.answer("/pk10.txt", bad);
    EXPECT_EQ(run("network\nprint network\n").out, "title \"B\"\nnetwork state=\"ok\"\n");
    EXPECT_EQ(paths(primary), Paths{"GET /pk10.txt"});
    EXPECT_EQ(paths(secondary), (Paths{"GET /pk10.txt", "POST /ip.asp"}));
  }
}

TEST_F(NoticeServer, BothFailingShowTheFailureAndTheDownloadPage) {
  config.primary = refusing_base();
  config.secondary = "";
  const Result r = run("network\nprint network\nprint C_ding_an 8\nclick C_ding_an 8\n");
  EXPECT_EQ(r.out.substr(0, kFailure.size()), kFailure);
  EXPECT_EQ(
      r.out.substr(kFailure.size()),
      "open \"" + std::string(build_config::kShareLink) +
          "\"\nnetwork state=\"ng\"\n"
          "C_ding_an 8 colour=255 caption=\"联网失败\" enabled=1 visible=1\n"
          "message \"提示\" \"联网失败，请按以下方法处理就能使用：\\r\\n路由器与电脑同时关机一分钟后再重启。\\r\\n"
          "【重点】路由器同时拔掉电源与网线一分钟\"\n");
  EXPECT_EQ(stored_id().size(), 15u);  // the identifier is made all the same
}

TEST_F(NoticeServer, SilentServersFailAfterTheirTimeOuts) {
  constexpr int kTimeout = 300;
  config.fetch_timeout_ms = kTimeout;
  primary.answer("/pk10.txt", {200, "", true});
  secondary.answer("/pk10.txt", {200, "", true});
  QElapsedTimer clock;
  clock.start();
  const Result r = run("network\nprint network\n");
  const qint64 elapsed = clock.elapsed();
  EXPECT_EQ(r.out.substr(0, kFailure.size()), kFailure);
  EXPECT_GE(elapsed, 2 * kTimeout * 9 / 10);
  EXPECT_LT(elapsed, 15000);  // bounded by the time-outs, not by the servers
  EXPECT_EQ(paths(primary), Paths{"GET /pk10.txt"});
  EXPECT_EQ(paths(secondary), Paths{"GET /pk10.txt"});

  // A silent primary gives way to an answering secondary.
  secondary.answer("/pk10.txt", "[ok]");
  EXPECT_EQ(run("network\nprint network\n").out, "network state=\"ok\"\n");
}

TEST_F(NoticeServer, BodiesOverTheLimitAreRefused) {
  QByteArray body = "[ok][biaoti]Big[biaoti]";
  body += QByteArray(static_cast<qsizetype>(kMaxBodyBytes) - body.size(), ' ');
  EXPECT_EQ(notice(body, "print network\n").out, "title \"Big\"\nnetwork state=\"ok\"\n");
  secondary.answer("/pk10.txt", body + " ");
  EXPECT_EQ(notice(body + " ", "print network\n").out.substr(0, kFailure.size()), kFailure);
}

TEST_F(NoticeServer, BodiesWithoutEndStopBeingReadAtTheLimitOrTheTimeOut) {
  using Body = TestServer::Body;
  secondary.answer("/pk10.txt", "[ok]");
  for (const Body kind : {Body::Chunked, Body::Endless}) {
    primary.streamed = 0;
    primary.answer("/pk10.txt", {200, {}, false, {}, kind});
    SCOPED_TRACE(kind == Body::Chunked ? "chunked" : "endless");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(run("network\nprint network\n").out, "network state=\"ok\"\n");
    // Refused at the limit, long before the time-out, and the socket is no
    // longer read: the server could send little beyond what its buffers hold.
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_GT(primary.streamed, static_cast<qint64>(kMaxBodyBytes));
    EXPECT_LT(primary.streamed, qint64{32} << 20);
  }
  constexpr int kTimeout = 700;
  config.fetch_timeout_ms = kTimeout;
  primary.answer("/pk10.txt", {200, {}, false, {}, Body::Trickle});
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(run("network\nprint network\n").out, "network state=\"ok\"\n");
  EXPECT_GE(clock.elapsed(), kTimeout * 9 / 10);
  EXPECT_LT(clock.elapsed(), 10000);
}

TEST_F(NoticeServer, RedirectsAreFollowedThreeTimesToWebAddressesOnly) {
  auto to = [](const std::string& where) {
    return TestServer::Answer{302, {}, false, QByteArray::fromStdString("Location: " + where + "\r\n")};
  };
  primary.answer("/pk10.txt", to("/r1"));
  primary.answer("/r1", to("/r2"));
  primary.answer("/r2", to(secondary.base() + "r3"));
  secondary.answer("/r3", "[ok][biaoti]Moved[biaoti]");
  EXPECT_EQ(run("network\n").out, "title \"Moved\"\n");
  secondary.answer("/r3", to("/r4"));
  secondary.answer("/r4", "[ok][biaoti]Too far[biaoti]");
  secondary.answer("/pk10.txt", "[ok]");
  EXPECT_EQ(run("network\nprint network\n").out, "network state=\"ok\"\n");
  primary.answer("/pk10.txt", to("file:///etc/passwd"));
  EXPECT_EQ(run("network\nprint network\n").out, "network state=\"ok\"\n");
  EXPECT_EQ(paths(secondary).back(), "POST /ip.asp");

  // The report follows a redirect on its own server only, and keeps its POST there.
  primary.requests.clear();
  secondary.requests.clear();
  primary.answer("/pk10.txt", "[ok]");
  primary.answer("/ip.asp", {307, {}, false, "Location: /ip2.asp\r\n"});
  EXPECT_EQ(run("network\n").out, "");
  EXPECT_EQ(paths(primary), (Paths{"GET /pk10.txt", "POST /ip.asp", "POST /ip2.asp"}));
  primary.requests.clear();
  primary.answer("/ip.asp", to(secondary.base() + "ip.asp"));
  EXPECT_EQ(run("network\n").out, "");
  EXPECT_EQ(paths(primary), (Paths{"GET /pk10.txt", "POST /ip.asp"}));
  EXPECT_TRUE(secondary.requests.empty());
}

TEST_F(NoticeServer, BodiesAreReadAsUtf8WhenValidElseAsGb18030) {
  const QString title = QString::fromUtf8("联网标题€");
  auto gb = QStringEncoder("GB18030");
  ASSERT_TRUE(gb.isValid());
  const QByteArray gb_body = "[ok][biaoti]" + QByteArray(gb(title)) + "[biaoti]";
  const std::string expected = "title \"联网标题€\"\n";
  EXPECT_EQ(notice(gb_body).out, expected);
  EXPECT_EQ(notice("\xEF\xBB\xBF[ok][biaoti]" + title.toUtf8() + "[biaoti]").out, expected);
}

TEST_F(NoticeServer, ASecondCopyIsRefusedAndAStaleLockIsTakenOver) {
  {
    QLockFile running(dir.filePath("tesvik.lock"));
    ASSERT_TRUE(running.tryLock(0));
    const NoticeConfig with_servers = config;
    for (const bool offline : {false, true}) {
      if (offline) config.primary = config.secondary = "";
      EXPECT_EQ(run("network\nprint network\n").out,
                "message \"错误提示\" \"本软件已经打开了，不要重复打开，本界面将自动关闭\"\nquit\n");
    }
    EXPECT_TRUE(primary.requests.empty());
    config = with_servers;
  }
  // A lock whose process has gone, as a crash leaves it.
  QFile stale(dir.filePath("tesvik.lock"));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("999999999\ntesvik\n\n");
  stale.close();
  EXPECT_EQ(notice("[ok]", "print network\n").out, "network state=\"ok\"\n");
}

TEST_F(NoticeServer, ASecondCopyAsksTheRunningCopyToShowItsWindow) {
  int raised = 0;
  QtNetworkPorts running(QtNetworkPorts::Wait::Async, config);
  running.on_raise_request([&raised] { ++raised; });
  ASSERT_FALSE(running.another_instance_running());
  QtNetworkPorts second(QtNetworkPorts::Wait::Async, config);
  EXPECT_TRUE(second.another_instance_running());
  QElapsedTimer clock;
  clock.start();
  while (raised == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(raised, 1);
  // The batch runner's check asks too, and the message is the same.
  EXPECT_EQ(run("network\n").out, "message \"错误提示\" \"本软件已经打开了，不要重复打开，本界面将自动关闭\"\nquit\n");
}

TEST_F(NoticeServer, OnlyALiveCopyCountsWhateverIsAtTheLockPath) {
  const QString lock = dir.filePath("tesvik.lock");
  auto starts = [&] { return notice("[ok]", "print network\n").out == "network state=\"ok\"\n"; };
  for (const QByteArray& content : {QByteArray(), QByteArray("\xFF\x00garbled\n-5\n")}) {
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    EXPECT_TRUE(starts()) << content.size();
    QFile::remove(lock);
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir("tesvik.lock"));
  EXPECT_TRUE(starts());
  ASSERT_TRUE(QDir(dir.path()).rmdir("tesvik.lock"));
  // A FIFO would make a plain open wait for a writer for ever.
  ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(starts());
  EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(NoticeServer, InstallIdentifierIsKeptFromTenCharactersAndExtendedBelow) {
  store_id("0123456789");
  notice("[ok]");
  EXPECT_EQ(stored_id(), "0123456789");
  EXPECT_EQ(primary.requests.back().body, "id=0123456789");

  store_id("abc");
  notice("[ok]");
  const std::string extended = stored_id();
  ASSERT_EQ(extended.size(), 18u);
  EXPECT_EQ(extended.substr(0, 3), "abc");

  store_id("");
  notice("[ok]");
  const std::string made = stored_id();
  ASSERT_EQ(made.size(), 15u);
  EXPECT_EQ(made.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_NE(made.find_first_not_of(made[0]), std::string::npos);  // not one digit fifteen times
  EXPECT_NE(made, extended.substr(3));
}

TEST_F(NoticeServer, WithoutAServerNothingIsFetchedAndTheButtonSaysOffline) {
  config.primary = config.secondary = "";
  const Result r = run("network\nprint network\nprint C_ding_an 8\nclick C_ding_an 8\nnetwork\n");
  EXPECT_EQ(r.out, "network state=\"\"\nC_ding_an 8 colour=14737632 caption=\"离线\" enabled=1 visible=1\n");
  EXPECT_EQ(stored_id().size(), 15u);
}

}  // namespace
}  // namespace tesvik
