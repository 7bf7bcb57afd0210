#include "app/app.h"

#include <exception>

#include "app/page_tables.h"
#include "app/panel_actions.h"
#include "build_config.h"
#include "filter/compound_list_3x.h"
#include "filter/master_switch.h"
#include "model/number_text.h"
#include "model/universe.h"
#include "support/text.h"

namespace tesvik {

namespace {

constexpr const char* kProductTitle = "Tesvik";
constexpr const char* kLinkTitle = "提示";
constexpr int kLightSteps = 10;   // ticks of the light sequence
constexpr int kLightGate = 9;     // mode buttons react from this count on

// Runs a handler with the button disabled, enabling it again afterwards
// whatever the handler did.
template <typename F>
void while_disabled(Button& b, F&& handler) {
  b.enabled = false;
  try {
    handler();
  } catch (...) {
    b.enabled = true;
    throw;
  }
  b.enabled = true;
}

bool is_web_link(std::string_view url) { return url.starts_with("http://") || url.starts_with("https://"); }

template <typename T, std::size_t N>
T* element(std::array<T, N>& a, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < N ? &a[static_cast<std::size_t>(i)] : nullptr;
}

template <typename T>
T* element(std::vector<T>& v, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

}  // namespace

App::App(UserPort& port) : port_(port), panel_(PanelState::initial()) {}

void App::create() {
  static constexpr const char* kModes[] = {"精确前三", "精确前四", "前五", "前六"};
  for (int i = 0; i < 4; ++i) frame_.ding[static_cast<std::size_t>(i)] = {kNeutral, kModes[i]};
  frame_.ding[3].colour = kKeep;
  static constexpr const char* kLinkCaptions[] = {"",         "北京赛车PK10游戏规则", "前三做号技巧", "前四做号技巧",
                                                  "前五做号技巧", "更多牛逼软件"};
  for (int i = 1; i <= 5; ++i) frame_.ding_an[static_cast<std::size_t>(i)] = {kNeutral, kLinkCaptions[i]};
  frame_.ding_an[6] = {kNeutral, build_config::kContact};
  frame_.ding_an[8] = {kKill, "正在联网"};
  frame_.ding_an[0].visible = frame_.ding_an[7].visible = false;  // no such buttons
  for (int i = 1; i <= 2; ++i) frame_.ad[static_cast<std::size_t>(i)] = {"底部广告", kAdvertBlue, false, true};
  frame_.ad[0].visible = false;
  frame_.c1 = {kNeutral, "C1"};
  frame_.caption = kProductTitle;
  frame_.page = 3;
  timers_.set_interval(TimerId::Shan, 100);
  timers_.set_interval(TimerId::Load, 50);
}

void App::start_without_window() {
  create();
  timer_tick(TimerId::Load);
  while (timers_.interval(TimerId::Shan) > 0) timer_tick(TimerId::Shan);
  timers_.set_interval(TimerId::Caiji, 0);
}

void App::advance_time(std::int64_t ms) {
  timers_.advance(ms, [this](TimerId id) { timer_tick(id); });
}

void App::timer_tick(TimerId id) {
  switch (id) {
    case TimerId::Load: run_startup(); break;
    case TimerId::Shan: light_tick(); break;
    case TimerId::Caiji: timers_.set_interval(TimerId::Caiji, 0); break;  // one shot, for the network start-up
    case TimerId::YanseHy:
      timers_.set_interval(TimerId::YanseHy, 0);
      restore_adverts();
      break;
  }
}

void App::run_startup() {
  timers_.set_interval(TimerId::Load, 0);
  frame_.overlay = true;
  port_.pump();
  engine_ = FilterEngine();
  for (const Block& b : page_table(3).blocks)
    for (const ButtonRow& r : b.rows)
      if (r.captions_at_startup)
        for (int i = r.first; i <= r.last; ++i)
          panel_.annv.at(static_cast<std::size_t>(i)).caption = r.captions[static_cast<std::size_t>(i - r.first)];
  for (ComboBox& c : panel_.rc) {
    c.items.clear();
    for (int v = 0; v <= 6; ++v) c.items.push_back(std::to_string(v));
  }
  for (ComboBox& c : panel_.jg_rc) {
    c.items.clear();
    for (int v = 0; v <= 20; ++v) c.items.push_back(std::to_string(v));
  }
  for (int places = 3; places <= 5; ++places) universe(places);
  lianjie_.fill({});
  for (int i = 1; i <= 6; ++i) lianjie_[static_cast<std::size_t>(i)] = build_config::kShareLink;
  lianjie_[7] = build_config::kChatLink;
  lianjie_[8] = build_config::kShareLink;
  ruanjian_biaoti_ = kProductTitle;
  timers_.set_interval(TimerId::Caiji, 500);
  frame_.overlay = false;
}

void App::light_tick() {
  ++shan_cishu_;
  for (Button& b : frame_.ding) b.colour = kNeutral;
  frame_.ding[static_cast<std::size_t>(shan_cishu_ % 4)].colour = kKeep;
  if (shan_cishu_ >= kLightSteps) {
    timers_.set_interval(TimerId::Shan, 0);
    frame_.ding[2].colour = kNeutral;
    frame_.ding[3].colour = kKeep;
  }
}

void App::show_progress(int value, int mode) {
  if (mode == 1) frame_.progress_visible = true;
  else if (mode == 0) frame_.progress_visible = false;
  else frame_.progress_percent = std::clamp(value, 0, 255);
  port_.show_progress(frame_.progress_visible, std::min(frame_.progress_percent, 100));
  port_.pump();
}

void App::open_link(std::string_view url) {
  if (url.empty()) return;
  if (!is_web_link(url) || !port_.open_link(url)) port_.message(kLinkTitle, "出现错误，未能打开下载页面");
}

FilterContext App::filter_context() {
  return {panel_, engine_, port_, [this](int value, int mode) { show_progress(value, mode); }, tishi_xinxi_};
}

void App::switch_page(int page) {
  if (shan_cishu_ < kLightGate) return;
  Button& b = frame_.ding[static_cast<std::size_t>(page)];
  while_disabled(b, [&] {
    for (Button& d : frame_.ding) d.colour = kNeutral;
    frame_.page = page;
    b.colour = kKeep;
    port_.pump();
  });
}

void App::click_top_button(int index) {
  Button& b = frame_.ding_an[static_cast<std::size_t>(index)];
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

void App::click_help(int index) {
  Button& b = panel_.shuoming[static_cast<std::size_t>(index)];
  while_disabled(b, [&] {
    if (index == 6 || index == 25 || index == 47) panel_.picture_panel = true;
    else if (index == 60) panel_.picture_panel = false;
    else port_.message(kNoticeTitle, "没有找到此说明数据");
  });
}

Button* App::button_of(ControlRef c) {
  switch (c.array) {
    case Ctl::C_annv: return element(panel_.annv, c.index);
    case Ctl::C_annv_chu: return element(panel_.annv_chu, c.index);
    case Ctl::C_cls: return element(panel_.cls, c.index);
    case Ctl::C_n_xuan_1: return element(panel_.n_xuan_1, c.index);
    case Ctl::C_jg_gn: return element(panel_.jg_gn, c.index);
    case Ctl::C_q3_nei: return c.index == 5 ? nullptr : element(panel_.q3_nei, c.index);
    case Ctl::C_ding: return element(frame_.ding, c.index);
    case Ctl::C_ding_an: return c.index == 0 || c.index == 7 ? nullptr : element(frame_.ding_an, c.index);
    case Ctl::C_shuoming: return element(panel_.shuoming, c.index);
    case Ctl::C1: return &frame_.c1;
    default: return nullptr;
  }
}

ComboBox* App::combo_of(ControlRef c) {
  switch (c.array) {
    case Ctl::Comb_rc: return element(panel_.rc, c.index);
    case Ctl::Comb_jg_rc: return element(panel_.jg_rc, c.index);
    default: return nullptr;
  }
}

std::string* App::text_of(ControlRef c) {
  switch (c.array) {
    case Ctl::T_nei_txt_ip: return element(panel_.txt_ip, c.index);
    case Ctl::T_duijiang: return c.index == 0 ? nullptr : element(panel_.duijiang, c.index);
    default: {
      ComboBox* box = combo_of(c);
      return box ? &box->text : nullptr;
    }
  }
}

ListBox* App::list_of(ControlRef c) {
  switch (c.array) {
    case Ctl::List_nei: return &panel_.list_nei;
    case Ctl::List_jg: return element(panel_.list_jg, c.index);
    default: return nullptr;
  }
}

Label* App::label_of(ControlRef c) {
  switch (c.array) {
    case Ctl::L_ad: return c.index == 0 ? nullptr : element(frame_.ad, c.index);
    case Ctl::L_jg_zhushu: return element(panel_.zhushu, c.index);
    default: return nullptr;
  }
}

void App::click(ControlRef c) {
  if (ended_) return;
  if (!button_of(c) && c.array != Ctl::L_ad) return;
  switch (c.array) {
    case Ctl::C_annv: toggle_kill(panel_, c.index); break;
    case Ctl::C_annv_chu: toggle_keep(panel_, c.index); break;
    case Ctl::C_cls: perform_clear(panel_, c.index); break;
    case Ctl::C_n_xuan_1: choose_option(panel_, c.index); break;
    case Ctl::C_jg_gn: {
      FilterContext ctx = filter_context();
      while_disabled(*button_of(c), [&] { master_switch(ctx, c.index); });
      break;
    }
    case Ctl::C_q3_nei:
      while_disabled(*button_of(c), [&] {
        switch (c.index) {
          case 2: add_compound_3x(panel_); break;
          case 3: delete_compound_3x(panel_); break;
          case 4: clear_compounds_3x(panel_); break;
          default: switch_sub_panel(panel_, c.index); break;
        }
      });
      break;
    case Ctl::C_ding: switch_page(c.index); break;
    case Ctl::C_ding_an: click_top_button(c.index); break;
    case Ctl::C_shuoming: click_help(c.index); break;
    case Ctl::L_ad:
      if (c.index == 1 || c.index == 2) open_link(lianjie_[static_cast<std::size_t>(9 + c.index)]);
      break;
    default: break;
  }
}

void App::double_click(ControlRef c) {
  if (c.array != Ctl::T_nei_txt_ip) return;
  if (std::string* text = text_of(c)) text->clear();
}

void App::hover(ControlRef c) {
  if (c.array != Ctl::L_ad || (c.index != 1 && c.index != 2)) return;
  Label& l = frame_.ad[static_cast<std::size_t>(c.index)];
  l.fore = kAdvertRed;
  l.underline = true;
  timers_.set_interval(TimerId::YanseHy, 1000);
}

void App::restore_adverts() {
  for (int i = 1; i <= 2; ++i) {
    frame_.ad[static_cast<std::size_t>(i)].fore = kAdvertBlue;
    frame_.ad[static_cast<std::size_t>(i)].underline = false;
  }
}

void App::set_text(ControlRef c, std::string text) {
  if (std::string* box = text_of(c)) *box = std::move(text);
}

void App::type_text(ControlRef c, std::string_view utf8) {
  std::string* box = text_of(c);
  if (!box) return;
  const bool multi_line = c.array == Ctl::T_nei_txt_ip;
  const bool prize = c.array == Ctl::T_duijiang;
  // Longest text the prize box takes by typing: 3, 4 or 5 digits.
  const std::size_t prize_limit = static_cast<std::size_t>(c.index) + 2;
  char previous = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::string_view ch = character_at(utf8, i);
    i += ch.size();
    const char c0 = ch.size() == 1 ? ch[0] : 0;
    const char before = previous;
    previous = c0;
    if (c0 == '\b') {
      *box = drop_last_character(*box);
      continue;
    }
    if (prize) {
      if (c0 == '.') *box += '.';
      else if (c0 >= '0' && c0 <= '9' && character_count(*box) < prize_limit) *box += c0;
      continue;
    }
    if (c0 == '\r' || c0 == '\n') {
      if (multi_line && !(c0 == '\n' && before == '\r')) *box += "\r\n";
      continue;
    }
    *box += ch;
  }
}

void App::select_row(ControlRef c, int row) {
  ListBox* list = list_of(c);
  if (!list) return;
  list->selected = row >= 0 && static_cast<std::size_t>(row) < list->rows.size() ? row : -1;
}

void App::close_request() {
  if (ended_) return;
  if (!port_.question(kNoticeTitle, "是否要关闭软件？")) return;
  open_link(lianjie_[12]);
  ended_ = true;
  port_.quit();
}

}  // namespace tesvik
