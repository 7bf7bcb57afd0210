#include "app/frame/frame.h"

#include <algorithm>

#include "app/pages/mode_table.h"
#include "app/while_disabled.h"
#include "build_config.h"
#include "support/web_link.h"

namespace tesvik {

namespace {

constexpr const char* kProductTitle = "Tesvik";
constexpr const char* kLinkTitle = "提示";
constexpr int kLightSteps = 10;  // ticks of the light sequence
constexpr int kLightGate = 9;    // mode buttons react from this count on

}  // namespace

Button* Frame::button(ControlRef c) {
  const auto i = static_cast<std::size_t>(c.index);
  switch (c.array) {
    case Ctl::C_ding: return &state_.ding.at(i);
    case Ctl::C_ding_an: return &state_.ding_an.at(i);
    case Ctl::C1: return &state_.c1;
    default: return nullptr;
  }
}

Label* Frame::label(ControlRef c) {
  return c.array == Ctl::L_ad ? &state_.ad.at(static_cast<std::size_t>(c.index)) : nullptr;
}

void Frame::create() {
  static constexpr const char* kSixCaption = "前六";
  for (const ModeInfo& m : kModeTable)
    state_.ding[static_cast<std::size_t>(m.page)] = {kNeutral, std::string(m.caption)};
  state_.ding[3] = {kKeep, kSixCaption};
  static constexpr const char* kLinkCaptions[] = {
      "", "北京赛车PK10游戏规则", "前三做号技巧", "前四做号技巧", "前五做号技巧", "更多牛逼软件"};
  for (int i = 1; i <= 5; ++i) state_.ding_an[static_cast<std::size_t>(i)] = {kNeutral, kLinkCaptions[i]};
  state_.ding_an[6] = {kNeutral, build_config::kContact};
  state_.ding_an[8] = {kKill, "正在联网"};
  state_.ding_an[0].visible = state_.ding_an[7].visible = false;  // no such buttons
  for (int i = 1; i <= 2; ++i) state_.ad[static_cast<std::size_t>(i)] = {"底部广告", kAdvertBlue, false, true};
  state_.ad[0].visible = false;
  state_.c1 = {kNeutral, "C1"};
  state_.caption = kProductTitle;
  state_.page = 3;
}

void Frame::load_links_and_title() {
  lianjie_.fill({});
  for (int i = 1; i <= 6; ++i) lianjie_[static_cast<std::size_t>(i)] = build_config::kShareLink;
  lianjie_[7] = build_config::kChatLink;
  lianjie_[8] = build_config::kShareLink;
  ruanjian_biaoti_ = kProductTitle;
}

bool Frame::light_tick() {
  ++shan_cishu_;
  for (Button& b : state_.ding) b.colour = kNeutral;
  state_.ding[static_cast<std::size_t>(shan_cishu_ % 4)].colour = kKeep;
  if (shan_cishu_ < kLightSteps) return true;
  state_.ding[2].colour = kNeutral;
  state_.ding[3].colour = kKeep;
  return false;
}

void Frame::show_progress(int value, int mode) {
  if (mode == 1) state_.progress_visible = true;
  else if (mode == 0) state_.progress_visible = false;
  else state_.progress_percent = std::clamp(value, 0, 255);
  port_.show_progress(state_.progress_visible, std::min(state_.progress_percent, 100));
  port_.pump();
}

void Frame::open_link(std::string_view url) {
  if (url.empty()) return;
  if (!is_web_link(url) || !port_.open_link(url)) port_.message(kLinkTitle, "出现错误，未能打开下载页面");
}

void Frame::click(ControlRef c) {
  switch (c.array) {
    case Ctl::C_ding: switch_page(c.index); break;
    case Ctl::C_ding_an: click_top_button(c.index); break;
    case Ctl::L_ad: open_link(lianjie_[static_cast<std::size_t>(9 + c.index)]); break;
    default: break;
  }
}

void Frame::switch_page(int page) {
  if (shan_cishu_ < kLightGate) return;
  Button& b = state_.ding[static_cast<std::size_t>(page)];
  while_disabled(b, [&] {
    for (Button& d : state_.ding) d.colour = kNeutral;
    state_.page = page;
    b.colour = kKeep;
    port_.pump();
  });
}

void Frame::click_top_button(int index) {
  Button& b = state_.ding_an[static_cast<std::size_t>(index)];
  while_disabled(b, [&] {
    if (index >= 1 && index <= 6) {
      open_link(lianjie_[static_cast<std::size_t>(index)]);
    } else if (index == 8 && network_state_ == "ng") {
      port_.message(kLinkTitle,
                    "联网失败，请按以下方法处理就能使用：\r\n路由器与电脑同时关机一分钟后再重启。\r\n"
                    "【重点】路由器同时拔掉电源与网线一分钟");
    }
  });
}

void Frame::set_title(std::string title) {
  ruanjian_biaoti_ = std::move(title);
  state_.caption = ruanjian_biaoti_;
  port_.title_changed(ruanjian_biaoti_);
}

void Frame::set_network_status(std::string caption, Colour colour) {
  state_.ding_an[8].caption = std::move(caption);
  state_.ding_an[8].colour = colour;
}

void Frame::hover(ControlRef c) {
  Label& l = state_.ad.at(static_cast<std::size_t>(c.index));
  l.fore = kAdvertRed;
  l.underline = true;
}

void Frame::restore_adverts() {
  for (int i = 1; i <= 2; ++i) {
    state_.ad[static_cast<std::size_t>(i)].fore = kAdvertBlue;
    state_.ad[static_cast<std::size_t>(i)].underline = false;
  }
}

}  // namespace tesvik
