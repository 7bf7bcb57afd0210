#pragma once
// The main window as a plain object. Its state is split by owner (the frame,
// the condition pages and the front-six page), each in its own class; App holds the timers,
// runs the start-up sequence and dispatches every event to the owner of the
// control. The Qt window renders it and forwards events to it; the batch
// runner drives the same object.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/frame/frame.h"
#include "app/frame/timers.h"
#include "app/front_six/front6_page.h"
#include "app/notice/event_gate.h"
#include "app/notice/notice_client.h"
#include "app/pages/condition_pages.h"
#include "app/tools/history_check.h"
#include "support/user_port.h"

namespace tesvik {

class App {
 public:
  explicit App(UserPort& port);
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // The window is created: captions and colours of the frame, timers armed.
  void create();
  // Runs create(), the start-up sequence and the light sequence at once, as
  // a window would have done after about one second (used without a window).
  void start_without_window();

  // Time passes; due timers fire.
  void advance_time(std::int64_t ms);
  void timer_tick(TimerId id);
  Timers& timers() { return timers_; }

  // User events. Controls that have no such handler ignore the event.
  void click(ControlRef c);
  void double_click(ControlRef c);
  void hover(ControlRef c);
  void set_text(ControlRef c, std::string text);  // as a paste: no key filter
  // Writes a text as the program itself does, into a read-only box too.
  void put_text(ControlRef c, std::string text);
  // Changes the text of c in place by edit(std::string&), as the program
  // itself does; false when c has no text.
  bool edit_text(ControlRef c, const std::function<void(std::string&)>& edit);
  // Replaces `count` bytes at `at` (both cut to the text) by `with`, as a
  // paste does.
  void replace_text(ControlRef c, std::size_t at, std::size_t count, std::string_view with);
  void type_text(ControlRef c, std::string_view utf8);
  // A box that only shows what the program put there (front six's pasted
  // lists): the three edits above leave it as it is and say how to fill it.
  bool read_only(ControlRef c) const;
  void select_row(ControlRef c, int row);
  // The scroll bar of the front-six result viewer is dragged to `value`.
  void scroll_viewer(int value);
  void close_request();
  bool ended() const { return ended_; }

  // Controls by reference; nullptr for a control of another kind or an
  // index that its array does not have.
  const std::string* text_of(ControlRef c);  // a text box's or combo box's text
  TextBox* box_of(ControlRef c);             // a condition box
  Button* button_of(ControlRef c);
  ComboBox* combo_of(ControlRef c);
  ListBox* list_of(ControlRef c);
  Label* label_of(ControlRef c);
  ToleranceSelector* selector_of(ControlRef c);
  const ResultViewer& viewer() const { return front6_.viewer(); }

  PanelState& panel() { return pages_.panel(); }
  const PanelState& panel() const { return pages_.panel(); }
  FrameState& frame() { return frame_.state(); }
  const FrameState& frame() const { return frame_.state(); }
  FilterEngine& engine() { return pages_.engine(); }
  Front6Page& front6() { return front6_; }
  const std::array<std::string, kLinks>& links() const { return frame_.links(); }
  std::int16_t light_count() const { return frame_.light_count(); }
  const std::string& title() const { return frame_.title(); }
  const std::string& network_state() const { return frame_.network_state(); }

  // The network start-up talks to the system through these ports; without
  // them it checks and stores nothing and works offline.
  void attach_network(NetworkPorts& ports, NoticeConfig config) { notice_.attach(ports, std::move(config)); }
  // Runs the network start-up now (the batch runner's `network`).
  void run_network() { notice_.start(); }
  // Before the window shows: ends the program, with its message, when another copy runs.
  bool refuse_second_copy() { return notice_.refuse_second_copy(); }
  const NoticeClient& notice() const { return notice_; }

  // The page tools of every page beyond its own buttons ("保存方案",
  // "载入方案", "导出文件", "历史验证"). Without a file the user chooses one
  // in the port's file dialog. A history check while the page's count shows
  // 0 says so and gives nothing.
  void save_scheme(Mode mode, std::optional<std::string> file = std::nullopt);
  void load_scheme(Mode mode, std::optional<std::string> file = std::nullopt);
  void export_picks(Mode mode, std::optional<std::string> file = std::nullopt);
  std::optional<HistoryReport> check_history(Mode mode, std::string_view draws);
  // The count the page shows for its last run.
  int kept_count(Mode mode) const;

  void show_progress(int value, int mode) { frame_.show_progress(value, mode); }
  void open_link(std::string_view url) { frame_.open_link(url); }

 private:
  // Shows how to fill a read-only box when c is one.
  bool refused_edit(ControlRef c);
  void run_startup();
  PageContext page_context();
  void end_program();
  // The conditions that took part in the page's last run, in column order.
  std::vector<RunCondition> run_conditions(Mode mode);

  UserPort& port_;
  Frame frame_;
  ConditionPages pages_;
  Timers timers_;
  Front6Page front6_;
  std::string tishi_xinxi_;  // tishi_xinxi: the tip window's text
  bool ended_ = false;
  EventGate gate_;  // held while a user event or a timer tick runs
  NoticeClient notice_;
};

}  // namespace tesvik
