#include "app/app.h"

#include <algorithm>

#include "app/control_table.h"
#include "model/universe.h"

namespace tesvik {

App::App(UserPort& port)
    : port_(port),
      frame_(port),
      front6_([this](int ms) { timers_.set_interval(TimerId::Q6Viewer, ms); }),
      notice_(port, frame_, gate_, {[this] { return ended_; }, [this] { end_program(); }}) {}

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
    case TimerId::Q6Viewer: front6_.viewer_timer(); break;
  }
}

void App::run_startup() {
  timers_.set_interval(TimerId::Load, 0);
  frame().overlay = true;
  port_.pump();
  pages_.load();
  front6_.load();
  for (Mode m : kConditionModes) universe(m);
  frame_.load_links_and_title();
  timers_.set_interval(TimerId::Caiji, 500);
  frame().overlay = false;
}

PageContext App::page_context() {
  return {pages_.panel(), pages_, pages_.engine(), port_, [this](int value, int mode) { show_progress(value, mode); },
          tishi_xinxi_};
}

Button* App::button_of(ControlRef c) {
  if (!control_exists(c)) return nullptr;
  switch (owner_of(c)) {
    case Owner::Frame: return frame_.button(c);
    case Owner::FrontSix: return front6_.button(c);
    default: return pages_.button(c);
  }
}

ComboBox* App::combo_of(ControlRef c) {
  return control_exists(c) && owner_of(c) == Owner::ConditionPages ? pages_.combo(c) : nullptr;
}

TextBox* App::box_of(ControlRef c) {
  if (!control_exists(c)) return nullptr;
  return owner_of(c) == Owner::FrontSix ? front6_.box(c) : pages_.box(c);
}

const std::string* App::text_of(ControlRef c) {
  if (const TextBox* box = box_of(c)) return &box->text();
  return control_exists(c) && owner_of(c) != Owner::FrontSix ? pages_.text(c) : nullptr;
}

bool App::edit_text(ControlRef c, const std::function<void(std::string&)>& edit) {
  if (TextBox* box = box_of(c)) {
    box->edit(edit);
    return true;
  }
  std::string* text = control_exists(c) && owner_of(c) != Owner::FrontSix ? pages_.text(c) : nullptr;
  if (text) edit(*text);
  return text != nullptr;
}

ListBox* App::list_of(ControlRef c) { return control_exists(c) ? pages_.list(c) : nullptr; }

Label* App::label_of(ControlRef c) {
  if (!control_exists(c)) return nullptr;
  switch (owner_of(c)) {
    case Owner::Frame: return frame_.label(c);
    case Owner::FrontSix: return front6_.label(c);
    default: return pages_.label(c);
  }
}

ToleranceSelector* App::selector_of(ControlRef c) { return control_exists(c) ? front6_.selector(c) : nullptr; }

void App::click(ControlRef c) {
  if (ended_ || !control_exists(c)) return;
  const auto busy = gate_.hold();
  switch (owner_of(c)) {
    case Owner::Frame: frame_.click(c); break;
    case Owner::FrontSix: {
      Front6Context ctx{port_, [this](int value, int mode) { show_progress(value, mode); }, tishi_xinxi_,
                        pages_.panel().picture_panel};
      front6_.click(c, ctx);
      break;
    }
    case Owner::ConditionPages: {
      PageContext ctx = page_context();
      pages_.click(c, ctx);
      break;
    }
  }
}

void App::double_click(ControlRef c) {
  if (!control_exists(c)) return;
  const auto busy = gate_.hold();
  if (owner_of(c) == Owner::FrontSix) front6_.double_click(c);
  else pages_.double_click(c);
}

void App::hover(ControlRef c) {
  if (c.array != Ctl::L_ad || !control_exists(c)) return;
  frame_.hover(c);
  timers_.set_interval(TimerId::YanseHy, 1000);
}

bool App::read_only(ControlRef c) const {
  return control_exists(c) && owner_of(c) == Owner::FrontSix && front6_.read_only(c);
}

bool App::refused_edit(ControlRef c) {
  if (!read_only(c)) return false;
  port_.show_tip("请用“粘”按钮粘贴号码");
  return true;
}

void App::set_text(ControlRef c, std::string text) {
  if (!refused_edit(c)) put_text(c, std::move(text));
}

void App::put_text(ControlRef c, std::string text) {
  edit_text(c, [&](std::string& box) { box = std::move(text); });
}

void App::replace_text(ControlRef c, std::size_t at, std::size_t count, std::string_view with) {
  if (refused_edit(c)) return;
  edit_text(c, [&](std::string& box) {
    at = std::min(at, box.size());
    box.replace(at, std::min(count, box.size() - at), with);
  });
}

void App::type_text(ControlRef c, std::string_view utf8) {
  const auto busy = gate_.hold();
  if (!control_exists(c) || refused_edit(c)) return;
  if (owner_of(c) == Owner::FrontSix) front6_.type_text(c, utf8);
  else pages_.type_text(c, utf8);
}

void App::select_row(ControlRef c, int row) {
  ListBox* list = list_of(c);
  if (!list) return;
  list->selected = row >= 0 && static_cast<std::size_t>(row) < list->rows.size() ? row : -1;
}

void App::scroll_viewer(int value) {
  if (!ended_) front6_.scroll_viewer(value);
}

void App::close_request() {
  if (ended_) return;
  const auto busy = gate_.hold();
  if (!port_.question(kNoticeTitle, "是否要关闭软件？")) return;
  frame_.open_exit_link();
  end_program();
}

}  // namespace tesvik
