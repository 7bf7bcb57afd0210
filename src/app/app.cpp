#include "app/app.h"

#include "app/control_table.h"
#include "model/universe.h"

namespace tesvik {

App::App(UserPort& port)
    : port_(port), frame_(port), notice_(port, frame_, gate_, {[this] { return ended_; }, [this] { end_program(); }}) {}

void App::end_program() {
  ended_ = true;
  port_.quit();
}

void App::create() {
  frame_.create();
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
  const auto busy = gate_.hold();
  timers_.advance(ms, [this](TimerId id) { timer_tick(id); });
}

void App::timer_tick(TimerId id) {
  switch (id) {
    case TimerId::Load: run_startup(); break;
    case TimerId::Shan:
      if (!frame_.light_tick()) timers_.set_interval(TimerId::Shan, 0);
      break;
    case TimerId::Caiji:  // one shot
      timers_.set_interval(TimerId::Caiji, 0);
      notice_.start();
      break;
    case TimerId::YanseHy:
      timers_.set_interval(TimerId::YanseHy, 0);
      frame_.restore_adverts();
      break;
  }
}

void App::run_startup() {
  timers_.set_interval(TimerId::Load, 0);
  frame().overlay = true;
  port_.pump();
  pages_.load();
  for (Mode m : kConditionModes) universe(m);
  frame_.load_links_and_title();
  timers_.set_interval(TimerId::Caiji, 500);
  frame().overlay = false;
}

PageContext App::page_context() {
  return {pages_.panel(), pages_.engine(), port_, [this](int value, int mode) { show_progress(value, mode); },
          tishi_xinxi_};
}

Button* App::button_of(ControlRef c) {
  if (!control_exists(c)) return nullptr;
  return control_array(c.array).owner == Owner::Frame ? frame_.button(c) : pages_.button(c);
}

ComboBox* App::combo_of(ControlRef c) { return control_exists(c) ? pages_.combo(c) : nullptr; }

std::string* App::text_of(ControlRef c) { return control_exists(c) ? pages_.text(c) : nullptr; }

ListBox* App::list_of(ControlRef c) { return control_exists(c) ? pages_.list(c) : nullptr; }

Label* App::label_of(ControlRef c) {
  if (!control_exists(c)) return nullptr;
  return control_array(c.array).owner == Owner::Frame ? frame_.label(c) : pages_.label(c);
}

void App::click(ControlRef c) {
  if (ended_ || !control_exists(c)) return;
  const auto busy = gate_.hold();
  if (control_array(c.array).owner == Owner::Frame) {
    frame_.click(c);
    return;
  }
  PageContext ctx = page_context();
  pages_.click(c, ctx);
}

void App::double_click(ControlRef c) {
  const auto busy = gate_.hold();
  if (control_exists(c)) pages_.double_click(c);
}

void App::hover(ControlRef c) {
  if (c.array != Ctl::L_ad || !control_exists(c)) return;
  frame_.hover(c);
  timers_.set_interval(TimerId::YanseHy, 1000);
}

void App::set_text(ControlRef c, std::string text) {
  if (std::string* box = text_of(c)) *box = std::move(text);
}

void App::type_text(ControlRef c, std::string_view utf8) {
  const auto busy = gate_.hold();
  if (control_exists(c)) pages_.type_text(c, utf8);
}

void App::select_row(ControlRef c, int row) {
  ListBox* list = list_of(c);
  if (!list) return;
  list->selected = row >= 0 && static_cast<std::size_t>(row) < list->rows.size() ? row : -1;
}

void App::close_request() {
  if (ended_) return;
  const auto busy = gate_.hold();
  if (!port_.question(kNoticeTitle, "是否要关闭软件？")) return;
  frame_.open_exit_link();
  end_program();
}

}  // namespace tesvik
