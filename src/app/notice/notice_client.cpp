#include "app/notice/notice_client.h"

#include <random>

#include "app/colours.h"
#include "build_config.h"
#include "support/notice_file.h"
#include "support/text.h"

namespace tesvik {

namespace {

constexpr const char* kNoticeFile = "pk10.txt";
constexpr const char* kReportFile = "ip.asp";
constexpr std::size_t kShortestInstallId = 10;  // a shorter stored identifier is extended
constexpr int kInstallIdDigits = 15;
constexpr int kTopButtons = 8;  // C_ding_an 1..8; 7 names no button
constexpr int kNamedSlots = 7;  // "[name1]".."[name7]"
constexpr int kAdvertSlot = 9;  // L_ad i opens link slot 9 + i
constexpr int kExitSlot = 12;

constexpr const char* kErrorTitle = "错误提示";
constexpr const char* kOfflineTitle = "提示";
constexpr const char* kUpgradeTitle = "温馨提示";
constexpr const char* kSecondCopy = "本软件已经打开了，不要重复打开，本界面将自动关闭";
constexpr const char* kOffline =
    "联网失败，请按以下方法处理就能使用：\r\n路由器与电脑同时关机一分钟后再重启。\r\n"
    "【重点】路由器同时拔掉电源与网线一分钟\r\n-----\r\n如按上面的方法处理还不能用，那就24小时后再使用";
constexpr const char* kUpgraded = "软件已升级，请下载最新版后再使用";

// Decimal digits from the system's random source; empty if it fails.
std::string random_digits(int count) {
  try {
    std::random_device source;
    std::uniform_int_distribution<int> digit(0, 9);
    std::string out;
    for (int i = 0; i < count; ++i) out += static_cast<char>('0' + digit(source));
    return out;
  } catch (...) {
    return {};
  }
}

}  // namespace

void NoticeClient::start() {
  if (started_) return;
  started_ = true;
  const auto busy = gate_.hold();
  if (refuse_second_copy()) return;
  if (!config_.has_server()) {
    frame_.set_network_status("离线", kNeutral);
    make_install_id();
    return;
  }
  fetch_notice(0);
}

bool NoticeClient::refuse_second_copy() {
  if (!ports_ || !ports_->another_instance_running()) return false;
  port_.message(kErrorTitle, kSecondCopy);
  hooks_.end_program();
  return true;
}

void NoticeClient::fetch_notice(int server) {
  frame_.set_network_status(server == 0 ? "服务器A" : "服务器B", kKill);
  base_url_ = server == 0 ? config_.primary : config_.secondary;
  auto next = [this, server](const std::string& text) { notice_answer(server, text); };
  if (base_url_.empty()) next({});
  else request("GET", base_url_ + kNoticeFile, "", config_.fetch_timeout_ms, std::move(next));
}

void NoticeClient::notice_answer(int server, const std::string& text) {
  if (!notice_valid(text)) {
    if (server == 0) fetch_notice(1);
    else notice_failed();
    return;
  }
  apply_notice(text);
  if (hooks_.ended()) return;
  make_install_id();
  send_report();
}

void NoticeClient::notice_failed() {
  frame_.set_network_state("ng");
  frame_.set_network_status("联网失败", kExclude);
  port_.pump();
  port_.message(kOfflineTitle, kOffline);
  frame_.open_link(build_config::kShareLink);
  make_install_id();
}

void NoticeClient::apply_notice(std::string_view text) {
  frame_.set_network_state("ok");
  frame_.set_network_status("联网成功", kKeep);
  FrameState& f = frame_.state();
  if (const auto title = notice_entry(text, "[biaoti]")) frame_.set_title(std::string(*title));
  if (const auto hidden = notice_entry(text, "[yincang]"))
    for (int n = 1; n <= kTopButtons; ++n)
      if (n != 7 && hidden->find(static_cast<char>('0' + n)) != std::string_view::npos)
        f.ding_an[static_cast<std::size_t>(n)].visible = false;
  // A value without its "[*]" ends the step; what came before stays.
  for (int n = 1; n <= kNamedSlots; ++n) {
    const auto entry = notice_entry(text, "[name" + std::to_string(n) + "]");
    if (!entry) continue;
    const auto parts = split_caption_link(*entry);
    if (!parts) return;
    if (n != 7) f.ding_an[static_cast<std::size_t>(n)].caption = parts->caption;
    frame_.set_link(n, std::string(parts->link));
  }
  if (const auto exit_link = notice_entry(text, "[tuichu_url]")) frame_.set_link(kExitSlot, std::string(*exit_link));
  for (int i = 1; i <= 2; ++i) {
    const auto entry = notice_entry(text, "[ad" + std::to_string(i) + "]");
    if (!entry) continue;
    const auto parts = split_caption_link(*entry);
    if (!parts) return;
    f.ad[static_cast<std::size_t>(i)].caption = parts->caption;
    frame_.set_link(kAdvertSlot + i, std::string(parts->link));
  }
  if (const auto news = notice_entry(text, "[news]")) f.news = *news;
  if (const auto upgrade = notice_entry(text, "[shengji]")) upgrade_link_ = *upgrade;
  const auto version = notice_entry(text, "[banben]");
  if (!version) return;
  latest_version_ = *version;
  const auto number = notice_number(*version);
  if (!number || *number <= kBuildVersion) return;
  port_.pump();
  port_.message(kUpgradeTitle, kUpgraded);
  frame_.open_link(upgrade_link_);
  hooks_.end_program();
}

void NoticeClient::make_install_id() {
  if (!ports_) return;
  std::string id = ports_->read_install_id();
  if (character_count(id) < kShortestInstallId) {
    const std::string digits = random_digits(kInstallIdDigits);
    if (!digits.empty()) {
      id += digits;
      ports_->save_install_id(id);
    }
  }
  install_id_ = std::move(id);
}

void NoticeClient::send_report() {
  request("POST", base_url_ + kReportFile, install_id_, config_.report_timeout_ms, [](const std::string&) {});
}

void NoticeClient::request(std::string_view mode, std::string url, std::string_view data, int timeout_ms,
                           std::function<void(const std::string&)> next) {
  auto deliver = [this, next = std::move(next)](std::string body) {
    gate_.when_idle([this, next, body = std::move(body)] {
      if (hooks_.ended()) return;
      const auto busy = gate_.hold();
      next(body);
    });
  };
  if (!ports_) return deliver({});
  ports_->fetch(form_request(mode, std::move(url), data, timeout_ms), std::move(deliver));
}

}  // namespace tesvik
